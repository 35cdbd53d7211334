// Kumaraswamy (36): a ratio line of Ln(1 - Fc) on Ln(1 - (X/U)^E) over a
// grid of upper ends U beyond the largest datum and the exponents of the E
// search.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/exponent_grid.h"
#include "engine/links.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

namespace quarlin {
namespace {

constexpr int kUpperEndTrials = 200;

double UpperEnd(const Sample& s, int j) {
  return static_cast<double>((1.0 + 0.1 * j) * s.X[s.N]);
}

// Xt = Ln(1 - (X/U)^E), with Ln X - Ln U given per point.
void KumaraswamyTransform(const std::vector<long double>& lnRatio, double E, int N,
                          std::vector<long double>& Xt) {
  for (int r = 1; r <= N; ++r) Xt[r] = std::log(1.0L - std::exp(E * lnRatio[r]));
}

// The law 1 - (1 - (X/M)^A)^B has no intercept: the ratio line's slope is
// the outer exponent B and its intercept is not used, as for the other ratio
// lines (codes 6 and 34).
long double KumaraswamyCurve(double A, long double Xt) {
  return LinkF(Link::Poisson, -A * Xt);
}

}  // namespace

FitResult KumaraswamySearch(const Sample& s, SearchMode mode) {
  const int N = s.N;
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  const auto Ft = MapFrequencies(s, [](long double F) { return std::log(1.0L - F); });
  std::vector<double> exponent(kExponentTrials + 1, 0.0);
  for (int k = 1; k <= kExponentTrials; ++k) exponent[k] = ExponentOfTrial(k);
  auto lnRatio = PointArray(s);
  auto Xt = PointArray(s);
  auto Fcalc = PointArray(s);

  SmallestSS best;
  int bestJ = 0, bestK = 0;
  LineFit line;
  for (int j = 1; j <= kUpperEndTrials; ++j) {
    const long double lnU = std::log(static_cast<long double>(UpperEnd(s, j)));
    for (int r = 1; r <= N; ++r) lnRatio[r] = lnX[r] - lnU;
    // The first exponent trial never takes part in the choice.
    for (int k = 2; k <= kExponentTrials; ++k) {
      KumaraswamyTransform(lnRatio, exponent[k], N, Xt);
      RatioAll(Xt, Ft, N, line);
      if (!std::isfinite(line.A)) continue;
      if (OfferTrial(best, s, mode, [&](int r) { return KumaraswamyCurve(line.A, Xt[r]); })) {
        bestJ = j;
        bestK = k;
      }
    }
  }
  if (!best.found()) return NotFitted(36);

  FittedParams params;
  KumaraswamyParams& k = params.kumaraswamy;
  k.M = UpperEnd(s, bestJ);
  k.A = GuardExponent(exponent[bestK]);
  const long double lnU = std::log(static_cast<long double>(k.M));
  for (int r = 1; r <= N; ++r) lnRatio[r] = lnX[r] - lnU;
  KumaraswamyTransform(lnRatio, k.A, N, Xt);
  RatioAll(Xt, Ft, N, line);
  if (!std::isfinite(line.A)) return NotFitted(36);
  k.B = line.A;
  for (int r = 1; r <= N; ++r) Fcalc[r] = KumaraswamyCurve(line.A, Xt[r]);
  return FinishFit(36, s, params, std::move(Fcalc));
}

FitResult FitKumaraswamy(const Sample& s) {
  return KumaraswamySearch(s, SearchMode::Fast);
}

}  // namespace quarlin
