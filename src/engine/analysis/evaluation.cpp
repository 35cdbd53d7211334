#include "engine/analysis/evaluation.h"

#include <cmath>
#include <limits>

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/composite_members.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/fits/normal_family.h"

namespace quarlin {
namespace {

// A code without a function yields NaN, which the correction treats like a
// value below 0.
long double RawF(int code, long double Y, const FittedParams& params, EvalSite site,
                 PointEvaluation& out) {
  const auto value = Evaluate(code, Y, params, site);
  if (!value) return std::numeric_limits<long double>::quiet_NaN();
  if (value->boundWarning) {
    const BoundSide side = BoundSideOf(code);
    if (side == BoundSide::Lower) out.lowerBoundWarning = true;
    if (side == BoundSide::Upper) out.upperBoundWarning = true;
  }
  return value->F;
}

// The normal family straight from its stored parameters, without the
// correction.
std::vector<long double> NormalAtData(int code, const FittedParams& params, const Sample& sample) {
  NormalFit fit = EvaluateNormalFamily(code, sample, params.normal);
  if (fit.fitted) return std::move(fit.Fcalc);
  // Data without spread in the member's variable: the same law point by point.
  std::vector<long double> Fcalc(sample.N + 1, 0.0L);
  PointEvaluation unused;
  for (int i = 1; i <= sample.N; ++i)
    Fcalc[i] = RawF(code, sample.X[i], params, EvalSite::DataPoint(i), unused);
  return Fcalc;
}

}  // namespace

void CorrectFcalc(int code, std::span<long double> Fcalc) {
  for (size_t i = 1; i < Fcalc.size(); ++i) {
    long double& F = Fcalc[i];
    if (code == kGeneralizedGompertz && F < 0.001L) F = 0.001L;
    if (F < 0.0L || std::isnan(F)) F = 0.001L;
    if (F > 1.0L) F = 0.999L;
    if (i >= 2 && F < Fcalc[i - 1]) F = Fcalc[i - 1];
  }
}

PointEvaluation EvaluateAtData(int code, const FittedParams& params, const Sample& sample) {
  PointEvaluation out;
  if (IsNormalFamily(code)) {
    out.Fcalc = NormalAtData(code, params, sample);
    return out;
  }
  out.Fcalc.assign(sample.N + 1, 0.0L);
  for (int i = 1; i <= sample.N; ++i)
    out.Fcalc[i] = RawF(code, sample.X[i], params, EvalSite::DataPoint(i), out);
  CorrectFcalc(code, out.Fcalc);
  return out;
}

CurvePoints EvaluateCurve(int code, const FittedParams& params, long double Xlo, long double Xhi) {
  CurvePoints curve;
  curve.CurveX.assign(kCurvePoints + 1, 0.0L);
  curve.CurveFc.assign(kCurvePoints + 1, 0.0L);
  const long double span = 0.1L * Xhi > Xlo ? Xhi - Xlo : Xhi;
  PointEvaluation unused;
  for (int b = 1; b <= kCurvePoints; ++b) {
    const long double Y = b * span / kCurvePoints;
    curve.CurveX[b] = Y;
    // Bounded codes keep the data-point replacement; only composites need
    // the break point instead of a rank.
    const EvalSite site = IsComposite(code) ? EvalSite::FreeValue() : EvalSite::DataPoint(b);
    curve.CurveFc[b] = RawF(code, Y, params, site, unused);
  }
  if (!IsNormalFamily(code)) CorrectFcalc(code, curve.CurveFc);
  return curve;
}

}  // namespace quarlin
