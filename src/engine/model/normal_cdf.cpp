#include "engine/model/normal_cdf.h"

#include <cmath>
#include <numbers>

namespace quarlin {

long double NormalCdfHastings(long double z) {
  // An infinite z (a trial spread of 0) would reach t = 0 from either side
  // and give 1 - 0*0 = 1 even far below the mean; take the limits instead.
  if (std::isinf(z)) return z > 0 ? 1.0L : 0.0L;
  const HastingsConstants& h = kHastings;
  const long double t = 1.0L / (1.0L + h.r * z);
  const long double P = t * (h.a1 + t * (h.a2 + t * (h.a3 + t * (h.a4 + t * h.a5))));
  const long double phi = std::exp(-z * z / 2.0L) / std::sqrt(6.283185307179586L);
  const long double F = 1.0L - phi * P;
  if (P < 0.0L || F < 0.0L || !std::isfinite(F)) return 0.0L;
  return F;
}

std::optional<double> NormalCdfHastingsInDouble(double z) {
  const auto c = [](long double constant) { return static_cast<double>(constant); };
  const HastingsConstants& h = kHastings;
  const double t = 1 / (1 + c(h.r) * z);
  const double p = c(h.a1) * t + c(h.a2) * t * t + c(h.a3) * std::pow(t, 3) +
                   c(h.a4) * std::pow(t, 4) + c(h.a5) * std::pow(t, 5);
  if (p < 0) return std::nullopt;
  return 1 - std::exp(-z * z / 2) / std::sqrt(2 * std::numbers::pi) * p;
}

}  // namespace quarlin
