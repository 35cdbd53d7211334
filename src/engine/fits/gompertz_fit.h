#pragma once
// The generalized Gompertz distribution (34).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// gompertz = {flag: 1 was added to every datum (all data below 1), B: q,
// E: p, A: slope of the ratio line}.
FitResult FitGompertz(const Sample& sample);

FitResult GompertzSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
