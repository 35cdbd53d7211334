#pragma once
// The families that are not fitted by a plain linearisation with an exponent
// search but by grid searches of their own. Each fit is a pure function of
// the ranked sample: it fills its family's member of FittedParams, the
// calculated frequencies Fcalc[1..N] (raw, before the evaluation's clamps)
// and SAD, and hands back the progress lines that fall inside the fit. The
// driver owns the closing progress line, the list entry and the order.
//
// A fit reports `fitted = false` when no trial of its search could be
// completed (every trial line undefined or overflowing); such a candidate is
// neither listed nor chosen. A trial whose line cannot be drawn is skipped
// and never stops the run.

#include "engine/model/fit_result.h"
#include "engine/model/sample.h"
#include "engine/search/bounded_sum.h"

namespace quarlin {

// Burr (31): Ln(1 - Fc) on Ln(K^E/(X^E + K^E)) over exponents 0.21..3.50 and
// the trial scales below the largest datum. burr = {B: K^E, A: E, E: slope,
// K: K, D: intercept}. Adds " Burr is busy ....." when N > 500.
FitResult FitBurr(const Sample& sample);

// Dagum (32): as Burr with Ln(Fc) and exponents -0.21..-3.50; same mapping.
FitResult FitDagum(const Sample& sample);

// The step between the trial scales of Burr and Dagum for the largest datum.
double BurrScaleStep(long double xmax);

// Generalized Gompertz (34): gompertz = {flag: 1 was added to every datum
// (all data below 1), B: q, E: p, A: slope of the ratio line}.
FitResult FitGompertz(const Sample& sample);

// Kumaraswamy (36): kumaraswamy = {M: upper end U, A: exponent E (after the
// exponent guards), B: slope of the ratio line}. The driver derives the
// spread 1.28/B and treats an exponent of 1 as any E search's.
FitResult FitKumaraswamy(const Sample& sample);

// Adjusted Fisk (56): fisk = {A, B} as found on the grid.
FitResult FitAdjustedFisk(const Sample& sample);

// Frechet (58), mirrored Frechet (35), Fisher-Tippett type 3 (59) and its
// mirror (33): bound = {A: slope, B: intercept, C: the lower (58, 35) or
// upper (59, 33) bound}. Any other code gives an unfitted result.
FitResult FitBoundFamily(const Sample& sample, int code);

// Fits that try the same grid and share the work of each trial, so one
// pass fits both, each exactly as it is fitted alone: 59 and 33 (the same
// bounds above the data), 58 and 35 (below), Burr 31 and Dagum 32 (whose
// transforms of a trial differ by Ln of its (X/K)^E).
struct PairedFits {
  FitResult first, second;
};
// The second fit of `code`'s pair (59 -> 33, 58 -> 35, 31 -> 32); 0 for
// others.
int PairedCode(int code);
// `code` (59, 58 or 31) and its partner.
PairedFits FitPaired(const Sample& sample, int code, SearchMode mode = SearchMode::Fast);

// Gamma (61): gamma = {a: scale theta, b: order n}.
FitResult FitGamma(const Sample& sample);

// Student with 1 (62) and 2 (63) degrees of freedom, both with student =
// {mean, sd} of the data. Each enters the choice with its own SAD; only
// Better() is listed (and reported when the pair is preferred).
struct StudentFits {
  FitResult oneDf;  // code 62
  FitResult twoDf;  // code 63
  // 63 only when its SAD is strictly smaller: equal sums keep 62.
  const FitResult& Better() const;
};
StudentFits FitStudent(const Sample& sample);

// GEV (67): gev = {K: shape, A: location, B: scale, boundCorrected}. Adds
// " This takes time .." at the 100th shape trial and " Please wait ......"
// at the 160th when N > 500.
FitResult FitGev(const Sample& sample);

// The bound correction of the GEV fit: when the support bound U = A - B/K
// does not clear the most extreme datum by 0.1% (the largest for K < 0, the
// smallest for K > 0), K is recomputed so that the bound lies 0.1% beyond
// that datum, and boundCorrected is set; otherwise it is cleared. Every
// datum is then inside the support instead of being given exp(-1).
void CorrectGevBound(const Sample& sample, GevParams& gev);

// Laplace (68): laplace = {L, D1, D2, E1 = E2 = 1}.
FitResult FitLaplace(const Sample& sample);

// Generalized Laplace (73): laplace = {L, D1, D2, E1, E2}; L is the location
// in the lower side's transformed scale (X^E1), as the law compares Y^E1
// with L.
FitResult FitGeneralizedLaplace(const Sample& sample);

// Generalized Rayleigh (69): rayleigh = {E, S}.
FitResult FitGeneralizedRayleigh(const Sample& sample);

// The fit of any code above except the Student pair (31, 32, 33, 34, 35, 36,
// 56, 58, 59, 61, 67, 68, 69, 73), the functions above being its Fast mode.
// Reference sums every trial of the searches in full; it gives the same
// result and is kept for the tests and the benchmarks. Any other code gives
// an unfitted result.
FitResult FitSpecialFamily(const Sample& sample, int code, SearchMode mode = SearchMode::Fast);

}  // namespace quarlin
