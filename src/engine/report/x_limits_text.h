#pragma once
// The confidence limits of the calculated X values, the part of the report
// that the second phase of a run adds after the main report.

#include <string>
#include <vector>

#include "engine/analysis/report_numbers.h"

namespace quarlin {

// The section, line by line. The limits are printed as the table always
// showed them: a negative lower limit as 0 unless the data themselves go
// below 0, and an upper limit not above the calculated value 1% of it above.
std::vector<std::string> XLimitsLines(const XConfidence& confidence);

// The section as its file holds it, with CR LF line ends.
std::string XLimitsText(const XConfidence& confidence);

}  // namespace quarlin
