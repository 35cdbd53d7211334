#include "calculator/inverse_table.h"

#include <cmath>
#include <numbers>

#include "calculator/shapes.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/laplace_formulas.h"
#include "engine/catalogue/own_formulas.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

// The root 1/e of a value, guarded for the lower limit.
double Root(double value, double e, Limit limit) {
  if (limit == Limit::Lower && !(value > 0)) value = 0.001;
  return std::pow(value, 1 / e);
}

double CompositeX(const WorkingValues& w, double f, Limit limit, Branch branch) {
  const BranchShapes shapes = CompositeShapes(w.code);
  const bool upper = branch == Branch::Upper;
  const double a = upper ? w.Ag : w.As;
  const double b = upper ? w.Bg : w.Bs;
  const double value = (ShapeInverse(upper ? shapes.upper : shapes.lower, f) - b) / a;
  if (w.code < 70) return value + w.shift;
  return Root(value, upper ? w.Eg : w.Es, limit) + w.shift;
}

double LaplaceW(const WorkingValues& w, double f) {
  if (f >= 0.5) return w.laplaceCentre - std::log(2 - 2 * f) * w.upperScale;
  return w.laplaceCentre + std::log(2 * f) * w.lowerScale;
}

// Code 73 by the forward's side rule: the upper side's answer only where
// the law is on its upper side. Below that (the upper side's value at the
// centre lies above 0.5) the law passes f where it leaves its lower side,
// at the centre itself.
double GeneralizedLaplaceX(const WorkingValues& w, double f, Limit limit) {
  if (f < 0.5) return Root(LaplaceW(w, f), w.E1, limit);
  const double X = Root(LaplaceW(w, f), w.E2, limit);
  const LaplaceParams p = LaplaceParamsOf(w);
  if (std::isfinite(X) && OnGeneralizedLaplaceLowerSide(X, p))
    return std::pow(w.laplaceCentre, 1 / w.E1);
  return X;
}

double BoundScale(const WorkingValues& w) {
  return std::exp(-w.B / w.A);
}

double OwnFormulaX(const WorkingValues& w, double f, Limit limit) {
  constexpr double pi = std::numbers::pi;
  const double s = w.shift;
  // The Student pair keeps the mean of the shifted data, as the engine fitted
  // it, and the forward takes the shift off: the shift goes back on here,
  // less the 0.0001 the forward adds.
  const double studentOffset = s - static_cast<double>(kPositiveShift);
  switch (w.code) {
    case kBurr:
      return std::pow(w.burrB / std::exp((std::log(1 - f) - w.burrD) / w.burrE) - w.burrB,
                      1 / w.burrA) +
             s;
    case kDagum:
      return std::pow(w.burrB / std::exp((std::log(f) - w.burrD) / w.burrE) - w.burrB,
                      1 / w.burrA) +
             s;
    case kGeneralizedGompertz: {
      const double Z =
          std::pow(std::log(1 + std::log(1 - f) / w.gompertzA) / w.gompertzB, 1 / w.gompertzE);
      return Z + s - (w.gompertzFlag ? 1 : 0);
    }
    case kKumaraswamy:
      return w.kumM * std::pow(1 - std::pow(1 - f, 1 / w.kumB), 1 / w.kumA) + s;
    case kAdjustedFisk: {
      const auto x = FiskInverse(f, FiskParams{w.A, w.B});
      return x ? static_cast<double>(*x) + s : std::nan("");
    }
    case kWeibull:
      return std::exp((std::log(-std::log(1 - f)) - w.B) / w.A) + s;
    case kMirroredWeibull:
      return std::exp((std::log(-std::log(f)) - w.B) / w.A) + s;
    case kFrechet:
      return w.C + BoundScale(w) * std::pow(-std::log(f), 1 / w.A);
    case kMirroredFrechet:
      return w.C + BoundScale(w) * std::pow(-std::log(1 - f), 1 / w.A);
    case kMirroredFisherTippett3:
      return w.C - BoundScale(w) * std::pow(-std::log(1 - f), 1 / w.A);
    case kFisherTippett3:
      return w.C - BoundScale(w) * std::pow(-std::log(f), 1 / w.A);
    case kStudentOneDf:
      return w.studentSd * std::tan((f - 0.5) * pi) + w.studentMean + studentOffset;
    case kStudentTwoDf: {
      const double d = 2 * f - 1;
      return w.studentSd * std::sqrt(2.0) * d / std::sqrt(1 - d * d) + w.studentMean +
             studentOffset;
    }
    case kCauchy:
      return (std::tan((f - 0.5) * pi) - w.B) / w.A + s;
    case kGeneralizedCauchy:
      return Root((std::tan((f - 0.5) * pi) - w.B) / w.A, w.E, limit) + s;
    case kMirroredPoisson:
      return Root((-std::log(f) - w.B) / w.A, w.E, limit) + s;
    case kGev:
      return (std::exp(-w.E * std::log(-std::log(f))) - 1) * w.gevScale / w.E + w.gevLocation + s;
    case kLaplace:
      return LaplaceW(w, f) + s;
    case kGeneralizedRayleigh:
      return std::pow(-std::log(1 - f) * w.rayleighDivisor, 1 / w.rayleighExponent) + s;
    case kGeneralizedLaplace:
      return GeneralizedLaplaceX(w, f, limit) + s;
    default:
      return std::nan("");
  }
}

double TableX(const WorkingValues& w, double f, Limit limit, Branch branch) {
  const double s = w.shift;
  if (IsCalculatorComposite(w.code)) return CompositeX(w, f, limit, branch);
  switch (w.code) {
    case kGeneralizedLinear:
      return Root((f - w.B) / w.A, w.E, limit) + s;
    case kGeneralizedLinearExponential:
      return Root((std::log(f) - w.B) / w.A, w.E, limit) + s;
    case kGeneralizedExponential:
      return Root((-std::log(1 - f) - w.B) / w.A, w.E, limit) + s;
    case kGumbel:
      return (ShapeInverse(Shape::G, f) - w.B) / w.A + s;
    case kMirroredGumbel:
      return (ShapeInverse(Shape::M, f) - w.B) / w.A + s;
    case kSimpleExponential:
      return Root(-std::log(1 - f) / w.A, 1, limit) + s;
    case kGeneralizedGumbel:
      return Root((ShapeInverse(Shape::G, f) - w.B) / w.A, w.E, limit) + s;
    case kGeneralizedMirroredGumbel:
      return Root((ShapeInverse(Shape::M, f) - w.B) / w.A, w.E, limit) + s;
    case kLogistic:
      return (ShapeInverse(Shape::L, f) - w.B) / w.A + s;
    case kLogLogistic:
      return std::exp((ShapeInverse(Shape::L, f) - w.B) / w.A) + s;
    case kGeneralizedLogistic:
      return std::pow((ShapeInverse(Shape::L, f) - w.B) / w.A, 1 / w.E) + s;
    default:
      return OwnFormulaX(w, f, limit);
  }
}

}  // namespace

Branch BranchFor(const WorkingValues& w, double F) {
  return w.breakPointF && F > *w.breakPointF ? Branch::Upper : Branch::Lower;
}

std::optional<double> InverseX(const WorkingValues& w, double f, Limit limit, Branch branch) {
  const double X = TableX(w, f, limit, branch);
  if (!std::isfinite(X)) return std::nullopt;
  return X;
}

}  // namespace quarlin
