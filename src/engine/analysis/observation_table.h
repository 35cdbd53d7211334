#pragma once
// Reading the report's own observation table back, so that the confidence
// limits of X work on the numbers with the decimals the report shows.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/analysis/report_numbers.h"

namespace quarlin {

// The N rows after the first line that begins with " Obs" and the four
// lines after it: X-value, serial, Fo, Fk, SdFc, Lower, Upper each. Nothing
// when the landmark is missing, the table is short or a row does not hold
// seven numbers. Numbers are read with a full stop whatever the locale.
std::optional<std::vector<ObservationRow>> ParseObservationTable(std::span<const std::string> lines,
                                                                 int N);

}  // namespace quarlin
