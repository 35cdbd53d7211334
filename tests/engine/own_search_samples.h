#pragma once
// Samples for the special-family fit tests: data placed exactly at the
// quantiles of a known law, so that the grid point of the law's parameters
// fits the observed frequencies with no error at all.

#include <cmath>
#include <functional>
#include <vector>

#include "engine/sample.h"

namespace quarlin::testing {

// Datum i at the quantile of frequency i/(N+1), the plotting position that
// the ranking gives it.
inline Sample QuantileSample(int N, const std::function<long double(long double)>& quantile) {
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) values.push_back(quantile(static_cast<long double>(i) / (N + 1)));
  return RankValues(values);
}

// The x with cdf(x) = F for an increasing cdf, by bisection on [low, high].
inline long double SolveIncreasing(const std::function<long double(long double)>& cdf,
                                   long double F, long double low, long double high) {
  for (int step = 0; step < 200; ++step) {
    const long double mid = 0.5L * (low + high);
    (cdf(mid) < F ? low : high) = mid;
  }
  return 0.5L * (low + high);
}

}  // namespace quarlin::testing
