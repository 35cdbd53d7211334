#include "engine/catalogue/row_formulas.h"

#include "engine/catalogue/bound_formulas.h"
#include "engine/catalogue/normal_variable.h"

namespace quarlin {

Evaluation LineForward(const DistributionRow& row, long double Y, const FittedParams& p, EvalSite) {
  return RawValue(PredictorF(MemberLine(*row.regression, p.line), Y));
}

std::optional<long double> LineInverse(const DistributionRow& row, long double F,
                                       const FittedParams& p, Member) {
  return PredictorInverse(MemberLine(*row.regression, p.line), F);
}

Evaluation CompositeForward(const DistributionRow& row, long double Y, const FittedParams& p,
                            EvalSite site) {
  const CompositeParams& c = p.composite;
  const Member member = site.atDataPoint ? MemberAtRank(site.rank, c.K) : MemberAtValue(Y, c.P);
  return RawValue(PredictorF(MemberPredictor(*row.composite, c, member), Y));
}

std::optional<long double> CompositeInverse(const DistributionRow& row, long double F,
                                            const FittedParams& p, Member member) {
  return PredictorInverse(MemberPredictor(*row.composite, p.composite, member), F);
}

Evaluation NormalForward(const DistributionRow& row, long double Y, const FittedParams& p,
                         EvalSite) {
  return RawValue(NormalMemberF(row.code, Y, p.normal));
}

Evaluation BoundForward(const DistributionRow& row, long double Y, const FittedParams& p,
                        EvalSite site) {
  const BoundedValue bounded = BoundedF(row.code, Y, p.bound, site.atDataPoint);
  return Evaluation{bounded.F, bounded.beyondBound && site.atDataPoint};
}

std::optional<long double> BoundInverse(const DistributionRow& row, long double F,
                                        const FittedParams& p, Member) {
  return BoundedInverse(row.code, F, p.bound);
}

}  // namespace quarlin
