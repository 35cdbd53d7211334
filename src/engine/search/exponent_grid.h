#pragma once
// The trial exponents of every E search and the guards on the exponent a
// search ends with.

namespace quarlin {

inline constexpr int kExponentTrials = 280;

// E of trial j (1..kExponentTrials): 0.19 with 0.01 added j times in double
// precision, 0.20 to 2.99. Built by addition, not as 0.19 + 0.01*j: the
// guards below see E_76 = 0.9500000000000006 and E_86 = 1.0500000000000007
// and decide on those values.
double ExponentOfTrial(int j);

// An exponent at the ends of the grid (below 0.21, above 2.98) or strictly
// between 0.95 and 1.05 becomes 1; any other stays.
double GuardExponent(double E);

}  // namespace quarlin
