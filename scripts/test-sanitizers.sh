#!/usr/bin/env bash
# Runs the whole test suite twice more, each in a build of its own, both
# with clang++ (which also keeps the program building with it; g++ builds
# the ordinary suite):
#   build-asan/    AddressSanitizer and UndefinedBehaviorSanitizer, the
#                  vector kernels included;
#   build-assert/  the standard library's own checks (_GLIBCXX_ASSERTIONS).
# Clang builds the sanitized suite in a fraction of g++'s time.
# Both include the fuzz targets' seed corpora as tests. Any finding fails
# the test that met it, and this script with it.
#
#   scripts/test-sanitizers.sh [asan|assert]...   (default both)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

runs=("$@")
((${#runs[@]})) || runs=(asan assert)

if ! command -v clang++ >/dev/null; then
  echo "Installing: clang" >&2
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang >/dev/null
fi

# The build runs the test binaries too (to list their tests), so the
# sanitizers' settings hold from here on.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# build NAME COMPILER CMAKE-ARGUMENTS...: configures (once) and builds NAME.
build() {
  local dir=$1 compiler=$2
  shift 2
  if [ ! -f "$dir/build.ninja" ]; then
    CXX=$compiler cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUARLIN_BUILD_BENCH=OFF "$@" >/dev/null
  fi
  if ! cmake --build "$dir" --parallel "$(nproc)" >"$dir/build.log" 2>&1; then
    cat "$dir/build.log" >&2
    exit 1
  fi
}

for run in "${runs[@]}"; do
  start=$SECONDS
  case $run in
    asan)
      build build-asan clang++ -DQUARLIN_SANITIZE=address,undefined
      ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
      ;;
    assert)
      build build-assert clang++ -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS
      ctest --test-dir build-assert --output-on-failure -j"$(nproc)"
      ;;
    *)
      echo "usage: scripts/test-sanitizers.sh [asan|assert]..." >&2
      exit 2
      ;;
  esac
  echo "test-sanitizers: $run passed in $((SECONDS - start)) s" >&2
done
