#pragma once
// What one fit of one candidate distribution hands back to the driver.

#include <string>
#include <vector>

#include "engine/model/fitted_params.h"

namespace quarlin {

// The SAD that keeps a fitted candidate out of the choice: a member whose
// exponent fell back to 1 only repeats a simpler one, and a normal member
// that was not fitted takes part with it.
inline constexpr long double kKeptOutOfChoiceSad = 1000;

struct FitResult {
  int code = 0;
  // False when the candidate could not be fitted (no trial qualified, no
  // variation in its transformed values): it gets no list entry and takes
  // no part in the choice.
  bool fitted = false;
  // Only the member struct of the candidate's family is filled.
  FittedParams params;
  // Sum of absolute deviations between observed and calculated frequency.
  long double SAD = 0;
  // Calculated frequencies at the ranked data, 1..N (element 0 unused).
  std::vector<long double> Fcalc;
  // Progress lines that belong inside the fit (" Burr is busy ....."), in
  // order; the driver shows them before the candidate's own closing line.
  std::vector<std::string> extraProgress;
};

}  // namespace quarlin
