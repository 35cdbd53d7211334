#pragma once
// The Laplace distribution (68) and its generalization (73).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// Laplace (68): laplace = {L, D1, D2, E1 = E2 = 1}.
FitResult FitLaplace(const Sample& sample);

// Generalized Laplace (73): laplace = {L, D1, D2, E1, E2}; L is the location
// in the lower side's transformed scale (X^E1), as the law compares Y^E1
// with L.
FitResult FitGeneralizedLaplace(const Sample& sample);

FitResult LaplaceSearch(const Sample& sample, SearchMode mode);
FitResult GeneralizedLaplaceSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
