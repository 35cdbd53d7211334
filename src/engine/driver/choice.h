#pragma once
// The choice of the best distribution among the fitted candidates.

#include <map>

#include "engine/model/fit_result.h"

namespace quarlin {

struct Choice {
  int code = 0;
  long double SAD = 0;
};

// Every candidate that was fitted, by code; a normal member absent or with a
// SAD below 0.001 counts as 1000. The best starts at code 20 and a later
// candidate replaces it only with a strictly smaller SAD. Gamma (61) is never
// a candidate.
Choice ChooseBestNonComposite(const std::map<int, FitResult>& candidates);

}  // namespace quarlin
