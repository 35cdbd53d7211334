// Gamma (Erlang) (61): no line, a grid of the order n and the scale theta.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/special_fits.h"
#include "engine/special_search.h"

namespace quarlin {
namespace {

constexpr int kOrderTrials = 20;
constexpr int kScaleTrials = 500;

double TrialScale(int j) {
  return 0.1 * j;
}

// 1 - sum over k = 0..n-1 of (X/theta)^k exp(-X/theta)/k!, each term built
// from the one before it so that neither the power nor k! overflows.
void GammaCurve(const Sample& s, int n, double theta, std::vector<long double>& Fcalc) {
  for (int r = 1; r <= s.N; ++r) {
    const long double t = s.X[r] / theta;
    long double term = std::exp(-t);
    long double sum = term;
    for (int k = 1; k < n; ++k) {
      term = term * t / k;
      sum += term;
    }
    Fcalc[r] = 1.0L - sum;
  }
}

}  // namespace

FitResult FitGamma(const Sample& s) {
  auto Fcalc = PointArray(s);
  SmallestSS best(100000.0L);
  int bestN = 0, bestJ = 0;
  for (int n = 1; n <= kOrderTrials; ++n) {
    for (int j = 1; j <= kScaleTrials; ++j) {
      GammaCurve(s, n, TrialScale(j), Fcalc);
      if (best.Offer(TrialSS(s, Fcalc))) {
        bestN = n;
        bestJ = j;
      }
    }
  }
  if (!best.found()) return NotFitted(61);

  FittedParams params;
  params.gamma.a = TrialScale(bestJ);
  params.gamma.b = bestN;
  GammaCurve(s, bestN, params.gamma.a, Fcalc);
  return FinishFit(61, s, params, std::move(Fcalc));
}

}  // namespace quarlin
