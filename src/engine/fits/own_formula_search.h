#pragma once
// Bookkeeping shared by the grid searches of the own-formula families: the
// smallest sum so far, the bounded trial sums and the result of a search.

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/model/fit_result.h"
#include "engine/model/kernels.h"
#include "engine/model/sample.h"
#include "engine/search/bounded_sum.h"
#include "engine/search/search_start.h"

namespace quarlin {

// The smallest sum of squares of a search. A trial wins only when its sum is
// strictly smaller, so the first of equal trials stays; a NaN sum (a trial
// whose curve overflowed) never wins.
class SmallestSS {
 public:
  explicit SmallestSS(long double start = kSearchStart) : best_(start) {}

  bool Offer(long double ss) {
    if (!(ss < best_)) return false;
    best_ = ss;
    found_ = true;
    return true;
  }
  bool found() const { return found_; }
  long double best() const { return best_; }
  // The best sum as a bound for BoundedSumOfSquares. Rounding to double
  // never reverses an order, so a partial sum whose double is above this
  // bound is itself above the best and the trial cannot win.
  double Bound() const { return static_cast<double>(best_); }

 private:
  long double best_;
  bool found_ = false;
};

// A trial line that came out infinite or NaN is dropped like one that could
// not be drawn at all.
inline bool IsFiniteLine(const LineFit& line) {
  return std::isfinite(line.A) && std::isfinite(line.B);
}

// An array indexed 1..N like the sample's, element 0 unused.
inline std::vector<long double> PointArray(const Sample& sample) {
  return std::vector<long double>(sample.N + 1, 0.0L);
}

// f applied to every datum X[1..N].
template <typename Fn>
std::vector<long double> MapValues(const Sample& sample, Fn f) {
  std::vector<long double> out = PointArray(sample);
  for (int i = 1; i <= sample.N; ++i) out[i] = f(sample.X[i]);
  return out;
}

// f applied to every observed frequency Fc[1..N].
template <typename Fn>
std::vector<long double> MapFrequencies(const Sample& sample, Fn f) {
  std::vector<long double> out = PointArray(sample);
  for (int i = 1; i <= sample.N; ++i) out[i] = f(sample.Fc[i]);
  return out;
}

// A transformed frequency as the screens take it: its mean (summed in long
// double), and its deviations from that mean in double, rank order[i] at
// place i.
struct ScreenFrequencies {
  double mean = 0;
  std::vector<double> dev;
};

inline ScreenFrequencies ScreenFrequenciesOf(const std::vector<long double>& Ft,
                                             const std::vector<int>& order) {
  const int N = static_cast<int>(order.size());
  long double sum = 0;
  for (int r = 1; r <= N; ++r) sum += Ft[r];
  const long double mean = sum / N;
  ScreenFrequencies out{static_cast<double>(mean), std::vector<double>(N)};
  for (int i = 0; i < N; ++i) out.dev[i] = static_cast<double>(Ft[order[i]] - mean);
  return out;
}

// Deviations above 1 count as 1 in every own-formula search.
inline long double TrialSS(const Sample& sample, const std::vector<long double>& Fcalc) {
  return SumOfSquares(sample.Fc, Fcalc, sample.N, true);
}

// Offers a trial whose calculated frequency of point i is `calculated(i)`,
// summed as TrialSS sums it; in Fast mode the sum stops as soon as the trial
// can no longer beat the best. True when the trial became the best.
template <class Calculated>
bool OfferTrial(SmallestSS& best, const Sample& sample, SearchMode mode, Calculated&& calculated) {
  const BoundedSum sum =
      BoundedSumOfSquares(sample.Fc, sample.N, true, best.Bound(), calculated, ExitsEarly(mode));
  return !sum.exceeded && best.Offer(sum.SS);
}

// The same for a trial whose points 1..first-1 were summed already to
// `start` (shared by several trials and summed once, in the same order).
template <class Calculated>
bool OfferTrialFrom(SmallestSS& best, const Sample& sample, SearchMode mode, int first,
                    long double start, Calculated&& calculated) {
  const BoundedSum sum = BoundedSumOfSquaresFrom(sample.Fc, first, sample.N, start, true,
                                                 best.Bound(), calculated, ExitsEarly(mode));
  return !sum.exceeded && best.Offer(sum.SS);
}

// Whether a trial whose leading sum is `start` has lost already (never in
// Reference mode).
inline bool AlreadyLost(const SmallestSS& best, SearchMode mode, long double start) {
  return ExitsEarly(mode) && static_cast<double>(start) > best.Bound();
}

// The candidate's result with SAD taken from its calculated values.
FitResult FinishFit(int code, const Sample& sample, const FittedParams& params,
                    std::vector<long double> Fcalc);

// A candidate none of whose trials could be completed.
FitResult NotFitted(int code);

// The result with the progress lines its search produced, which are shown
// whether or not the candidate could be fitted.
inline FitResult WithProgress(FitResult result, std::vector<std::string> lines) {
  result.extraProgress = std::move(lines);
  return result;
}

}  // namespace quarlin
