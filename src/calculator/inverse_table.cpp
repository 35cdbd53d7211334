#include "calculator/inverse_table.h"

#include <cmath>
#include <numbers>

#include "engine/catalogue/laplace_formulas.h"
#include "engine/catalogue/own_formulas.h"
#include "engine/model/links.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

using Form = CalculatorForm;

// The root 1/e of a value, guarded for the lower limit.
double Root(double value, double e, Limit limit) {
  if (limit == Limit::Lower && !(value > 0)) value = 0.001;
  return std::pow(value, 1 / e);
}

// A line of the catalogue: Xt = (Ft(f) - B)/A taken back to X. The lower
// limit's root is guarded, also for the ratio line (its Xt is divided out),
// unless the row's form says otherwise.
double LineX(const WorkingValues& w, double f, Limit limit) {
  const RegressionMember& member = *w.row->regression;
  const LinearParams& line = w.params.line;
  const double B = member.ratioLine ? 0.0 : line.B;
  const double value = (LinkFtIn<double>(member.link, f) - B) / line.A;
  const double s = w.shift;
  if (member.ratioLine) return Root(value, 1, limit) + s;
  switch (member.scale) {
    case Scale::Log:
      return std::exp(value) + s;
    case Scale::Power:
      if (w.Form() == Form::UnguardedRoot) return std::pow(value, 1 / line.E) + s;
      return Root(value, line.E, limit) + s;
    case Scale::Plain:
      break;
  }
  return value + s;
}

double CompositeX(const WorkingValues& w, double f, Limit limit, Branch branch) {
  const CompositeShape& shape = *w.row->composite;
  const CompositeParams& c = w.params.composite;
  const bool upper = branch == Branch::Upper;
  const double a = upper ? c.Ag : c.As;
  const double b = upper ? c.Bg : c.Bs;
  const double value = (LinkFtIn<double>(upper ? shape.upper : shape.lower, f) - b) / a;
  if (!shape.generalized) return value + w.shift;
  return Root(value, upper ? c.Eg : c.Es, limit) + w.shift;
}

double LaplaceW(const LaplaceParams& p, double f) {
  if (f >= 0.5) return p.L - std::log(2 - 2 * f) * p.D2;
  return p.L + std::log(2 * f) * p.D1;
}

// The generalized Laplace form by the forward's side rule: the upper side's
// answer only where the law is on its upper side. Below that (the upper
// side's value at the centre lies above 0.5) the law passes f where it leaves
// its lower side, at the centre itself.
double GeneralizedLaplaceX(const LaplaceParams& p, double f, Limit limit) {
  if (f < 0.5) return Root(LaplaceW(p, f), p.E1, limit);
  const double X = Root(LaplaceW(p, f), p.E2, limit);
  if (std::isfinite(X) && OnGeneralizedLaplaceLowerSide(X, p)) return std::pow(p.L, 1 / p.E1);
  return X;
}

double BoundScale(double A, double B) {
  return std::exp(-B / A);
}

// The calculator's own inverses; the catalogue's where the form says so.
double FormX(const WorkingValues& w, double f, Limit limit) {
  constexpr double pi = std::numbers::pi;
  const FittedParams& p = w.params;
  const double s = w.shift;
  switch (w.Form()) {
    case Form::Linear:
      return Root((f - p.line.B) / p.line.A, p.line.E, limit) + s;
    case Form::LinearExponential:
      return Root((std::log(f) - p.line.B) / p.line.A, p.line.E, limit) + s;
    case Form::Burr:
    case Form::Dagum: {
      const BurrParams& b = p.burr;
      const double G = w.Form() == Form::Burr ? 1 - f : f;
      return std::pow(b.B / std::exp((std::log(G) - b.D) / b.E) - b.B, 1 / b.A) + s;
    }
    case Form::Gompertz: {
      const GompertzParams& g = p.gompertz;
      const double Z = std::pow(std::log(1 + std::log(1 - f) / g.A) / g.B, 1 / g.E);
      return Z + s - (g.flag ? 1 : 0);
    }
    case Form::Kumaraswamy: {
      const KumaraswamyParams& k = p.kumaraswamy;
      return k.M * std::pow(1 - std::pow(1 - f, 1 / k.B), 1 / k.A) + s;
    }
    case Form::Bound:
    case Form::MirroredBound: {
      // Bounds are in data units: no shift.
      const double G = w.Form() == Form::Bound ? f : 1 - f;
      const double d = BoundScale(p.bound.A, p.bound.B) * std::pow(-std::log(G), 1 / p.bound.A);
      return w.row->bound == BoundSide::Lower ? p.bound.C + d : p.bound.C - d;
    }
    case Form::Gamma:
      return std::nan("");
    case Form::StudentOneDf:
    case Form::StudentTwoDf: {
      // The Student pair keeps the mean of the shifted data, as the engine
      // fitted it, and the forward takes the shift off: the shift goes back
      // on here, less the 0.0001 the forward adds.
      const double offset = s - static_cast<double>(kPositiveShift);
      const StudentParams& t = p.student;
      if (w.Form() == Form::StudentOneDf) return t.sd * std::tan((f - 0.5) * pi) + t.mean + offset;
      const double d = 2 * f - 1;
      return t.sd * std::sqrt(2.0) * d / std::sqrt(1 - d * d) + t.mean + offset;
    }
    case Form::Gev:
      return (std::exp(-p.gev.K * std::log(-std::log(f))) - 1) * p.gev.B / p.gev.K + p.gev.A + s;
    case Form::Rayleigh:
      return std::pow(-std::log(1 - f) * p.rayleigh.S, 1 / p.rayleigh.E) + s;
    case Form::Laplace:
      return LaplaceW(p.laplace, f) + s;
    case Form::GeneralizedLaplace:
      return GeneralizedLaplaceX(p.laplace, f, limit) + s;
    case Form::Weibull:
    case Form::MirroredWeibull:
    case Form::Catalogue:
    case Form::UnguardedRoot:
      break;
  }
  // The catalogue's own inverse of the family (56).
  if (!w.row->inverse) return std::nan("");
  const auto Y = w.row->inverse(*w.row, f, p, Member::Lower);
  return Y ? static_cast<double>(*Y) + s : std::nan("");
}

double TableX(const WorkingValues& w, double f, Limit limit, Branch branch) {
  if (w.IsComposite()) return CompositeX(w, f, limit, branch);
  // The Weibull forms have the calculator's own forward but the line's inverse.
  if (w.row->regression) return LineX(w, f, limit);
  return FormX(w, f, limit);
}

}  // namespace

Branch BranchFor(const WorkingValues& w, double F) {
  return w.breakPointF && F > *w.breakPointF ? Branch::Upper : Branch::Lower;
}

std::optional<double> InverseX(const WorkingValues& w, double f, Limit limit, Branch branch) {
  if (!w.row) return std::nullopt;
  const double X = TableX(w, f, limit, branch);
  if (!std::isfinite(X)) return std::nullopt;
  return X;
}

}  // namespace quarlin
