// Adjusted Fisk (56): no line, a plain grid of the exponent A and the scale
// B as a fraction of the mean datum.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/more_families.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

namespace quarlin {
namespace {

constexpr int kExponentTrials = 100;
constexpr int kScaleTrials = 50;

double TrialExponent(int i) {
  return 0.1 + 0.2 * i;
}

double TrialScale(int j, double meanX) {
  return GuardedFiskScale((0.3 + 0.01 * j) * meanX);
}

void FiskCurve(const Sample& s, const FiskParams& p, std::vector<long double>& Fcalc) {
  for (int r = 1; r <= s.N; ++r) Fcalc[r] = FiskF(s.X[r], p);
}

}  // namespace

FitResult AdjustedFiskSearch(const Sample& s, SearchMode mode) {
  const int N = s.N;
  LineFit plain;
  if (!RegressAll(s.X, s.Fc, N, plain)) return NotFitted(56);
  auto Fcalc = PointArray(s);

  SmallestSS best;
  int bestI = 0, bestJ = 0;
  for (int i = 1; i <= kExponentTrials; ++i) {
    for (int j = 1; j <= kScaleTrials; ++j) {
      const FiskParams trial{TrialExponent(i), TrialScale(j, plain.meanX)};
      if (OfferTrial(best, s, mode, [&](int r) { return FiskF(s.X[r], trial); })) {
        bestI = i;
        bestJ = j;
      }
    }
  }
  if (!best.found()) return NotFitted(56);

  FittedParams params;
  params.fisk.A = TrialExponent(bestI);
  params.fisk.B = TrialScale(bestJ, plain.meanX);
  FiskCurve(s, params.fisk, Fcalc);
  return FinishFit(56, s, params, std::move(Fcalc));
}

FitResult FitAdjustedFisk(const Sample& s) {
  return AdjustedFiskSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
