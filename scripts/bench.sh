#!/usr/bin/env bash
# Whole-process speed of `quarlin-cli run --composite --quiet` against the
# straightforward build of the same command (quarlin-cli-reference: every
# search summed in full, on one thread), on four fixed series: a Gumbel law
# (mode 100, scale 30) and a log-normal law (median 1000, log-sd 1.5), each
# with 250 and 2500 values.
#
#   scripts/bench.sh [--fast-only]
#
# Environment: FAST_RUNS (default 5) runs of quarlin-cli per series, REF_RUNS
# (default 1: the reference takes minutes at 2500 values) runs of the
# reference, SIZES (default "250 2500") the series sizes. Shown per series:
# the median wall time, the largest peak resident memory, and the reference's
# time over the fast one; the two builds' .out, .aux and .Lst files are
# compared byte for byte. Exits 1 when any of them differ.
set -euo pipefail
cd "$(dirname "$0")/.."

fast_only=0
case "${1:-}" in
  "") ;;
  --fast-only) fast_only=1 ;;
  *)
    echo "usage: scripts/bench.sh [--fast-only]" >&2
    exit 2
    ;;
esac
fast_runs=${FAST_RUNS:-5}
ref_runs=${REF_RUNS:-1}
sizes=${SIZES:-"250 2500"}
for count in "$fast_runs" "$ref_runs" $sizes; do
  if ! [[ $count =~ ^[1-9][0-9]*$ ]]; then
    echo "bench: FAST_RUNS, REF_RUNS and SIZES take whole numbers from 1 (got '$count')" >&2
    exit 2
  fi
done

scripts/setup.sh
fast=build/bin/quarlin-cli
reference=build/bin/quarlin-cli-reference
maker=build/bin/quarlin-make-sample
for program in "$fast" "$reference" "$maker"; do
  if [ ! -x "$program" ]; then
    echo "bench: $program was not built (the benchmarks need libbenchmark-dev)" >&2
    exit 1
  fi
done

# The series and the files the runs write (build/bench itself is CMake's).
folder=build/bench/series
mkdir -p "$folder/fast" "$folder/reference"

# run PROGRAM SERIES RUNS KEEP: runs PROGRAM on the series RUNS times, sets
# `seconds` (median wall time) and `megabytes` (largest peak resident memory)
# and copies the run's .out, .aux and .Lst into KEEP. Both builds write beside the
# same series, so that the input file named in the report is the same.
run() {
  local program=$1 series=$2 runs=$3 keep=$4 times=() peak=0 i start end kb
  rm -f "${series%.csv}.out" "${series%.csv}.aux" "${series%.csv}.Lst"
  for ((i = 1; i <= runs; i++)); do
    echo "  $(basename "$program") on $(basename "$series"), run $i of $runs" >&2
    start=$EPOCHREALTIME
    if ! /usr/bin/time -f '%M' -o "$folder/rss" "$program" run "$series" --composite --quiet \
      >"$folder/run.log" 2>&1; then
      echo "bench: $program failed on $series:" >&2
      cat "$folder/run.log" "$folder/rss" >&2
      exit 1
    fi
    end=$EPOCHREALTIME
    kb=$(tail -n 1 "$folder/rss")
    ((kb > peak)) && peak=$kb
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')")
  done
  cp "${series%.csv}.out" "${series%.csv}.aux" "${series%.csv}.Lst" "$keep/"
  seconds=$(printf '%s\n' "${times[@]}" | sort -n | awk '
    { t[NR] = $1 }
    END { printf "%.3f", NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }')
  megabytes=$(awk -v kb="$peak" 'BEGIN { printf "%.1f", kb / 1024 }')
}

rows=()
different=0
for N in $sizes; do
  for law in gumbel lognormal; do
    name=$law-$N
    series=$folder/$name.csv
    rm -f "$folder"/{fast,reference}/"$name".*
    "$maker" "$law" "$N" "$series"
    run "$fast" "$series" "$fast_runs" "$folder/fast"
    fast_s=$seconds fast_mb=$megabytes
    if ((fast_only)); then
      rows+=("$name $N $fast_s $fast_mb - - - -")
      continue
    fi
    run "$reference" "$series" "$ref_runs" "$folder/reference"
    ref_s=$seconds ref_mb=$megabytes
    ratio=$(awk -v r="$ref_s" -v f="$fast_s" 'BEGIN { if (f > 0) printf "%.1f", r / f; else print "-" }')
    files=identical
    for extension in out aux Lst; do
      cmp -s "$folder/fast/$name.$extension" "$folder/reference/$name.$extension" || files=DIFFERENT
    done
    [ "$files" = identical ] || different=1
    rows+=("$name $N $fast_s $fast_mb $ref_s $ref_mb $ratio $files")
  done
done

echo
echo "quarlin-cli run --composite --quiet, whole process, on $(nproc) processors;"
echo "fast: median of $fast_runs runs; reference (one thread, full sums): median of $ref_runs."
format='%-15s %5s %10s %10s %10s %10s %8s  %s\n'
# shellcheck disable=SC2059
printf "$format" sample N "fast s" "fast MB" "ref s" "ref MB" ratio "out/aux/Lst"
for row in "${rows[@]}"; do
  # shellcheck disable=SC2059,SC2086
  printf "$format" $row
done
exit "$different"
