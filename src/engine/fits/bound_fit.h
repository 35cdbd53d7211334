#pragma once
// The bound families: Frechet (58), mirrored Frechet (35), Fisher-Tippett
// type 3 (59) and its mirror (33), each a line through the data after a
// search for the bound.
#include "engine/fits/paired_fits.h"
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// bound = {A: slope, B: intercept, C: the lower (58, 35) or upper (59, 33)
// bound}. Any other code gives an unfitted result.
FitResult FitBoundFamily(const Sample& sample, int code);

// The search behind the fit, in either mode, and 59 with 33 or 58 with 35
// in one pass.
FitResult BoundFamilySearch(const Sample& sample, int code, SearchMode mode);
PairedFits BoundPairSearch(const Sample& sample, int code, SearchMode mode);

}  // namespace quarlin
