#pragma once
// When a fitted composite may replace the best distribution of a run.

#include "engine/model/fit_result.h"

namespace quarlin {

// True when `fit` is fitted, its SAD is strictly below both the current best
// SAD and the best SAD of the non-composite candidates, and its break leaves
// more than five points below it (more than four for code 70) and more than
// five above it (N - 5 > K).
bool CompositeEligible(int code, const FitResult& fit, long double bestSad,
                       long double bestNonCompositeSad, int N);

}  // namespace quarlin
