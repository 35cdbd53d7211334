#pragma once
// The adjusted Fisk distribution (56).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// fisk = {A, B} as found on the grid.
FitResult FitAdjustedFisk(const Sample& sample);

FitResult AdjustedFiskSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
