#pragma once
// Fixed samples for the benchmarks: the same values on every machine.

#include <cmath>
#include <random>
#include <vector>

#include "engine/model/sample.h"

namespace quarlin {

// Gumbel values with location 100 and scale 20, from a fixed seed. The
// uniform variate is made from the raw generator output so that the sample
// does not depend on the standard library's distributions.
inline Sample GumbelSample(int N) {
  std::mt19937 generator(20240611u);
  std::vector<long double> values;
  values.reserve(N);
  for (int i = 0; i < N; ++i) {
    const long double u = (generator() + 0.5L) / 4294967296.0L;
    values.push_back(100.0L - 20.0L * std::log(-std::log(u)));
  }
  return RankValues(values);
}

}  // namespace quarlin
