#pragma once
// The Laplace law (68) and its generalization with an exponent on each side
// of the centre L (73).

#include <optional>

#include "engine/model/fitted_params.h"

namespace quarlin {

// Code 68 in Y itself; E1 and E2 are not used. Y = L belongs to the upper side.
long double LaplaceF(long double Y, const LaplaceParams& p);
std::optional<long double> LaplaceInverse(long double F, const LaplaceParams& p);

// Code 73's side rule, for every direction that needs it: Y lies on the
// lower side while Y^E1 is at most L, also when the upper side then works
// with Y^E2.
bool OnGeneralizedLaplaceLowerSide(long double Y, const LaplaceParams& p);

// Code 73, its side chosen by the rule above.
long double GeneralizedLaplaceF(long double Y, const LaplaceParams& p);
std::optional<long double> GeneralizedLaplaceInverse(long double F, const LaplaceParams& p);

}  // namespace quarlin
