#!/usr/bin/env bash
# Rebuilds the example outputs in Data/ from the bundled series: a
# best-of-all run (no composites) on each, as a user would start it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cli=build/bin/quarlin-cli
run() {  # name title1 title2
  "$cli" run "Data/$1.csv" --title1 "$2" --title2 "$3" --quiet
}
run portpirie "Annual maximum sea levels at Port Pirie, South Australia, 1923-1987" "m"
run precip "Average annual precipitation of 70 US and Puerto Rico cities" "inches"
run Nile "Annual flow of the river Nile at Aswan, 1871-1970" "10^8 m^3"
run rivers "Lengths of 141 major North American rivers" "miles"
run sleep "Increase in hours of sleep of 10 patients under two drugs" "hours"
run lossalae_Loss "Indemnity payments of general liability claims" "USD"
# The six colour graphs of one report (needs Qt; scripts/setup.sh installs it).
"$cli" graph Data/portpirie --type all --output Data/graphs
