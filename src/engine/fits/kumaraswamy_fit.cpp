// Kumaraswamy (36): a ratio line of Ln(1 - Fc) on Ln(1 - (X/U)^E) over a
// grid of upper ends U beyond the largest datum and the exponents of the E
// search.

#include "engine/fits/kumaraswamy_fit.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"
#include "engine/model/links.h"
#include "engine/search/exponent_grid.h"
#include "engine/search/screen_kernels.h"

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

struct KumaraswamyTrial {
  int j = 0, k = 0;  // j = 0: no trial could be completed
};

// Every trial in long double, in index order: the reference.
KumaraswamyTrial ReferenceSearch(const Sample& s, const std::vector<double>& exponent,
                                 const std::vector<long double>& lnX,
                                 const std::vector<long double>& Ft) {
  const int N = s.N;
  auto lnRatio = PointArray(s);
  auto Xt = PointArray(s);
  SmallestSS best;
  KumaraswamyTrial bestTrial;
  LineFit line;
  for (int j = 1; j <= kUpperEndTrials; ++j) {
    const long double lnU = std::log(static_cast<long double>(UpperEnd(s, j)));
    for (int r = 1; r <= N; ++r) lnRatio[r] = lnX[r] - lnU;
    // The first exponent trial never takes part in the choice.
    for (int k = 2; k <= kExponentTrials; ++k) {
      KumaraswamyTransform(lnRatio, exponent[k], N, Xt);
      RatioAll(Xt, Ft, N, line);
      if (!std::isfinite(line.A)) continue;
      const auto calculated = [&](int r) { return KumaraswamyCurve(line.A, Xt[r]); };
      if (OfferTrial(best, s, SearchMode::Reference, calculated)) bestTrial = {j, k};
    }
  }
  return bestTrial;
}

// The same choice with the trials screened in double. The long double
// transform rounds 1 - (X/U)^E to an absolute 5e-20, which the slope
// magnifies; beyond kLargestScreenedSlope that could move a calculated
// frequency by more than the margin allows, and such trials are computed in
// full.
constexpr double kLargestScreenedSlope = 1e8;

KumaraswamyTrial ScreenedSearchOf(const Sample& s, const std::vector<double>& exponent,
                                  const std::vector<long double>& lnX,
                                  const std::vector<long double>& Ft) {
  const int N = s.N;
  constexpr int kExponents = kExponentTrials - 1;  // k = 2..kExponentTrials
  // Ln X - Ln U of every upper end, in double, for the screen.
  std::vector<double> ratios(static_cast<std::size_t>(kUpperEndTrials) * N);
  for (int j = 1; j <= kUpperEndTrials; ++j) {
    const long double lnU = std::log(static_cast<long double>(UpperEnd(s, j)));
    for (int r = 1; r <= N; ++r)
      ratios[static_cast<std::size_t>(j - 1) * N + r - 1] = static_cast<double>(lnX[r] - lnU);
  }
  long double sumFt = 0;
  for (int r = 1; r <= N; ++r) sumFt += Ft[r];
  const long double meanFt = sumFt / N;
  std::vector<double> Fc(N), Xs(N);
  for (int r = 1; r <= N; ++r) Fc[r - 1] = static_cast<double>(s.Fc[r]);
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const int j = t / kExponents + 1, k = t % kExponents + 2;
    ScreenLog1mExpScaled(ratios.data() + static_cast<std::size_t>(j - 1) * N, exponent[k], N,
                         Xs.data());
    const ScreenLine line = ScreenRatioLine(Xs.data(), static_cast<double>(meanFt),
                                            static_cast<double>(meanFt - Ft[1]), N);
    if (!line.drawn || !(std::fabs(line.A) < kLargestScreenedSlope)) return NotJudged();
    // 1 - exp(A*Xt) is the Poisson shape of -A*Xt.
    return ScreenedSS{
        ScreenSumOfSquares(Link::Poisson, Fc.data(), Xs.data(), -line.A, 0.0, N, margin, limit)};
  };
  auto lnRatio = PointArray(s);
  auto Xt = PointArray(s);
  int rowOfRatios = 0;
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const int j = t / kExponents + 1, k = t % kExponents + 2;
    if (rowOfRatios != j) {
      const long double lnU = std::log(static_cast<long double>(UpperEnd(s, j)));
      for (int r = 1; r <= N; ++r) lnRatio[r] = lnX[r] - lnU;
      rowOfRatios = j;
    }
    KumaraswamyTransform(lnRatio, exponent[k], N, Xt);
    LineFit line;
    RatioAll(Xt, Ft, N, line);
    if (!std::isfinite(line.A)) return std::nullopt;
    const BoundedSum sum =
        BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                            [&](int r) { return KumaraswamyCurve(line.A, Xt[r]); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const ScreenedChoice choice =
      ScreenedSearch(kUpperEndTrials * kExponents, margin, SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return {};
  return {choice.trial / kExponents + 1, choice.trial % kExponents + 2};
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

  const KumaraswamyTrial found = ExitsEarly(mode) ? ScreenedSearchOf(s, exponent, lnX, Ft)
                                                  : ReferenceSearch(s, exponent, lnX, Ft);
  if (found.j == 0) return NotFitted(kKumaraswamy);
  const int bestJ = found.j, bestK = found.k;
  LineFit line;

  FittedParams params;
  KumaraswamyParams& k = params.kumaraswamy;
  k.M = UpperEnd(s, bestJ);
  k.A = GuardExponent(exponent[bestK]);
  const long double lnU = std::log(static_cast<long double>(k.M));
  for (int r = 1; r <= N; ++r) lnRatio[r] = lnX[r] - lnU;
  KumaraswamyTransform(lnRatio, k.A, N, Xt);
  RatioAll(Xt, Ft, N, line);
  if (!std::isfinite(line.A)) return NotFitted(kKumaraswamy);
  k.B = line.A;
  for (int r = 1; r <= N; ++r) Fcalc[r] = KumaraswamyCurve(line.A, Xt[r]);
  return FinishFit(kKumaraswamy, s, params, std::move(Fcalc));
}

FitResult FitKumaraswamy(const Sample& s) {
  return KumaraswamySearch(s, SearchMode::Fast);
}

}  // namespace quarlin
