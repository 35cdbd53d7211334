#pragma once
// The normal family, codes 20 to 26: a normal law of the transformed value
// x (X, Ln X, sqrt X, X^2 or X^E), fitted from the plain mean and standard
// deviation of x and, for the optimised members, by a grid search for the
// spread (21, 24, 25), the mean and spread (23) or the exponent and spread
// (26) with the smallest sum of squared deviations.

#include <span>
#include <string>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/model/fitted_params.h"
#include "engine/model/sample.h"
#include "engine/search/search_mode.h"

namespace quarlin {

inline constexpr int kFirstNormalCode = kNormal;
inline constexpr int kLastNormalCode = kGeneralizedNormal;

struct NormalFit {
  int code = 0;
  // False when the member could not be fitted (all transformed values equal,
  // or a code outside 20..26); nothing else is then set.
  bool fitted = false;
  NormalParams params;
  long double SAD = 0;
  // Calculated cumulative frequencies at the ranked data, index 1..N.
  std::vector<long double> Fcalc;
};

// Fits member `code` (20..26) to the sample, searching where the member
// searches. Fitting all seven members is the driver's loop; each call is
// independent of the others.
NormalFit FitNormalFamily(int code, const Sample& sample, SearchMode mode = SearchMode::Fast);

// Recomputes Fcalc and SAD of member `code` from stored parameters (M, S and,
// for code 26, E) without any search; `params` are handed back unchanged.
NormalFit EvaluateNormalFamily(int code, const Sample& sample, const NormalParams& params);

// What the member's SAD slot holds after a fit. 0 means not fitted. While all
// distributions are ranked, a generalised member (26) whose exponent fell
// back to 1 only repeats code 20: it is kept out of the choice with 1000.
long double NormalSadSlot(const NormalFit& fit, bool rankingAll);

// Whether the fit gets an entry in the ranked list (only while all
// distributions are ranked, and not for such a fallen-back member 26).
bool NormalHasListEntry(const NormalFit& fit, bool rankingAll);

// Trial k (1..201) of a grid around a plain value: (k + 99)*plain/200, so
// 0.5 to 1.5 times the plain value (for a negative value from 0.5 down to 1.5
// times it).
double NormalGridValue(int k, double plain);

// Index of the first smallest value below `bound`, or -1 when none is below:
// a later equal value never replaces an earlier one.
int FirstMinimum(std::span<const double> values, double bound);

}  // namespace quarlin
