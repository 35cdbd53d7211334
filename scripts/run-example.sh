#!/usr/bin/env bash
# Sets up, builds and runs a best-of-all analysis of a bundled example series.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
mkdir -p build/example
cp Data/precip.csv build/example/precip.csv
build/bin/quarlin-cli run build/example/precip.csv --title1 "Average annual precipitation of 70 US cities" --title2 "inches"
