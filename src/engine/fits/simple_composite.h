#pragma once
// The simple composites (codes 7-18): two lines in the data value itself,
// joined at a break point searched in equal steps over the data range.

#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// Trial break points: X[1] plus 1..49 steps of (X[N] - X[1])/50.
inline constexpr int kSimpleBreakSteps = 50;

// Fits composite `code` (7-18). Each trial break P puts the points up to P
// on the lower side (K of them); a trial needs at least three points on
// each side and variation on the lower one. The lower line is the
// least-squares line of the lower family's transform; the upper line runs
// through point K and the centroid of the upper points and keeps only its
// slope (Bg = 0). The trial with the smallest sum of squares wins (the
// earlier on equal sums). Not fitted when no trial qualifies or `code` is
// not a simple composite.
FitResult FitSimpleComposite(const Sample& sample, int code, SearchMode mode = SearchMode::Fast);

}  // namespace quarlin
