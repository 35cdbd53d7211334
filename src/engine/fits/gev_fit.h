#pragma once
// The generalized extreme value distribution (67).
#include "engine/model/fit_result.h"
#include "engine/model/fitted_params.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// gev = {K: shape, A: location, B: scale, boundCorrected}. Adds " This takes
// time .." at the 100th shape trial and " Please wait ......" at the 160th
// when N > 500.
FitResult FitGev(const Sample& sample);

// The bound correction of the GEV fit: when the support bound U = A - B/K
// does not clear the most extreme datum by 0.1% (the largest for K < 0, the
// smallest for K > 0), K is recomputed so that the bound lies 0.1% beyond
// that datum, and boundCorrected is set; otherwise it is cleared. Every
// datum is then inside the support instead of being given exp(-1).
void CorrectGevBound(const Sample& sample, GevParams& gev);

FitResult GevSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
