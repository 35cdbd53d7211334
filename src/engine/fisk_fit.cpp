// Adjusted Fisk (56): no line, a plain grid of the exponent A and the scale
// B as a fraction of the mean datum.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/special_fits.h"
#include "engine/special_search.h"

namespace quarlin {
namespace {

constexpr int kExponentTrials = 100;
constexpr int kScaleTrials = 50;

double TrialExponent(int i) {
  return 0.1 + 0.2 * i;
}

double TrialScale(int j, double meanX) {
  const double B = (0.3 + 0.01 * j) * meanX;
  return B < 0.001 && B > -0.001 ? 0.001 : B;
}

// 1 - 1/(1 + (X/B)^A), with Ln X given.
void FiskCurve(const std::vector<long double>& lnX, double A, double B, int N,
               std::vector<long double>& Fcalc) {
  const long double lnB = std::log(static_cast<long double>(B));
  for (int r = 1; r <= N; ++r) Fcalc[r] = 1.0L - 1.0L / (1.0L + std::exp(A * (lnX[r] - lnB)));
}

}  // namespace

FitResult FitAdjustedFisk(const Sample& s) {
  const int N = s.N;
  LineFit plain;
  if (!RegressAll(s.X, s.Fc, N, plain)) return NotFitted(56);
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  auto Fcalc = PointArray(s);

  SmallestSS best;
  int bestI = 0, bestJ = 0;
  for (int i = 1; i <= kExponentTrials; ++i) {
    for (int j = 1; j <= kScaleTrials; ++j) {
      FiskCurve(lnX, TrialExponent(i), TrialScale(j, plain.meanX), N, Fcalc);
      if (best.Offer(TrialSS(s, Fcalc))) {
        bestI = i;
        bestJ = j;
      }
    }
  }
  if (!best.found()) return NotFitted(56);

  FittedParams params;
  params.fisk.A = TrialExponent(bestI);
  params.fisk.B = TrialScale(bestJ, plain.meanX);
  FiskCurve(lnX, params.fisk.A, params.fisk.B, N, Fcalc);
  return FinishFit(56, s, params, std::move(Fcalc));
}

}  // namespace quarlin
