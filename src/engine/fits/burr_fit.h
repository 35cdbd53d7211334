#pragma once
// Burr (31) and Dagum (32): one grid of exponents and scales, searched for
// both in one pass when they are fitted together.
#include "engine/fits/paired_fits.h"
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

// Burr (31): Ln(1 - Fc) on Ln(K^E/(X^E + K^E)) over exponents 0.21..3.50 and
// the trial scales below the largest datum. burr = {B: K^E, A: E, E: slope,
// K: K, D: intercept}. Adds " Burr is busy ....." when N > 500.
FitResult FitBurr(const Sample& sample);

// Dagum (32): as Burr with Ln(Fc) and exponents -0.21..-3.50; same mapping.
FitResult FitDagum(const Sample& sample);

// The step between the trial scales of Burr and Dagum for the largest datum.
double BurrScaleStep(long double xmax);

// The searches behind the fits above, in either mode, and the pair in one
// pass.
FitResult BurrSearch(const Sample& sample, SearchMode mode);
FitResult DagumSearch(const Sample& sample, SearchMode mode);
PairedFits BurrPairSearch(const Sample& sample, SearchMode mode);

}  // namespace quarlin
