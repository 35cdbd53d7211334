#include "engine/search/exponent_grid.h"

namespace quarlin {

double ExponentOfTrial(int j) {
  double E = 0.19;
  for (int step = 1; step <= j; ++step) E += 0.01;
  return E;
}

double GuardExponent(double E) {
  if (E < 0.21 || E > 2.98) return 1;
  if (E > 0.95 && E < 1.05) return 1;
  return E;
}

}  // namespace quarlin
