// Gamma (Erlang) (61): no line, a grid of the order n and the scale theta.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/more_families.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

namespace quarlin {
namespace {

constexpr int kOrderTrials = 20;
constexpr int kScaleTrials = 500;

double TrialScale(int j) {
  return 0.1 * j;
}

void GammaCurve(const Sample& s, const GammaParams& p, std::vector<long double>& Fcalc) {
  for (int r = 1; r <= s.N; ++r) Fcalc[r] = GammaF(s.X[r], p);
}

}  // namespace

FitResult GammaSearch(const Sample& s, SearchMode mode) {
  auto Fcalc = PointArray(s);
  SmallestSS best(100000.0L);
  int bestN = 0, bestJ = 0;
  for (int n = 1; n <= kOrderTrials; ++n) {
    for (int j = 1; j <= kScaleTrials; ++j) {
      const GammaParams trial{TrialScale(j), static_cast<double>(n)};
      if (OfferTrial(best, s, mode, [&](int r) { return GammaF(s.X[r], trial); })) {
        bestN = n;
        bestJ = j;
      }
    }
  }
  if (!best.found()) return NotFitted(61);

  FittedParams params;
  params.gamma.a = TrialScale(bestJ);
  params.gamma.b = bestN;
  GammaCurve(s, params.gamma, Fcalc);
  return FinishFit(61, s, params, std::move(Fcalc));
}

FitResult FitGamma(const Sample& s) {
  return GammaSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
