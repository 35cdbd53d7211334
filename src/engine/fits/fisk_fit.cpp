// Adjusted Fisk (56): no line, a plain grid of the exponent A and the scale
// B as a fraction of the mean datum.

#include "engine/fits/fisk_fit.h"

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

constexpr int kFiskExponentTrials = 100;
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

// Every trial in long double, in index order: the reference.
bool ReferenceSearch(const Sample& s, double meanX, int& bestI, int& bestJ) {
  SmallestSS best;
  for (int i = 1; i <= kFiskExponentTrials; ++i) {
    for (int j = 1; j <= kScaleTrials; ++j) {
      const FiskParams trial{TrialExponent(i), TrialScale(j, meanX)};
      if (OfferTrial(best, s, SearchMode::Reference, [&](int r) { return FiskF(s.X[r], trial); })) {
        bestI = i;
        bestJ = j;
      }
    }
  }
  return best.found();
}

// The same choice with the trials screened in double: F = 1 - 1/(1 +
// (X/B)^A) is the logistic curve 1/(1 + exp(-A (Ln X - Ln B))).
bool ScreenedFiskSearch(const Sample& s, double meanX, int& bestI, int& bestJ) {
  const int N = s.N;
  std::vector<double> lnX(N), Fc(N);
  for (int r = 1; r <= N; ++r) {
    lnX[r - 1] = static_cast<double>(std::log(s.X[r]));
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
  }
  const auto trialOf = [&](int t) {
    return FiskParams{TrialExponent(t / kScaleTrials + 1), TrialScale(t % kScaleTrials + 1, meanX)};
  };
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const FiskParams trial = trialOf(t);
    return ScreenedSS{ScreenGuardedSumOfSquares(Link::Logistic, Fc.data(), lnX.data(), -trial.A,
                                                trial.A * std::log(trial.B), N, margin, limit)};
  };
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const FiskParams trial = trialOf(t);
    const BoundedSum sum = BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                                               [&](int r) { return FiskF(s.X[r], trial); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const ScreenedChoice choice = ScreenedSearch(kFiskExponentTrials * kScaleTrials, margin,
                                               SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return false;
  bestI = choice.trial / kScaleTrials + 1;
  bestJ = choice.trial % kScaleTrials + 1;
  return true;
}

}  // namespace

FitResult AdjustedFiskSearch(const Sample& s, SearchMode mode) {
  const int N = s.N;
  LineFit plain;
  if (!RegressAll(s.X, s.Fc, N, plain)) return NotFitted(kAdjustedFisk);
  auto Fcalc = PointArray(s);

  int bestI = 0, bestJ = 0;
  const bool found = ExitsEarly(mode) ? ScreenedFiskSearch(s, plain.meanX, bestI, bestJ)
                                      : ReferenceSearch(s, plain.meanX, bestI, bestJ);
  if (!found) return NotFitted(kAdjustedFisk);

  FittedParams params;
  params.fisk.A = TrialExponent(bestI);
  params.fisk.B = TrialScale(bestJ, plain.meanX);
  FiskCurve(s, params.fisk, Fcalc);
  return FinishFit(kAdjustedFisk, s, params, std::move(Fcalc));
}

FitResult FitAdjustedFisk(const Sample& s) {
  return AdjustedFiskSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
