// Generalized extreme value (67): the location from the data, then a grid of
// shape and scale, then a correction of the shape when the support bound of
// the best trial does not clear the data.

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/bounded_families.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

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
  if (!RegressAll(s.X, s.Fc, s.N, plain)) return NotFitted(67);
  const double A = Location(s);
  auto Fcalc = PointArray(s);
  std::vector<std::string> extra;

  SmallestSS best;
  int bestJ = 0, bestM = 0;
  for (int j = 1; j <= kShapeTrials; ++j) {
    if (j == 100) extra.push_back(" This takes time ..");
    if (j == 160 && s.N > 500) extra.push_back(" Please wait ......");
    const double K = TrialShape(j);
    if (K == 0.0) continue;
    for (int m = 1; m <= kScaleTrials; ++m) {
      const GevParams trial{K, A, TrialScale(m, plain.SDx), false};
      if (OfferTrial(best, s, mode, [&](int r) { return GevF(s.X[r], trial); })) {
        bestJ = j;
        bestM = m;
      }
    }
  }
  if (!best.found()) return WithProgress(NotFitted(67), std::move(extra));

  FittedParams params;
  GevParams& gev = params.gev;
  gev.A = A;
  gev.B = TrialScale(bestM, plain.SDx);
  gev.K = TrialShape(bestJ);
  CorrectGevBound(s, gev);
  GevCurve(s, gev, Fcalc);
  return WithProgress(FinishFit(67, s, params, std::move(Fcalc)), std::move(extra));
}

FitResult FitGev(const Sample& s) {
  return GevSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
