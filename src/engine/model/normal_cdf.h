#pragma once

#include <optional>

namespace quarlin {

// The short constants of the Hastings approximation: F = 1 - phi(z)*P(t),
// t = 1/(1 + r*z), P(t) = a1*t + a2*t^2 + a3*t^3 + a4*t^4 + a5*t^5. Each
// rounds to the double of the same decimal, so both forms below use the
// very constants the program always used.
struct HastingsConstants {
  long double r, a1, a2, a3, a4, a5;
};
inline constexpr HastingsConstants kHastings{0.23165L, 0.31938L,  -0.35656L,
                                             1.78148L, -1.82126L, 1.33027L};

// The Hastings approximation of the standard normal cumulative function with
// its short constants, clamped to 0 where the expression turns negative. It
// is deliberately not reflected for negative z: reports depend on it.
long double NormalCdfHastings(long double z);

// The same approximation as the calculator takes it: in double, term by
// term, and nothing where the sum P turns negative (the calculator puts its
// own value there). Its answers are those of this form, which differs from
// the long double one in the last digits.
std::optional<double> NormalCdfHastingsInDouble(double z);

}  // namespace quarlin
