// The parameter lines many codes share, and the order in which the
// distribution's lines make up its part of the report.

#include <cmath>

#include "common/number_text.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/report/report_formula.h"
#include "engine/report/report_params.h"

namespace quarlin {
namespace {

using Lines = std::vector<std::string>;

bool HasCommonLines(int code) {
  return (code >= kGeneralizedLinear && code <= kSimpleExponential) ||
         code == kMirroredFisherTippett3 || code == kMirroredFrechet ||
         (code >= kGeneralizedGumbel && code <= kMirroredWeibull) ||
         (code >= kCauchy && code <= kCompositeGeneralizedPoissonGumbel &&
          code != kGeneralizedLaplace);
}

// The regression members whose exponent was searched.
bool HasExponentLine(int code) {
  const DistributionRow* row = FindRow(code);
  return row && row->regression && row->regression->scale == Scale::Power;
}

bool HasOwnParameterLines(int code) {
  return code == kGamma || code == kGev || code == kLaplace || code == kGeneralizedRayleigh;
}

bool IsBoundFamily(int code) {
  return BoundSideOf(code) != BoundSide::None;
}

void AddBoundLines(const ChosenDistribution& d, Lines& lines) {
  lines.push_back("     C    = " + Sci3(d.params.bound.C));
  const bool lowerBound = BoundSideOf(d.code) == BoundSide::Lower;
  if (lowerBound && d.lowerBoundWarning)
    lines.push_back(" Warning, there are values smaller than the lower bound C");
  if (!lowerBound && d.upperBoundWarning)
    lines.push_back(" Warning, there are values larger than the upper bound C");
}

void AddSlopeInterceptLines(const ChosenDistribution& d, Lines& lines) {
  if (d.code >= kCompositeGeneralizedLogistic || HasOwnParameterLines(d.code)) return;
  const SlopeIntercept ab = SharedSlopeIntercept(d.code, d.params);
  lines.push_back("     A    = " + Sci3(ab.A));
  if (d.code != kSimpleExponential) lines.push_back("     B    = " + Sci3(ab.B));
  if (d.code == kGumbel) {
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
    if (d.code == kWeibull)
      lines.push_back("     C    = exp(-B/A) = " + Sci3(std::exp(-p.line.B / p.line.A)));
    if (IsBoundFamily(d.code)) AddBoundLines(d, lines);
    if (d.code == kGev && p.gev.boundCorrected) {
      lines.push_back(" The K-value is not optimal: ");
      lines.push_back(" There are data beyond the bound.");
    }
    if (d.code == kGeneralizedRayleigh)
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
