#pragma once

namespace quarlin {

// The Hastings approximation of the standard normal cumulative function with
// its short constants, clamped to 0 where the expression turns negative. It
// is deliberately not reflected for negative z: reports depend on it.
long double NormalCdfHastings(long double z);

}  // namespace quarlin
