#pragma once
// The Kumaraswamy distribution (36).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// kumaraswamy = {M: upper end U, A: exponent E (after the exponent guards),
// B: slope of the ratio line}. The driver derives the spread 1.28/B and
// treats an exponent of 1 as any E search's.
FitResult FitKumaraswamy(const Sample& sample);

FitResult KumaraswamySearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
