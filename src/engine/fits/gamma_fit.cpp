// Gamma (Erlang) (61): no line, a grid of the order n and the scale theta.

#include "engine/fits/gamma_fit.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/catalogue/own_formulas.h"
#include "engine/fits/own_formula_search.h"
#include "engine/search/screen_kernels.h"

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

constexpr long double kGammaSearchStart = 100000.0L;

struct GammaTrial {
  int n = 0, j = 0;
};

// Every trial in long double, in index order: the reference.
GammaTrial ReferenceSearch(const Sample& s) {
  SmallestSS best(kGammaSearchStart);
  GammaTrial found;
  for (int n = 1; n <= kOrderTrials; ++n) {
    for (int j = 1; j <= kScaleTrials; ++j) {
      const GammaParams trial{TrialScale(j), static_cast<double>(n)};
      if (OfferTrial(best, s, SearchMode::Reference, [&](int r) { return GammaF(s.X[r], trial); }))
        found = {n, j};
    }
  }
  return found;
}

// The same choice with the trials screened in double; trial t is order
// t / 500 + 1 and scale t % 500 + 1.
GammaTrial ScreenedGammaSearch(const Sample& s) {
  const int N = s.N;
  std::vector<double> X(N), Fc(N);
  for (int r = 1; r <= N; ++r) {
    X[r - 1] = static_cast<double>(s.X[r]);
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
  }
  const auto trialOf = [](int t) {
    return GammaParams{TrialScale(t % kScaleTrials + 1), static_cast<double>(t / kScaleTrials + 1)};
  };
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const GammaParams trial = trialOf(t);
    const int terms = static_cast<int>(GammaTermCount(trial.b));
    return ScreenedSS{
        ScreenGammaSumOfSquares(Fc.data(), X.data(), trial.a, terms, N, margin, limit)};
  };
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const GammaParams trial = trialOf(t);
    const BoundedSum sum = BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                                               [&](int r) { return GammaF(s.X[r], trial); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const ScreenedChoice choice =
      ScreenedSearch(kOrderTrials * kScaleTrials, margin, kGammaSearchStart, screen, exact);
  if (choice.trial < 0) return {};
  return {choice.trial / kScaleTrials + 1, choice.trial % kScaleTrials + 1};
}

}  // namespace

FitResult GammaSearch(const Sample& s, SearchMode mode) {
  auto Fcalc = PointArray(s);
  const GammaTrial found = ExitsEarly(mode) ? ScreenedGammaSearch(s) : ReferenceSearch(s);
  if (found.n == 0) return NotFitted(kGamma);
  const int bestN = found.n, bestJ = found.j;

  FittedParams params;
  params.gamma.a = TrialScale(bestJ);
  params.gamma.b = bestN;
  GammaCurve(s, params.gamma, Fcalc);
  return FinishFit(kGamma, s, params, std::move(Fcalc));
}

FitResult FitGamma(const Sample& s) {
  return GammaSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
