// The parameter lines many codes share, and the order in which the
// distribution's lines make up its part of the report.

#include "common/number_text.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/report/report_formula.h"
#include "engine/report/report_params.h"

namespace quarlin {
namespace {

void AddSlopeInterceptLines(const DistributionRow& row, const ChosenDistribution& d, Lines& lines) {
  const SlopeIntercept ab = SharedSlopeIntercept(d.code, d.params);
  lines.push_back("     A    = " + Sci3(ab.A));
  if (!(row.regression && row.regression->ratioLine)) lines.push_back("     B    = " + Sci3(ab.B));
  if (row.report.modeLine) {
    lines.push_back("   Mode   =  " + Sci5(-ab.B / ab.A));
    lines.push_back(" The standard error of X is optimized as " + Fix(d.spreadS, 7, 2));
  }
}

}  // namespace

std::vector<std::string> CommonParameterLines(const ChosenDistribution& d) {
  Lines lines;
  if (const DistributionRow* row = FindRow(d.code)) {
    if (row->report.ownParameterLines) row->report.ownParameterLines(d, lines);
    if (row->report.slopeIntercept) AddSlopeInterceptLines(*row, d, lines);
  }
  lines.push_back("");
  return lines;
}

std::vector<std::string> DistributionLines(const ChosenDistribution& d) {
  Lines lines = DescriptionLines(d);
  lines.push_back("");
  for (const Lines& part : {FormulaLines(d), CommonParameterLines(d), LinearCompositeLines(d)})
    lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

}  // namespace quarlin
