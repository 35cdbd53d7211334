#include "calculator/forward_table.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "engine/catalogue/distribution_table.h"
#include "engine/model/links.h"
#include "engine/model/normal_cdf.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

using Form = CalculatorForm;

constexpr double kShift = static_cast<double>(kPositiveShift);

double Power(double x, double E) {
  return std::pow(x, E);
}

double Scaled(Scale scale, double x, double E) {
  switch (scale) {
    case Scale::Log:
      return std::log(x);
    case Scale::Power:
      return std::pow(x, E);
    case Scale::Plain:
      break;
  }
  return x;
}

// A line of the catalogue: its link of A*Xt + B; the ratio line has no B.
double LineF(const RegressionMember& member, const LinearParams& line, double x) {
  const double B = member.ratioLine ? 0.0 : line.B;
  return LinkFIn<double>(member.link, line.A * Scaled(member.scale, x, line.E) + B);
}

double BranchF(const WorkingValues& w, double x, bool upper) {
  const CompositeShape& shape = *w.row->composite;
  const CompositeParams& c = w.params.composite;
  const double a = upper ? c.Ag : c.As;
  const double b = upper ? c.Bg : c.Bs;
  const double e = upper ? c.Eg : c.Es;
  const double v = a * (shape.generalized ? std::pow(x, e) : x) + b;
  return LinkFIn<double>(upper ? shape.upper : shape.lower, v);
}

bool UpperBranchAt(const WorkingValues& w, double X) {
  return X + kShift > w.params.composite.P;
}

// Rounds halves to the even neighbour, as the count of terms is rounded.
long GammaTerms(double count) {
  return std::lround(std::nearbyint(count));
}

double GammaF(double x, const GammaParams& p) {
  const long k = GammaTerms(p.b);
  const double r = x / p.a;
  double term = std::exp(-r);
  double sum = 0;
  for (long n = 0; n < k; ++n) {
    if (n > 0) term *= r / static_cast<double>(n);
    sum += term;
  }
  return 1 - sum;
}

double BoundScale(double A, double B) {
  return std::exp(-B / A);
}

// The bounded forms: the distance from the bound C on the side of the law's
// range, or nothing on the far side of C.
std::optional<double> DistanceInside(const WorkingValues& w, double x) {
  const BoundParams& p = w.params.bound;
  const double distance = w.row->bound == BoundSide::Lower ? x + w.shift - p.C : p.C - x - w.shift;
  if (!(distance > 0)) return std::nullopt;
  return distance;
}

// The gev form: the end of the support lies below for a positive shape,
// above for a negative one.
bool BeyondGevSupport(const GevParams& p, double x) {
  return !(1 + (x - p.A) * p.K / p.B > 0);
}

// The ends that a parameter of the law names, where the formula would
// give another value than the law's 0 or 1 beyond them.
Beyond BeyondNamedBound(const WorkingValues& w, double x) {
  switch (w.Form()) {
    case Form::Bound:
    case Form::MirroredBound:
      if (DistanceInside(w, x)) return Beyond::None;
      return w.row->bound == BoundSide::Lower ? Beyond::Lower : Beyond::Upper;
    case Form::Kumaraswamy: {
      const double M = w.params.kumaraswamy.M;
      return M > 0 && x >= M ? Beyond::Upper : Beyond::None;
    }
    case Form::Gev:
      if (!BeyondGevSupport(w.params.gev, x)) return Beyond::None;
      return w.params.gev.K > 0 ? Beyond::Lower : Beyond::Upper;
    default:
      return Beyond::None;
  }
}

// The calculator's own formulas; the catalogue's where the form says so.
double FormF(const WorkingValues& w, double x) {
  constexpr double pi = std::numbers::pi;
  const FittedParams& p = w.params;
  switch (w.Form()) {
    case Form::Linear:
      return p.line.A * std::pow(x, p.line.E) + p.line.B;
    case Form::LinearExponential:
      return std::exp(p.line.A * std::pow(x, p.line.E) + p.line.B);
    case Form::Burr:
    case Form::Dagum: {
      const BurrParams& b = p.burr;
      const double G = std::exp(b.E * std::log(b.B / (std::pow(x, b.A) + b.B)) + b.D);
      return w.Form() == Form::Burr ? 1 - G : G;
    }
    case Form::Gompertz: {
      const GompertzParams& g = p.gompertz;
      const double z = g.flag ? x + 1 : x;
      const double F = 1 - std::exp(g.A * (std::exp(g.B * std::pow(z, g.E)) - 1));
      return F < 0.001 ? 0.001 : F;
    }
    case Form::Kumaraswamy: {
      const KumaraswamyParams& k = p.kumaraswamy;
      return 1 - std::pow(1 - std::pow(x / k.M, k.A), k.B);
    }
    case Form::Weibull:
      return 1 - std::exp(-std::pow(x / BoundScale(p.line.A, p.line.B), p.line.A));
    case Form::MirroredWeibull:
      return std::exp(-std::pow(x / BoundScale(p.line.A, p.line.B), p.line.A));
    case Form::Bound:
    case Form::MirroredBound: {
      const double u = *DistanceInside(w, x) / BoundScale(p.bound.A, p.bound.B);
      const double G = std::exp(-std::pow(u, p.bound.A));
      return w.Form() == Form::Bound ? G : 1 - G;
    }
    case Form::Gamma:
      return GammaF(x, p.gamma);
    case Form::StudentOneDf:
    case Form::StudentTwoDf: {
      const double y = (x - p.student.mean) / p.student.sd;
      if (w.Form() == Form::StudentOneDf) return std::atan(y) / pi + 0.5;
      return 0.5 * (1 + y / std::sqrt(y * y + 2));
    }
    case Form::Gev: {
      const double a = (x - p.gev.A) * p.gev.K / p.gev.B;
      return std::exp(-std::pow(1 + a, -1 / p.gev.K));
    }
    case Form::Rayleigh:
      return 1 - std::exp(-std::pow(x, p.rayleigh.E) / p.rayleigh.S);
    case Form::Catalogue:
    case Form::UnguardedRoot:
    case Form::Laplace:
    case Form::GeneralizedLaplace:
      break;
  }
  // The catalogue's own formula of the family (56, 68, 73), at x.
  if (!w.row->forward) return std::nan("");
  return static_cast<double>(w.row->forward(*w.row, x, p, EvalSite::FreeValue()).F);
}

// Forms whose intercept puts F = 0 or 1 at a finite x, so that the formula
// leaves [0, 1] only beyond an end of the law's range: the linear forms of
// codes 1 and 2, a line of a Poisson type with its intercept (3, 66), Burr
// and Dagum with their additive term D, and a composite's Poisson member
// below the break point. Elsewhere a value outside [0, 1] is rounding
// (Gamma's sum) or a law that turns back inside its range (code 73 between
// its two sides), which the caller clamps.
bool EndsWhereTheFormulaLeavesTheRange(const WorkingValues& w, double X) {
  if (w.IsComposite()) return w.row->composite->lower == Link::Poisson && !UpperBranchAt(w, X);
  switch (w.Form()) {
    case Form::Linear:
    case Form::LinearExponential:
    case Form::Burr:
    case Form::Dagum:
      return true;
    default:
      break;
  }
  const auto& member = w.row->regression;
  return member && !member->ratioLine &&
         (member->link == Link::Poisson || member->link == Link::MirroredPoisson);
}

bool IsCatalogueLine(const WorkingValues& w) {
  return w.row->regression && (w.Form() == Form::Catalogue || w.Form() == Form::UnguardedRoot);
}

double TableF(const WorkingValues& w, double X, double x) {
  if (w.IsComposite()) return BranchF(w, x, UpperBranchAt(w, X));
  if (IsCatalogueLine(w)) return LineF(*w.row->regression, w.params.line, x);
  return FormF(w, x);
}

}  // namespace

double CalculatorNormalVariable(const DistributionRow& row, double x, double E) {
  return NormalVariableIn(row.normalForm, x, E, Power);
}

double CalculatorNormalF(double y, const NormalParams& normal, double whenNegative) {
  return NormalCdfHastingsInDouble((y - normal.M) / normal.S).value_or(whenNegative);
}

ForwardValue ForwardF(const WorkingValues& w, double X, double x) {
  if (!w.row) return {std::nan("")};
  if (w.IsNormalFamily()) {
    const NormalParams& normal = w.params.normal;
    return {CalculatorNormalF(CalculatorNormalVariable(*w.row, x, normal.E), normal, 0.001)};
  }
  const Beyond named = BeyondNamedBound(w, x);
  if (named != Beyond::None) return {named == Beyond::Upper ? 1.0 : 0.0, named};
  const double F = TableF(w, X, x);
  if (EndsWhereTheFormulaLeavesTheRange(w, X)) {
    if (F < 0) return {0.0, Beyond::Lower};
    if (F > 1) return {1.0, Beyond::Upper};
  }
  return {F};
}

double BreakPointFrequency(const WorkingValues& w) {
  return BranchF(w, w.params.composite.P - w.shift, true);
}

}  // namespace quarlin
