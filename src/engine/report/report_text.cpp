#include "engine/report/report_text.h"

#include "common/number_text.h"
#include "common/text_file.h"
#include "engine/catalogue/codes.h"
#include "engine/report/report_landmarks.h"
#include "engine/report/table_field.h"

namespace quarlin {
namespace {

using Lines = std::vector<std::string>;

void Add(Lines& lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

Lines Header(const ReportInput& in) {
  Lines lines = {" RESULTS OF Quarlin PROGRAM",
                 " Cumulative frequency analysis",
                 "",
                 " " + in.EngTitle1,
                 " " + in.EngTitle2,
                 " Name of input file used: " + ChangeExtension(in.FileName, ".inp").string(),
                 kNumberOfDataLabel + Int(in.NrOfData)};
  if (in.PrefCode != "1") lines.push_back(" Probability distribution preferred by user.");
  lines.push_back("");
  return lines;
}

Lines SummaryLines(const SummaryStatistics& s) {
  const int d = s.decimals;
  return {kSummaryLabel + Fix(s.average, 7, d) + "     Median X:" + Fix(s.median, 7, d) +
              "     St.Dev. X:" + Fix(s.stdev, 7, d + 1),
          "", ""};
}

Lines IntervalTable(const ReportNumbers& n) {
  const std::string dashes = " --------------------------------------";
  Lines lines = {kIntervalHeading, dashes, "   Class limits of X    Class frequency",
                 "    Lower    Upper      Obs. (%)  Calc.", dashes};
  const int d = n.summary.decimals;
  for (const IntervalRow& row : n.intervals)
    lines.push_back(Fix(row.lower, 8, d) + TableField(row.upper, 10, d) +
                    TableField(row.observed, 10, 1) + TableField(row.calculated, 10, 1));
  Add(lines, {dashes, "", ""});
  return lines;
}

Lines ObservationTable(const ReportNumbers& n) {
  const std::string dashes = " ------------------------------------------------------------------";
  Lines lines = {kObservationHeading, dashes,
                 "   X-value   Serial    Cumulative frequency (%)       90%conf limit",
                 "   Ranked     No.      Rank      Calc.    St.Dev     Lower    Upper", dashes};
  for (const ObservationRow& row : n.observations)
    lines.push_back(SerialColumn(row.X, n.dX, row.serial) + TableField(row.Fo, 10, 2) +
                    TableField(row.Fk, 10, 2) + TableField(row.SdFc, 10, 2) +
                    TableField(row.Lower, 10, 2) + TableField(row.Upper, 10, 3));
  lines.push_back(dashes);
  return lines;
}

Lines FitLines(const ReportNumbers& n) {
  return {" Average of absolute differences between calculated and",
          kFrequencyFitLabel + Fix(n.AvAbsDiff, 10, 2) + "%",
          " Efficiency coefficient (R^2) of calculated and observed",
          kEfficiencyLabel + Fix(n.R2, 11, 4),
          "",
          ""};
}

Lines ReturnPeriodTable(const ReportNumbers& n) {
  const std::string dashes = " --------------------------------------------------------------";
  Lines lines = {kReturnPeriodHeading, dashes,
                 "   X-value    Serial      Return period        90% conf limit",
                 "   Ranked      No.       Rank       Calc.      Lower    Upper", dashes};
  for (const ReturnPeriodRow& row : n.returnPeriods) {
    const int d = row.decimals;
    lines.push_back(SerialColumn(row.X, n.dX, row.serial) + TableField(row.To, 11, d) +
                    TableField(row.Tk, 11, d) + TableField(row.lower, 11, d) +
                    TableField(row.upper, 11, d));
  }
  Add(lines, {dashes, " Average of absolute differences between calculated and",
              kReturnPeriodFitLabel + Fix(n.returnPeriodAvAbsDiff, 10, 2)});
  return lines;
}

}  // namespace

std::string SerialColumn(long double X, int dX, int serial) {
  const std::string gap = serial < 10 ? "  " : serial < 100 ? " " : "";
  return Fix(X, 8, dX) + "      " + Int(serial) + gap;
}

std::vector<std::string> ReportLines(const ReportInput& input) {
  Lines lines = Header(input);
  if (input.chosen.code == kNoDistribution) {
    lines.push_back(kNoDistributionLine);
    return lines;
  }
  Add(lines, DistributionLines(input.chosen));
  Add(lines, SummaryLines(input.numbers.summary));
  Add(lines, IntervalTable(input.numbers));
  Add(lines, ObservationTable(input.numbers));
  Add(lines, FitLines(input.numbers));
  Add(lines, ReturnPeriodTable(input.numbers));
  return lines;
}

std::string ReportText(const ReportInput& input) {
  TextBuilder text;
  for (const std::string& line : ReportLines(input)) text.Line(line);
  return text.Text();
}

}  // namespace quarlin
