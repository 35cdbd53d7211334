#include "engine/catalogue/catalogue.h"

#include "engine/catalogue/bound_formulas.h"
#include "engine/catalogue/laplace_formulas.h"
#include "engine/catalogue/special_formulas.h"
#include "engine/model/normal_variable.h"
#include "engine/model/predictor.h"

namespace quarlin {
namespace {

bool IsBoundedFamily(int code) {
  return code == 33 || code == 35 || code == 58 || code == 59;
}

Evaluation Value(long double F) {
  return Evaluation{F, false};
}

std::optional<Evaluation> EvaluateOwnFormula(int code, long double Y, const FittedParams& p,
                                             EvalSite site) {
  if (IsBoundedFamily(code)) {
    const BoundedValue bounded = BoundedF(code, Y, p.bound, site.atDataPoint);
    return Evaluation{bounded.F, bounded.beyondBound && site.atDataPoint};
  }
  switch (code) {
    case 31:
      return Value(BurrF(Y, p.burr));
    case 32:
      return Value(DagumF(Y, p.burr));
    case 34:
      return Value(GompertzF(Y, p.gompertz));
    case 36:
      return Value(KumaraswamyF(Y, p.kumaraswamy));
    case 56:
      return Value(FiskF(Y, p.fisk));
    case 61:
      return Value(GammaF(Y, p.gamma));
    case 62:
      return Value(StudentOneF(Y, p.student));
    case 63:
      return Value(StudentTwoF(Y, p.student));
    case 67:
      return Value(GevF(Y, p.gev));
    case 68:
      return Value(LaplaceF(Y, p.laplace));
    case 69:
      return Value(RayleighF(Y, p.rayleigh));
    case 73:
      return Value(GeneralizedLaplaceF(Y, p.laplace));
    default:
      return std::nullopt;
  }
}

std::optional<long double> InvertOwnFormula(int code, long double F, const FittedParams& p) {
  if (IsBoundedFamily(code)) return BoundedInverse(code, F, p.bound);
  switch (code) {
    case 31:
      return BurrInverse(F, p.burr);
    case 32:
      return DagumInverse(F, p.burr);
    case 34:
      return GompertzInverse(F, p.gompertz);
    case 36:
      return KumaraswamyInverse(F, p.kumaraswamy);
    case 56:
      return FiskInverse(F, p.fisk);
    case 62:
      return StudentOneInverse(F, p.student);
    case 63:
      return StudentTwoInverse(F, p.student);
    case 67:
      return GevInverse(F, p.gev);
    case 68:
      return LaplaceInverse(F, p.laplace);
    case 69:
      return RayleighInverse(F, p.rayleigh);
    case 73:
      return GeneralizedLaplaceInverse(F, p.laplace);
    default:
      return std::nullopt;
  }
}

}  // namespace

bool HasFunction(int code) {
  return (code >= 3 && code <= 18) || (code >= 20 && code <= 26) || (code >= 31 && code <= 36) ||
         (code >= 51 && code <= 74) || (code >= 80 && code <= 85);
}

bool HasInverse(int code) {
  return HasFunction(code) && !IsNormalFamily(code) && code != 61;
}

void ApplyStoredGuards(int code, FittedParams& params) {
  if (code == 56) params.fisk.B = GuardedFiskScale(params.fisk.B);
}

std::optional<Evaluation> Evaluate(int code, long double Y, const FittedParams& params,
                                   EvalSite site) {
  if (const auto line = LinePredictor(code, params.line)) return Value(PredictorF(*line, Y));
  if (const auto shape = CompositeShapeOf(code)) {
    const CompositeParams& c = params.composite;
    const Member member = site.atDataPoint ? MemberAtRank(site.rank, c.K) : MemberAtValue(Y, c.P);
    return Value(PredictorF(MemberPredictor(*shape, c, member), Y));
  }
  if (IsNormalFamily(code)) return Value(NormalMemberF(code, Y, params.normal));
  return EvaluateOwnFormula(code, Y, params, site);
}

std::optional<long double> Invert(int code, long double F, const FittedParams& params,
                                  Member member) {
  if (const auto line = LinePredictor(code, params.line)) return PredictorInverse(*line, F);
  if (const auto shape = CompositeShapeOf(code)) {
    return PredictorInverse(MemberPredictor(*shape, params.composite, member), F);
  }
  return InvertOwnFormula(code, F, params);
}

}  // namespace quarlin
