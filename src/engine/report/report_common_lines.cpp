// The parameter lines many codes share, and the order in which the
// distribution's lines make up its part of the report.

#include <cmath>

#include "common/number_text.h"
#include "engine/report/report_formula.h"
#include "engine/report/report_params.h"

namespace quarlin {
namespace {

using Lines = std::vector<std::string>;

bool HasCommonLines(int code) {
  return (code >= 1 && code <= 6) || code == 33 || code == 35 || (code >= 51 && code <= 60) ||
         (code >= 64 && code <= 85 && code != 73);
}

bool HasExponentLine(int code) {
  return code == 3 || code == 51 || code == 52 || code == 55 || code == 65 || code == 66;
}

bool HasOwnParameterLines(int code) {
  return code == 61 || code == 67 || code == 68 || code == 69;
}

void AddBoundLines(const ChosenDistribution& d, Lines& lines) {
  lines.push_back("     C    = " + Sci3(d.params.bound.C));
  const bool lowerBound = d.code == 58 || d.code == 35;
  if (lowerBound && d.lowerBoundWarning)
    lines.push_back(" Warning, there are values smaller than the lower bound C");
  if (!lowerBound && d.upperBoundWarning)
    lines.push_back(" Warning, there are values larger than the upper bound C");
}

void AddSlopeInterceptLines(const ChosenDistribution& d, Lines& lines) {
  if (d.code >= 70 || HasOwnParameterLines(d.code)) return;
  const SlopeIntercept ab = SharedSlopeIntercept(d.code, d.params);
  lines.push_back("     A    = " + Sci3(ab.A));
  if (d.code != 6) lines.push_back("     B    = " + Sci3(ab.B));
  if (d.code == 4) {
    lines.push_back("   Mode   =  " + Sci5(-ab.B / ab.A));
    lines.push_back(" The standard error of X is optimized as " + Fix(d.spreadS, 7, 2));
  }
}

}  // namespace

std::vector<std::string> CommonParameterLines(const ChosenDistribution& d) {
  Lines lines;
  if (HasCommonLines(d.code)) {
    const FittedParams& p = d.params;
    if (HasExponentLine(d.code)) lines.push_back("     The exponent E = " + Sci3(p.line.E));
    if (d.code == 57)
      lines.push_back("     C    = exp(-B/A) = " + Sci3(std::exp(-p.line.B / p.line.A)));
    if (d.code == 33 || d.code == 35 || d.code == 58 || d.code == 59) AddBoundLines(d, lines);
    if (d.code == 67 && p.gev.boundCorrected) {
      lines.push_back(" The K-value is not optimal: ");
      lines.push_back(" There are data beyond the bound.");
    }
    if (d.code == 69)
      lines.push_back("     The exponent E = " + Fix3(p.rayleigh.E) +
                      " The value of divider S = " + Fix3(p.rayleigh.S));
    AddSlopeInterceptLines(d, lines);
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
