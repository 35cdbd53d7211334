#pragma once
// What the simple and the generalized composite fits share: how many points
// a side needs, the upper side's anchored line, and the calculated
// frequencies of both sides.

#include <span>
#include <vector>

#include "engine/catalogue/composite_members.h"
#include "engine/model/kernels.h"
#include "engine/model/links.h"
#include "engine/model/predictor.h"
#include "engine/model/sample.h"

namespace quarlin {

// Fewest points either side of a break that a composite trial accepts: with
// fewer, a side has no variation or a line that fits it exactly, and its
// exponent would be chosen by rounding noise.
inline constexpr int kMinSidePoints = 3;

inline bool BothSidesCounted(int N, int K) {
  return K >= kMinSidePoints && N - K >= kMinSidePoints;
}

// The upper side's line through point K and the centroid of points K+1..N.
// Point K belongs to the lower side, so the line sees it with the lower
// side's transformed values (XtAtK, FtAtK); Xt and Ft hold the upper side's
// values and are handed back unchanged.
LineFit AnchoredUpperLine(std::span<long double> Xt, std::span<long double> Ft, int N, int K,
                          long double XtAtK, long double FtAtK);

// Both members of a composite trial, ready to give the calculated frequency
// of one rank at a time (a search stops at the rank where a trial loses).
struct CompositeSides {
  Predictor lower, upper;
  int K = 0;
  // The member of rank i's side with the saturation guards of its link.
  long double At(const Sample& sample, int i) const {
    const Predictor& p = MemberAtRank(i, K) == Member::Lower ? lower : upper;
    return GuardedLinkF(p.link, p.A * ScaledValue(p.scale, sample.X[i], p.E) + p.B);
  }
};

CompositeSides CompositeSidesOf(const CompositeShape& shape, const CompositeParams& params);

// Fcalc[1..N] of `params` at the data of `sample` (resized to N + 1): each
// rank takes the member of its side with the saturation guards of its link,
// as the searches score a trial.
void CompositeCalculated(const CompositeShape& shape, const CompositeParams& params,
                         const Sample& sample, std::vector<long double>& Fcalc);

}  // namespace quarlin
