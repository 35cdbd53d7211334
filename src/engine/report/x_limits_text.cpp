#include "engine/report/x_limits_text.h"

#include "common/number_text.h"
#include "common/text_file.h"
#include "engine/analysis/x_confidence.h"
#include "engine/report/report_landmarks.h"
#include "engine/report/table_field.h"

namespace quarlin {

std::vector<std::string> XLimitsLines(const XConfidence& confidence) {
  const std::string dashes = " ----------------------------------------------------------";
  std::vector<std::string> lines = {"",
                                    "",
                                    kXLimitsHeading,
                                    dashes,
                                    "   Observed            Calculated      90% confidence limit  ",
                                    "   X-value   Serial    X-Value         of calulated X-Value  ",
                                    "   Ranked     No.                      Lower        Upper    ",
                                    dashes};
  const int dX = confidence.dX;
  for (const XLimitRow& row : confidence.rows) {
    const PrintedXLimits p = XLimitsAsPrinted(row, confidence.smallestDatumNegative);
    lines.push_back(Fix(row.X, 8, dX) + Int(row.serial, 8) + TableField(row.CalcX, 13, dX) +
                    TableField(p.LowerX, 15, dX) + TableField(p.UpperX, 15, dX));
  }
  lines.push_back(dashes);
  lines.push_back(" Efficiency coefficient (R) of calculated and observed ");
  lines.push_back(kXEfficiencyLabel + Fix(confidence.RX, 10, 5));
  lines.push_back("");
  return lines;
}

std::string XLimitsText(const XConfidence& confidence) {
  TextBuilder text;
  for (const std::string& line : XLimitsLines(confidence)) text.Line(line);
  return text.Text();
}

}  // namespace quarlin
