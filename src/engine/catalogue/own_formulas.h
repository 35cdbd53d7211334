#pragma once
// Families with a formula of their own: Burr (31), Dagum (32), Gompertz (34),
// adjusted Fisk (56), Gamma (61), Student with 1 and 2 degrees of freedom
// (62, 63) and generalized Rayleigh (69). The own-formula-family fits call these
// with their trial parameters, the evaluation with the fitted ones.

#include <optional>

#include "engine/model/fitted_params.h"

namespace quarlin {

// BurrParams carry the letters of the formula 1 - exp(E*ln(B/(Y^A + B)) + D):
// the fit's exponent goes to A, its scale K to K and K^A to B, the slope of
// its line to E and the intercept to D.
long double BurrF(long double Y, const BurrParams& p);
long double DagumF(long double Y, const BurrParams& p);
// K*|exp(-(ln(1 - F) - D)/E) - 1|^(1/A): the absolute value keeps the root
// defined when the intercept D puts the base below 0.
std::optional<long double> BurrInverse(long double F, const BurrParams& p);
std::optional<long double> DagumInverse(long double F, const BurrParams& p);

// 1 - exp(A*(exp(B*Z^E) - 1)): the fit's q goes to B, p to E, the slope to A.
long double GompertzF(long double Y, const GompertzParams& p);
std::optional<long double> GompertzInverse(long double F, const GompertzParams& p);

// The scale B of code 56 as it is used: below 0.001 in absolute value it is
// 0.001, so that Y/B stays finite.
inline double GuardedFiskScale(double B) {
  return B < 0.001 && B > -0.001 ? 0.001 : B;
}
long double FiskF(long double Y, const FiskParams& p);
std::optional<long double> FiskInverse(long double F, const FiskParams& p);

// The number of terms of the Gamma sum: b rounded to the nearest integer,
// halves to the even neighbour.
long double GammaTermCount(double b);
long double GammaF(long double Y, const GammaParams& p);

long double StudentOneF(long double Y, const StudentParams& p);
long double StudentTwoF(long double Y, const StudentParams& p);
std::optional<long double> StudentOneInverse(long double F, const StudentParams& p);
std::optional<long double> StudentTwoInverse(long double F, const StudentParams& p);

long double RayleighF(long double Y, const RayleighParams& p);
std::optional<long double> RayleighInverse(long double F, const RayleighParams& p);

}  // namespace quarlin
