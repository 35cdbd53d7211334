#!/usr/bin/env bash
# Builds the fuzz targets (the readers', and the calc and graph commands' over
# a report's files) with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each in turn.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS (default 60) is each target's time; TARGETs (default all) are names
# such as input_file, number_text or calc_command: one per folder of
# fuzz/corpus/. Each target starts from its seed corpus in fuzz/corpus/ and
# keeps what it finds new in build-fuzz/corpus/; an input that breaks a reader
# or a command lands in build-fuzz/findings/. Prints the executions per target
# and exits 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is needed (Debian: clang)" >&2
  exit 1
fi
if [ ! -f build-fuzz/build.ninja ]; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARLIN_FUZZ=ON \
    -DQUARLIN_BUILD_TESTS=OFF -DQUARLIN_BUILD_BENCH=OFF >/dev/null
fi
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/findings
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=0
summary=()
for name in "${targets[@]}"; do
  if [ ! -d "fuzz/corpus/$name" ]; then
    echo "fuzz: no target $name (fuzz/corpus/$name is missing)" >&2
    exit 2
  fi
  corpus=build-fuzz/corpus/$name
  log=build-fuzz/$name.log
  mkdir -p "$corpus"
  echo "fuzz: $name for $seconds s" >&2
  status=0
  "build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$name-" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1 ||
    status=$?
  runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
  if ((status != 0)); then
    failed=1
    summary+=("$name: FOUND A FAULT after ${runs:-?} executions (see $log and build-fuzz/findings/)")
    tail -n 40 "$log" >&2
  else
    summary+=("$name: ${runs:-?} executions in $seconds s, nothing found")
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
