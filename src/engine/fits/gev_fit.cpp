// Generalized extreme value (67): the location from the data, then a grid of
// shape and scale, then a correction of the shape when the support bound of
// the best trial does not clear the data.

#include "engine/fits/gev_fit.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/catalogue/bound_formulas.h"
#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"
#include "engine/search/screen_kernels.h"

namespace quarlin {
namespace {

constexpr int kShapeTrials = 200;
constexpr int kScaleTrials = 140;

double TrialShape(int j) {
  return 0.01 * j - 1.0;
}

double TrialScale(int m, double SDx) {
  return (0.3 + 0.01 * m) * SDx;
}

// The datum at which the observed frequency reaches 0.37 (near exp(-1), the
// law's value at its location), interpolated between its neighbours.
double Location(const Sample& s) {
  int i = 1;
  while (i < s.N && s.Fc[i] < 0.37L) ++i;
  if (i == 1) return static_cast<double>(s.X[1]);
  const long double fraction = (0.37L - s.Fc[i - 1]) / (s.Fc[i] - s.Fc[i - 1]);
  return static_cast<double>(s.X[i - 1] + fraction * (s.X[i] - s.X[i - 1]));
}

void GevCurve(const Sample& s, const GevParams& p, std::vector<long double>& Fcalc) {
  for (int r = 1; r <= s.N; ++r) Fcalc[r] = GevF(s.X[r], p);
}

// The lines the search shows as it reaches shape trial j.
void ShapeProgress(int j, int N, std::vector<std::string>& extra) {
  if (j == 100) extra.push_back(" This takes time ..");
  if (j == 160 && N > 500) extra.push_back(" Please wait ......");
}

struct GevTrial {
  int j = 0, m = 0;  // j = 0: no trial could be completed
};

// Every trial in long double, in index order: the reference.
GevTrial ReferenceSearch(const Sample& s, double A, double SDx, std::vector<std::string>& extra) {
  SmallestSS best;
  GevTrial bestTrial;
  for (int j = 1; j <= kShapeTrials; ++j) {
    ShapeProgress(j, s.N, extra);
    const double K = TrialShape(j);
    if (K == 0.0) continue;
    for (int m = 1; m <= kScaleTrials; ++m) {
      const GevParams trial{K, A, TrialScale(m, SDx), false};
      if (OfferTrial(best, s, SearchMode::Reference, [&](int r) { return GevF(s.X[r], trial); })) {
        bestTrial = {j, m};
      }
    }
  }
  return bestTrial;
}

// The same choice with the trials screened in double, over the distances
// of the data from the location. Long double rounds 1 + c by up to 3e-20,
// which the exponent 1/K magnifies; below kSmallestScreenedShape that, or the
// same rounding in double, could move a calculated frequency by more than
// the margin allows, and such trials are computed in full. The grid's
// shapes stay 0.01 or more away from 0.
constexpr double kSmallestScreenedShape = 1e-4;

GevTrial ScreenedSearchOf(const Sample& s, double A, double SDx, std::vector<std::string>& extra) {
  const int N = s.N;
  for (int j = 1; j <= kShapeTrials; ++j) ShapeProgress(j, N, extra);
  std::vector<int> shapes;  // the shape trials that take part
  for (int j = 1; j <= kShapeTrials; ++j) {
    if (TrialShape(j) != 0.0) shapes.push_back(j);
  }
  std::vector<double> Fc(N), Y(N);
  for (int r = 1; r <= N; ++r) {
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
    Y[r - 1] = static_cast<double>(s.X[r] - A);
  }
  const auto trialOf = [&](int t) {
    return GevParams{TrialShape(shapes[t / kScaleTrials]), A, TrialScale(t % kScaleTrials + 1, SDx),
                     false};
  };
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const GevParams trial = trialOf(t);
    const bool usable = std::fabs(trial.K) >= kSmallestScreenedShape && trial.B > 0 &&
                        std::isfinite(trial.B) && std::isfinite(trial.K / trial.B);
    if (!usable) return NotJudged();
    return ScreenedSS{
        ScreenGevSumOfSquares(Fc.data(), Y.data(), trial.K, trial.B, N, margin, limit)};
  };
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const GevParams trial = trialOf(t);
    const BoundedSum sum = BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                                               [&](int r) { return GevF(s.X[r], trial); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const int trials = static_cast<int>(shapes.size()) * kScaleTrials;
  const ScreenedChoice choice = ScreenedSearch(trials, margin, SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return {};
  return {shapes[choice.trial / kScaleTrials], choice.trial % kScaleTrials + 1};
}

}  // namespace

void CorrectGevBound(const Sample& s, GevParams& gev) {
  gev.boundCorrected = false;
  if (gev.K == 0.0) return;
  const double U = gev.A - gev.B / gev.K;
  const long double first = s.X[1], last = s.X[s.N];
  long double bound;
  if (gev.K < 0 && last >= 0.999 * U) {
    bound = last + 0.001L * std::fabs(last);
  } else if (gev.K > 0 && first <= 1.001 * U) {
    bound = first - 0.001L * std::fabs(first);
  } else {
    return;
  }
  gev.K = static_cast<double>(-gev.B / (bound - gev.A));
  gev.boundCorrected = true;
}

FitResult GevSearch(const Sample& s, SearchMode mode) {
  LineFit plain;
  if (!RegressAll(s.X, s.Fc, s.N, plain)) return NotFitted(kGev);
  const double A = Location(s);
  auto Fcalc = PointArray(s);
  std::vector<std::string> extra;

  const GevTrial found = ExitsEarly(mode) ? ScreenedSearchOf(s, A, plain.SDx, extra)
                                          : ReferenceSearch(s, A, plain.SDx, extra);
  if (found.j == 0) return WithProgress(NotFitted(kGev), std::move(extra));
  const int bestJ = found.j, bestM = found.m;

  FittedParams params;
  GevParams& gev = params.gev;
  gev.A = A;
  gev.B = TrialScale(bestM, plain.SDx);
  gev.K = TrialShape(bestJ);
  CorrectGevBound(s, gev);
  GevCurve(s, gev, Fcalc);
  return WithProgress(FinishFit(kGev, s, params, std::move(Fcalc)), std::move(extra));
}

FitResult FitGev(const Sample& s) {
  return GevSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
