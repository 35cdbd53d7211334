#pragma once
// Fits that try the same grid and share the work of each trial, so one
// pass fits both, each exactly as it is fitted alone: 59 and 33 (the same
// bounds above the data), 58 and 35 (below), Burr 31 and Dagum 32 (whose
// transforms of a trial differ by Ln of its (X/K)^E).
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

struct PairedFits {
  FitResult first, second;
};

// The second fit of `code`'s pair (59 -> 33, 58 -> 35, 31 -> 32); 0 for
// others.
int PairedCode(int code);

// `code` (59, 58 or 31) and its partner.
PairedFits FitPaired(const Sample& sample, int code, SearchMode mode = SearchMode::Fast);

}  // namespace quarlin
