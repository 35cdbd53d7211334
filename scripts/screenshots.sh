#!/usr/bin/env bash
# Saves what a user sees as PNG files in build/screenshots/, drawn without a
# display: the desktop program's windows as a new user goes through them
# (Intro, the Output page before any report, a paste of years and values
# with two mistyped cells and its message, a pasted column on the Input
# page, the selection dialog, the paste help, a run under way with its
# status, its report, the ranked list, the calculator, the goodness of fit
# of an opened report, a message box, the file dialog, the closing window),
# and the six graphs of two bundled reports in colour and in black and white.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
out=build/screenshots
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
# The column a user would copy from a spreadsheet: the values without their heading.
tail -n +2 Data/portpirie.csv > "$out/column.txt"
rm -f "$out"/tour.* "$out"/lossalae_Loss.*
cp Data/lossalae_Loss.out Data/lossalae_Loss.aux Data/lossalae_Loss.inp Data/lossalae_Loss.Lst "$out/"
build/bin/quarlin-screenshots "$out" "$out/column.txt" "$out/lossalae_Loss.out"
for report in Data/portpirie Data/sleep; do
  name=$(basename "$report")
  build/bin/quarlin-cli graph "$report" --type all --output "$out/$name"
  build/bin/quarlin-cli graph "$report" --type all --bw --output "$out/$name-bw"
done
echo "Screenshots in $out/" >&2
