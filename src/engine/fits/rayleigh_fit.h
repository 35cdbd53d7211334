#pragma once
// The generalized Rayleigh distribution (69).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// rayleigh = {E, S}.
FitResult FitGeneralizedRayleigh(const Sample& sample);

FitResult GeneralizedRayleighSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
