#!/usr/bin/env bash
# Saves what a user sees as PNG files in build/screenshots/: the six graphs of
# a bundled report in colour and in black and white, drawn without a display.
# The desktop program's pages join them once its windows exist.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
out=build/screenshots
mkdir -p "$out"
for report in Data/portpirie Data/sleep; do
  name=$(basename "$report")
  build/bin/quarlin-cli graph "$report" --type all --output "$out/$name"
  build/bin/quarlin-cli graph "$report" --type all --bw --output "$out/$name-bw"
done
echo "Screenshots in $out/" >&2
