#pragma once
// The confidence limits of the calculated X values, the part of the report
// that the second phase of a run adds after the main report.

#include <string>
#include <vector>

#include "engine/report_numbers.h"

namespace quarlin {

// A row's limits as printed: a negative lower limit shows as 0 unless the
// data themselves go below 0; an upper limit not above the calculated value
// shows as 1.01 times it.
XLimitRow PrintedXLimits(const XLimitRow& row, bool smallestDatumNegative);

// The section, line by line.
std::vector<std::string> ValuesLines(const XConfidence& confidence);

// The section as its file holds it, with CR LF line ends.
std::string ValuesText(const XConfidence& confidence);

}  // namespace quarlin
