#include "calculator/forward_table.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "calculator/shapes.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/catalogue/laplace_formulas.h"
#include "engine/catalogue/own_formulas.h"

namespace quarlin {
namespace {

double NormalVariable(int code, double x, double E) {
  switch (code) {
    case kLogNormal:
    case kLogNormalOptimized:
      return std::log(x);
    case kRootNormal:
      return std::sqrt(x);
    case kSquareNormal:
      return x * x;
    case kGeneralizedNormal:
      return std::pow(x, E);
    default:
      return x;
  }
}

double BranchF(const WorkingValues& w, double x, bool upper) {
  const BranchShapes shapes = CompositeShapes(w.code);
  const bool generalized = w.code >= 70;
  const double a = upper ? w.Ag : w.As;
  const double b = upper ? w.Bg : w.Bs;
  const double e = upper ? w.Eg : w.Es;
  const double v = a * (generalized ? std::pow(x, e) : x) + b;
  return ShapeF(upper ? shapes.upper : shapes.lower, v);
}

// Rounds halves to the even neighbour, as the count of terms is rounded.
long GammaTerms(double count) {
  return std::lround(std::nearbyint(count));
}

double GammaF(double x, double scale, double count) {
  const long k = GammaTerms(count);
  const double r = x / scale;
  double term = std::exp(-r);
  double sum = 0;
  for (long n = 0; n < k; ++n) {
    if (n > 0) term *= r / static_cast<double>(n);
    sum += term;
  }
  return 1 - sum;
}

double BoundScale(const WorkingValues& w) {
  return std::exp(-w.B / w.A);
}

// Codes 33, 35, 58 and 59: the distance from the bound C on the side of
// the law's range, or nothing on the far side of C.
std::optional<double> DistanceInside(const WorkingValues& w, double x) {
  const double distance =
      BoundSideOf(w.code) == BoundSide::Lower ? x + w.shift - w.C : w.C - x - w.shift;
  if (!(distance > 0)) return std::nullopt;
  return distance;
}

// Code 67: the end of the support lies below for a positive shape, above
// for a negative one.
bool BeyondGevSupport(const WorkingValues& w, double x) {
  return !(1 + (x - w.gevLocation) * w.E / w.gevScale > 0);
}

// The ends that a parameter of the law names, where the formula would
// give another value than the law's 0 or 1 beyond them.
Beyond BeyondNamedBound(const WorkingValues& w, double x) {
  switch (w.code) {
    case kFrechet:
    case kMirroredFrechet:
    case kMirroredFisherTippett3:
    case kFisherTippett3:
      if (DistanceInside(w, x)) return Beyond::None;
      return BoundSideOf(w.code) == BoundSide::Lower ? Beyond::Lower : Beyond::Upper;
    case kKumaraswamy:
      return w.kumM > 0 && x >= w.kumM ? Beyond::Upper : Beyond::None;
    case kGev:
      if (!BeyondGevSupport(w, x)) return Beyond::None;
      return w.E > 0 ? Beyond::Lower : Beyond::Upper;
    default:
      return Beyond::None;
  }
}

double OwnFormulaF(const WorkingValues& w, double x) {
  constexpr double pi = std::numbers::pi;
  switch (w.code) {
    case kBurr:
      return 1 - std::exp(w.burrE * std::log(w.burrB / (std::pow(x, w.burrA) + w.burrB)) + w.burrD);
    case kDagum:
      return std::exp(w.burrE * std::log(w.burrB / (std::pow(x, w.burrA) + w.burrB)) + w.burrD);
    case kGeneralizedGompertz: {
      const double z = w.gompertzFlag ? x + 1 : x;
      const double F =
          1 - std::exp(w.gompertzA * (std::exp(w.gompertzB * std::pow(z, w.gompertzE)) - 1));
      return F < 0.001 ? 0.001 : F;
    }
    case kKumaraswamy:
      return 1 - std::pow(1 - std::pow(x / w.kumM, w.kumA), w.kumB);
    case kAdjustedFisk:
      return static_cast<double>(FiskF(x, FiskParams{w.A, w.B}));
    case kWeibull:
      return 1 - std::exp(-std::pow(x / BoundScale(w), w.A));
    case kMirroredWeibull:
      return std::exp(-std::pow(x / BoundScale(w), w.A));
    case kFrechet:
    case kMirroredFrechet:
    case kMirroredFisherTippett3:
    case kFisherTippett3: {
      const double u = *DistanceInside(w, x) / BoundScale(w);
      const double G = std::exp(-std::pow(u, w.A));
      return w.code == kFrechet || w.code == kFisherTippett3 ? G : 1 - G;
    }
    case kGamma:
      return GammaF(x, w.gammaScale, w.gammaCount);
    case kStudentOneDf:
    case kStudentTwoDf: {
      const double y = (x - w.studentMean) / w.studentSd;
      if (w.code == kStudentOneDf) return std::atan(y) / pi + 0.5;
      return 0.5 * (1 + y / std::sqrt(y * y + 2));
    }
    case kCauchy:
      return std::atan(w.A * x + w.B) / pi + 0.5;
    case kGeneralizedCauchy:
      return std::atan(w.A * std::pow(x, w.E) + w.B) / pi + 0.5;
    case kMirroredPoisson:
      return std::exp(-w.A * std::pow(x, w.E) - w.B);
    case kGev: {
      const double a = (x - w.gevLocation) * w.E / w.gevScale;
      return std::exp(-std::pow(1 + a, -1 / w.E));
    }
    case kLaplace:
      return static_cast<double>(LaplaceF(x, LaplaceParamsOf(w)));
    case kGeneralizedRayleigh:
      return 1 - std::exp(-std::pow(x, w.rayleighExponent) / w.rayleighDivisor);
    case kGeneralizedLaplace:
      return static_cast<double>(GeneralizedLaplaceF(x, LaplaceParamsOf(w)));
    default:
      return std::nan("");
  }
}

// Codes whose intercept puts F = 0 or 1 at a finite x, so that the formula
// leaves [0, 1] only beyond an end of the law's range: the linear forms 1
// and 2, the Poisson form 3, Burr and Dagum with their additive term D (31,
// 32), the mirrored Poisson form 66, and a composite's Poisson member below
// the break point. Elsewhere a value outside [0, 1] is rounding (Gamma's
// sum) or a law that turns back inside its range (code 73 between its two
// sides), which the caller clamps.
bool EndsWhereTheFormulaLeavesTheRange(const WorkingValues& w, double X) {
  if (IsCalculatorComposite(w.code))
    return CompositeShapes(w.code).lower == Shape::Q && !(X + 0.0001 > w.P);
  switch (w.code) {
    case kGeneralizedLinear:
    case kGeneralizedLinearExponential:
    case kGeneralizedExponential:
    case kBurr:
    case kDagum:
    case kMirroredPoisson:
      return true;
    default:
      return false;
  }
}

double TableF(const WorkingValues& w, double X, double x) {
  const int code = w.code;
  if (IsCalculatorComposite(code)) return BranchF(w, x, X + 0.0001 > w.P);
  switch (code) {
    case kGeneralizedLinear:
      return w.A * std::pow(x, w.E) + w.B;
    case kGeneralizedLinearExponential:
      return std::exp(w.A * std::pow(x, w.E) + w.B);
    case kGeneralizedExponential:
      return 1 - std::exp(-w.A * std::pow(x, w.E) - w.B);
    case kGumbel:
      return ShapeF(Shape::G, w.A * x + w.B);
    case kMirroredGumbel:
      return ShapeF(Shape::M, w.A * x + w.B);
    case kSimpleExponential:
      return 1 - std::exp(-w.A * x);
    case kGeneralizedGumbel:
      return ShapeF(Shape::G, w.A * std::pow(x, w.E) + w.B);
    case kGeneralizedMirroredGumbel:
      return ShapeF(Shape::M, w.A * std::pow(x, w.E) + w.B);
    case kLogistic:
      return ShapeF(Shape::L, w.A * x + w.B);
    case kLogLogistic:
      return ShapeF(Shape::L, w.A * std::log(x) + w.B);
    case kGeneralizedLogistic:
      return ShapeF(Shape::L, w.A * std::pow(x, w.E) + w.B);
    default:
      return OwnFormulaF(w, x);
  }
}

}  // namespace

double CalculatorNormalF(double y, double Av, double Sd, double whenNegative) {
  const double z = (y - Av) / Sd;
  const double t = 1 / (1 + 0.23165 * z);
  const double p = 0.31938 * t - 0.35656 * t * t + 1.78148 * std::pow(t, 3) -
                   1.82126 * std::pow(t, 4) + 1.33027 * std::pow(t, 5);
  if (p < 0) return whenNegative;
  return 1 - std::exp(-z * z / 2) / std::sqrt(2 * std::numbers::pi) * p;
}

ForwardValue ForwardF(const WorkingValues& w, double X, double x) {
  if (IsNormalFamily(w.code)) {
    return {CalculatorNormalF(NormalVariable(w.code, x, w.E), w.Av, w.Sd, 0.001)};
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
  return BranchF(w, w.P - w.shift, true);
}

}  // namespace quarlin
