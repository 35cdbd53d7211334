#pragma once
// Powers of real values the way every family takes them: x^E as exp(E*ln x),
// so a non-positive base gives the platform's result instead of a case of
// its own. Roots in the inverses refuse a non-positive base instead, because
// the callers replace such a value by a fallback of their own.

#include <cmath>
#include <optional>

namespace quarlin {

inline long double RealPower(long double x, long double E) {
  return std::exp(E * std::log(x));
}

// x^(1/E) for x > 0; nothing for a non-positive or non-finite base or result.
inline std::optional<long double> RealRoot(long double x, long double E) {
  if (!(x > 0.0L) || !std::isfinite(x)) return std::nullopt;
  const long double root = std::exp(std::log(x) / E);
  if (!std::isfinite(root)) return std::nullopt;
  return root;
}

// A value an inverse may hand back: finite, or nothing.
inline std::optional<long double> FiniteOrNothing(long double y) {
  if (!std::isfinite(y)) return std::nullopt;
  return y;
}

}  // namespace quarlin
