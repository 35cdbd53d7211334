#pragma once
// The sum of squared deviations of one trial of a search, given up as soon
// as the trial can no longer win.
//
// The terms are never negative and are added in index order in long double,
// so the partial sums never decrease, and neither do their values rounded to
// double. Once a partial sum rounded to double is above `bound` (the best SS
// of the search so far, as the search compares it), the full sum would be
// too: the trial is neither the smallest nor tied with it, and the rest of
// its points need not be computed. A trial that is not given up gets exactly
// the sum that SumOfSquares gives.

#include <cmath>
#include <span>
#include <utility>

#include "engine/search/search_mode.h"

namespace quarlin {

struct BoundedSum {
  long double SS = 0;
  bool exceeded = false;  // given up: SS is a partial sum above the bound
};

// The sum continued over points first..N from `start`, the partial sum of
// the points before `first` (0 for first = 1): a search whose leading terms
// are shared by many trials sums them once. `calculated(i)` is the
// calculated frequency of point i, evaluated only for the points that are
// summed. With `capAtOne` a deviation larger than 1 in absolute value counts
// as 1. `exitEarly` false gives the plain sum, the reference that the early
// exit is checked against.
template <class Calculated>
BoundedSum BoundedSumOfSquaresFrom(std::span<const long double> Fc, int first, int N,
                                   long double start, bool capAtOne, double bound,
                                   Calculated&& calculated, bool exitEarly = true) {
  BoundedSum sum;
  sum.SS = start;
  for (int i = first; i <= N; ++i) {
    long double d = Fc[i] - calculated(i);
    if (capAtOne && std::fabs(d) > 1) d = 1;
    sum.SS += d * d;
    if (exitEarly && static_cast<double>(sum.SS) > bound) {
      sum.exceeded = true;
      return sum;
    }
  }
  return sum;
}

// The sum over all points 1..N.
template <class Calculated>
BoundedSum BoundedSumOfSquares(std::span<const long double> Fc, int N, bool capAtOne, double bound,
                               Calculated&& calculated, bool exitEarly = true) {
  return BoundedSumOfSquaresFrom(Fc, 1, N, 0.0L, capAtOne, bound,
                                 std::forward<Calculated>(calculated), exitEarly);
}

}  // namespace quarlin
