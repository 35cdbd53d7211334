#include "engine/catalogue/report_lines.h"

#include <cmath>

#include "common/number_text.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {

std::string ShiftLine(ShiftWord word, double C) {
  switch (word) {
    case ShiftWord::C:
      return " An additional term C is used : C = " + Sci3(-C);
    case ShiftWord::T:
      return " An additional term T is used : T = " + Sci3(-C);
    case ShiftWord::Y:
      return " The variable X is replaced by Y=X+C, with C = " + Sci3(-C);
  }
  return {};
}

namespace report_values {

void BurrValues(const ChosenDistribution& d, Lines& lines) {
  const BurrParams& p = d.params.burr;
  lines.push_back("    B = " + Sci3(p.B) + "    A = " + Sci3(p.A) + "    D = " + Sci3(p.D) +
                  "    E = " + Sci3(p.E));
}

void KumaraswamyValues(const ChosenDistribution& d, Lines& lines) {
  const KumaraswamyParams& p = d.params.kumaraswamy;
  lines.push_back("      M = " + Sci3(p.M) + "      A = " + Sci3(p.A) + "      B = " + Sci3(p.B));
}

void GammaSummation(const ChosenDistribution&, Lines& lines) {
  lines.push_back("     Summation from n=0 to n=B");
}

void GevValues(const ChosenDistribution& d, Lines& lines) {
  const GevParams& p = d.params.gev;
  lines.push_back("     K = " + Sci3(p.K) + "  A = " + Sci3(p.A) + "  B = " + Sci3(p.B));
}

void LaplaceValues(const ChosenDistribution& d, Lines& lines) {
  const LaplaceParams& p = d.params.laplace;
  lines.push_back("        B =  " + Sci3(p.L) + "  A1 =  " + Sci3(1.0 / p.D1) +
                  "  A2 =  " + Sci3(1.0 / p.D2));
}

void GeneralizedLaplaceValues(const ChosenDistribution& d, Lines& lines) {
  const LaplaceParams& p = d.params.laplace;
  lines.push_back(" B =  " + Sci3(p.L) + "  A1 =  " + Sci3(1.0 / p.D1) +
                  "  A2 =  " + Sci3(1.0 / p.D2));
  lines.push_back(" The exponents are: E1 =  " + Sci3(p.E1) + "  and E2 =  " + Sci3(p.E2));
}

// The variable Z and the shift decide the text together; with the shift and
// without the Z = X + 1 variable no shift line is printed.
void GompertzFormula(const ChosenDistribution& d, Lines& lines) {
  const bool flag = d.params.gompertz.flag;
  if (d.HighShift && flag) {
    lines.push_back(ShiftLine(ShiftWord::C, d.C));
    lines.push_back("     Freq = 1-exp[A*{Exp(B*Z^E) - 1}]  where Z = X-C");
  } else if (d.HighShift) {
    lines.push_back("     Freq = 1-exp[A*{Exp{B*X^E) - 1}]");
  } else if (flag) {
    lines.push_back("     Freq = 1-exp[A*{Exp(B*Z^E) - 1}]    where Z = X+1");
  } else {
    lines.push_back("     Freq = 1-exp[A*{Exp(B*X^E) - 1}]");
  }
}

void ExponentLine(const ChosenDistribution& d, Lines& lines) {
  lines.push_back("     The exponent E = " + Sci3(d.params.line.E));
}

void WeibullScale(const ChosenDistribution& d, Lines& lines) {
  const LinearParams& p = d.params.line;
  lines.push_back("     C    = exp(-B/A) = " + Sci3(std::exp(-p.B / p.A)));
}

void BoundLines(const ChosenDistribution& d, Lines& lines) {
  lines.push_back("     C    = " + Sci3(d.params.bound.C));
  const bool lowerBound = BoundSideOf(d.code) == BoundSide::Lower;
  if (lowerBound && d.lowerBoundWarning)
    lines.push_back(" Warning, there are values smaller than the lower bound C");
  if (!lowerBound && d.upperBoundWarning)
    lines.push_back(" Warning, there are values larger than the upper bound C");
}

void GevBoundNote(const ChosenDistribution& d, Lines& lines) {
  if (!d.params.gev.boundCorrected) return;
  lines.push_back(" The K-value is not optimal: ");
  lines.push_back(" There are data beyond the bound.");
}

void RayleighValues(const ChosenDistribution& d, Lines& lines) {
  const RayleighParams& p = d.params.rayleigh;
  lines.push_back("     The exponent E = " + Fix3(p.E) + " The value of divider S = " + Fix3(p.S));
}

void LinearSeparation(const ChosenDistribution& d, Lines& lines) {
  lines.push_back(" The separation point is : P = " + Fix(d.params.composite.P + d.C, 6, 3));
}

void GeneralizedSeparation(const ChosenDistribution& d, Lines& lines) {
  lines.push_back(" The separation point is : P = " + Sci3(d.params.composite.P));
}

void GeneralizedSeparationSwapped(const ChosenDistribution& d, Lines& lines) {
  lines.push_back(" The separation point is P = : " + Sci3(d.params.composite.P));
}

void NormalValueLines(const NormalWording& w, const ChosenDistribution& d, Lines& lines) {
  if (d.HighShift) lines.push_back(ShiftLine(ShiftWord::C, d.C));
  if (w.sd.empty()) return;
  const NormalParams& n = d.params.normal;
  if (!w.mean.empty()) lines.push_back(std::string(d.HighShift ? w.meanShift : w.mean) + Sci3(n.M));
  std::string sd(d.HighShift ? w.sdShift : w.sd);
  sd += w.optimised ? Sci3(n.S0) + " is optimized as : " + Sci3(n.S) : Sci3(n.S);
  lines.push_back(sd);
}

void GeneralizedNormalHead(const ChosenDistribution& d, Lines& lines) {
  lines.push_back(" The exponent E is : " + Sci3(d.params.normal.E));
  lines.push_back(" The numerical method of Hastings is applied.");
}

}  // namespace report_values
}  // namespace quarlin
