#pragma once
// The generalized composites (codes 70-72, 74, 80-85): two lines in powers
// of the data value, each side with its own exponent, joined at one of a few
// break indices between a quarter and three quarters of the points.

#include <span>
#include <vector>

#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

inline constexpr int kBreakIndexTrials = 11;
inline constexpr int kSideExponentTrials = 300;

// Exponent of trial j (1..kSideExponentTrials): 0.01 added j times to 0 in
// double precision, 0.01 to 3.00.
double SideExponentOfTrial(int j);

// The break indices tried, in order: K = N*(4 + i) div 20 for i = 1..11,
// leaving out those with fewer than three points on a side (a small sample
// keeps only a few, possibly repeated; six points keep only K = 3).
std::vector<int> GeneralizedBreakIndices(int N);

// Index (0-based) of the trial exponent a side takes: the smallest sum of
// squares among those greater than 0 and below 1000000, the first on equal
// sums; -1 when none qualifies. The searches bound each trial by this
// choice's running best, so they must change together.
int ChooseSideExponent(std::span<const double> ss);

// Index (0-based) of the break index taken: the smallest total not above
// 100000, the later on equal totals; -1 when none qualifies.
int ChooseBreakIndex(std::span<const double> totals);

// Fits composite `code`. At every break index each side searches its
// exponent (sums of squares over its own points, a deviation beyond 1
// counting as 1): the lower side by the least-squares line of its family's
// transform on X^Es, the upper side by the line through point K (with the
// lower side's transformed values there) and the centroid of its points,
// intercept kept. The break index with the smallest total sum wins; P is
// the datum at it. Not fitted when no break index has both sides fitted or
// `code` is not a generalized composite.
FitResult FitGeneralizedComposite(const Sample& sample, int code,
                                  SearchMode mode = SearchMode::Fast);

}  // namespace quarlin
