#pragma once
// The 90% confidence belt of a calculated cumulative frequency, as the
// observation table (in per cent) and the return-period table (in fractions)
// both draw it.

#include <cmath>

namespace quarlin {

// The belt is 2 x 1.7 standard deviations wide around the calculated value.
inline constexpr double kBeltFactor = 3.4;
// A return period's belt is skewed: this share of its width lies below the
// calculated period, the rest above.
inline constexpr double kReturnPeriodShareBelow = 0.33;
inline constexpr double kReturnPeriodShareAbove = 0.67;

// The binomial standard deviation of a frequency p (a fraction) among N data.
inline double BinomialSd(double p, int N) {
  return std::sqrt(p * (1 - p) / N);
}

struct BeltLimits {
  double lower = 0, upper = 0;
};

// The belt around Fk with standard deviation sd, on a scale whose whole is
// `whole` (1 for fractions, 100 for per cent): each side is narrowed in
// proportion to the room left towards its end of the scale.
inline BeltLimits BeltAround(double Fk, double sd, double whole) {
  return {Fk - kBeltFactor * sd * Fk / whole, Fk + kBeltFactor * sd * (whole - Fk) / whole};
}

}  // namespace quarlin
