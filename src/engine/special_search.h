#pragma once
// Bookkeeping shared by the searches of the special families.

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/fit_result.h"
#include "engine/kernels.h"
#include "engine/sample.h"

namespace quarlin {

// The smallest sum of squares of a search. A trial wins only when its sum is
// strictly smaller, so the first of equal trials stays; a NaN sum (a trial
// whose curve overflowed) never wins.
class SmallestSS {
 public:
  explicit SmallestSS(long double start = 1000000.0L) : best_(start) {}

  bool Offer(long double ss) {
    if (!(ss < best_)) return false;
    best_ = ss;
    found_ = true;
    return true;
  }
  bool found() const { return found_; }
  long double best() const { return best_; }

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

// Deviations above 1 count as 1 in every special search.
inline long double TrialSS(const Sample& sample, const std::vector<long double>& Fcalc) {
  return SumOfSquares(sample.Fc, Fcalc, sample.N, true);
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
