#pragma once
// The forward and inverse functions that the rows of the distribution table
// point to, one pair per kind of law: the regression members' line, the
// composites' two members, the normal family, the bounded families, and any
// family formula of its own slots.

#include <optional>

#include "engine/catalogue/distribution_table.h"

namespace quarlin {

inline Evaluation RawValue(long double F) {
  return Evaluation{F, false};
}

Evaluation LineForward(const DistributionRow& row, long double Y, const FittedParams& p,
                       EvalSite site);
std::optional<long double> LineInverse(const DistributionRow& row, long double F,
                                       const FittedParams& p, Member member);

// At a data point the rank chooses the member, anywhere else the break point.
Evaluation CompositeForward(const DistributionRow& row, long double Y, const FittedParams& p,
                            EvalSite site);
std::optional<long double> CompositeInverse(const DistributionRow& row, long double F,
                                            const FittedParams& p, Member member);

Evaluation NormalForward(const DistributionRow& row, long double Y, const FittedParams& p,
                         EvalSite site);

// Only a datum beyond the bound is reported; elsewhere the replacement is silent.
Evaluation BoundForward(const DistributionRow& row, long double Y, const FittedParams& p,
                        EvalSite site);
std::optional<long double> BoundInverse(const DistributionRow& row, long double F,
                                        const FittedParams& p, Member member);

// A family formula of its own slots `Slot` (&FittedParams::burr, ...).
template <auto Slot, auto Formula>
Evaluation OwnForward(const DistributionRow&, long double Y, const FittedParams& p, EvalSite) {
  return RawValue(Formula(Y, p.*Slot));
}

template <auto Slot, auto Formula>
std::optional<long double> OwnInverse(const DistributionRow&, long double F, const FittedParams& p,
                                      Member) {
  return Formula(F, p.*Slot);
}

}  // namespace quarlin
