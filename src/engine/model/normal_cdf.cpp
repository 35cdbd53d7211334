#include "engine/model/normal_cdf.h"

#include <cmath>

namespace quarlin {

long double NormalCdfHastings(long double z) {
  // An infinite z (a trial spread of 0) would reach t = 0 from either side
  // and give 1 - 0*0 = 1 even far below the mean; take the limits instead.
  if (std::isinf(z)) return z > 0 ? 1.0L : 0.0L;
  const long double t = 1.0L / (1.0L + 0.23165L * z);
  const long double P =
      t * (0.31938L + t * (-0.35656L + t * (1.78148L + t * (-1.82126L + t * 1.33027L))));
  const long double phi = std::exp(-z * z / 2.0L) / std::sqrt(6.283185307179586L);
  const long double F = 1.0L - phi * P;
  if (P < 0.0L || F < 0.0L || !std::isfinite(F)) return 0.0L;
  return F;
}

}  // namespace quarlin
