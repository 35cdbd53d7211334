#pragma once
// The Gamma (Erlang) distribution (61).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// gamma = {a: scale theta, b: order n}.
FitResult FitGamma(const Sample& sample);

FitResult GammaSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
