#pragma once
// How the calculator evaluates a code where its formulas are its own rather
// than the catalogue's: it works in double from the parameter file's printed
// values, and some of its rules differ (calculator/forward_table.h and
// inverse_table.h list how). The row names its form here; the calculator's
// tables are keyed by this form, never by the code.

namespace quarlin {

enum class CalculatorForm {
  // The catalogue's law as the row's kind gives it: a line by its link and
  // scale, a composite by its members' links, the normal family by its
  // variable, any other law by the row's own forward and inverse.
  Catalogue,
  // The catalogue's line, but the root 1/E of the lower limit is taken as it
  // comes, where other lines take a non-positive base as 0.001.
  UnguardedRoot,
  // Forms the catalogue does not have (codes 1 and 2 have no function there):
  // F = A*x^E + B, and F = exp(A*x^E + B).
  Linear,
  LinearExponential,
  // The calculator's own formula of the family, forward and inverse.
  Burr,
  Dagum,
  Gompertz,     // never below 0.001
  Kumaraswamy,  // 1 beyond the upper end M
  // 1 - exp(-(x/c)^A) and exp(-(x/c)^A) with c = exp(-B/A); the inverse is
  // the catalogue's line.
  Weibull,
  MirroredWeibull,
  // exp(-u^A), and 1 - exp(-u^A), u the distance from the bound C on the
  // side of the law's range; the row's bound side says which side that is.
  Bound,
  MirroredBound,
  Gamma,  // no inverse
  StudentOneDf,
  StudentTwoDf,
  Gev,  // 0 or 1 beyond the end of the support
  Rayleigh,
  // The catalogue's forward, the calculator's own inverse.
  Laplace,
  GeneralizedLaplace,  // the inverse follows the forward's side rule
};

// Whether the calculator converts a frequency back into X for this form.
constexpr bool CalculatorInverts(CalculatorForm form) {
  return form != CalculatorForm::Gamma;
}

}  // namespace quarlin
