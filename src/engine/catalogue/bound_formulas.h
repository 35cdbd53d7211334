#pragma once
// Families whose support ends at a bound: the Frechet and Fisher-Tippett
// type 3 families with their mirrors (codes 58, 35, 59, 33), the generalized
// extreme value law (67) and Kumaraswamy (36).

#include <optional>

#include "engine/model/fitted_params.h"

namespace quarlin {

// The value of a bounded family and whether Y lay beyond the bound C.
struct BoundedValue {
  long double F = 0;
  bool beyondBound = false;
};

// Codes 33, 35, 58, 59. With Y on the wrong side of C the scaled distance w
// is replaced by 0.0001 at a data point and by 0.001 at any other value.
BoundedValue BoundedF(int code, long double Y, const BoundParams& p, bool atDataPoint);
std::optional<long double> BoundedInverse(int code, long double F, const BoundParams& p);

// Code 67 with shape K, location A and scale B. Outside the support (1 + K(Y - A)/B not positive) F
// is exp(-1); a shape of exactly 0 is the Gumbel limit of the law.
long double GevF(long double Y, const GevParams& p);
std::optional<long double> GevInverse(long double F, const GevParams& p);

// Code 36, 1 - (1 - (Y/M)^A)^B: the fit's upper end U goes to M, its exponent
// to A and the slope of its line to B. Beyond M the law has all its mass
// below Y: F = 1.
long double KumaraswamyF(long double Y, const KumaraswamyParams& p);
std::optional<long double> KumaraswamyInverse(long double F, const KumaraswamyParams& p);

}  // namespace quarlin
