// Generalized Gompertz (34): a ratio line of Ln(1 - Fc) on exp(q*Z^p) - 1
// over a grid of p and q.

#include "engine/fits/gompertz_fit.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"
#include "engine/model/links.h"
#include "engine/search/screen_kernels.h"

namespace quarlin {
namespace {

constexpr int kGridTrials = 33;

double GridValue(int i) {
  return 0.2 + 0.1 * i;
}

// The ratio line has no intercept term in the law: Fcalc = 1 - exp(A*Xt).
long double GompertzCurve(double A, long double Xt) {
  return LinkF(Link::Poisson, -A * Xt);
}

void GompertzTransform(const std::vector<long double>& zPowP, double q, int N,
                       std::vector<long double>& Xt) {
  for (int r = 1; r <= N; ++r) Xt[r] = std::exp(q * zPowP[r]) - 1.0L;
}

struct GompertzTrial {
  int i = 0, j = 0;
};

// Every trial in long double, in index order: the reference.
GompertzTrial ReferenceSearch(const Sample& s, const std::vector<long double>& lnZ,
                              const std::vector<long double>& Ft) {
  const int N = s.N;
  auto zPowP = PointArray(s);
  auto Xt = PointArray(s);
  SmallestSS best;
  GompertzTrial found;
  LineFit line;
  for (int i = 1; i <= kGridTrials; ++i) {
    const double p = GridValue(i);
    for (int r = 1; r <= N; ++r) zPowP[r] = std::exp(p * lnZ[r]);
    for (int j = 1; j <= kGridTrials; ++j) {
      GompertzTransform(zPowP, GridValue(j), N, Xt);
      RatioAll(Xt, Ft, N, line);
      if (!std::isfinite(line.A)) continue;
      const auto calculated = [&](int r) { return GompertzCurve(line.A, Xt[r]); };
      if (OfferTrial(best, s, SearchMode::Reference, calculated)) found = {i, j};
    }
  }
  return found;
}

// The same choice with the trials screened in double; trial t is p index
// t / 33 and q index t % 33. A trial whose exponent q*Z^p passes what a
// double holds (long double goes much further) is left to long double.
GompertzTrial ScreenedGompertz(const Sample& s, const std::vector<long double>& lnZ,
                               const std::vector<long double>& Ft) {
  const int N = s.N;
  std::vector<double> lnZs(N), Fc(N), Xs(N);
  long double sumFt = 0;
  for (int r = 1; r <= N; ++r) {
    lnZs[r - 1] = static_cast<double>(lnZ[r]);
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
    sumFt += Ft[r];
  }
  const double meanFt = static_cast<double>(sumFt / N), firstFt = static_cast<double>(Ft[1]);
  std::vector<double> rows(static_cast<std::size_t>(kGridTrials) * N);
  std::vector<double> largest(kGridTrials, 0.0);
  for (int i = 1; i <= kGridTrials; ++i) {
    double* row = rows.data() + static_cast<std::size_t>(i - 1) * N;
    ScreenExpScaled(lnZs.data(), GridValue(i), N, row);
    for (int r = 0; r < N; ++r) largest[i - 1] = std::fmax(largest[i - 1], std::fabs(row[r]));
  }
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const int i = t / kGridTrials + 1, j = t % kGridTrials + 1;
    const double q = GridValue(j);
    if (!(q * largest[i - 1] < 700.0)) return NotJudged();
    ScreenExpMinusOneScaled(rows.data() + static_cast<std::size_t>(i - 1) * N, q, N, Xs.data());
    const ScreenLine line = ScreenRatioLine(Xs.data(), meanFt, meanFt - firstFt, N);
    if (!line.drawn) return NotJudged();
    return ScreenedSS{
        ScreenSumOfSquares(Link::Poisson, Fc.data(), Xs.data(), -line.A, 0.0, N, margin, limit)};
  };
  auto zPowP = PointArray(s);
  auto Xt = PointArray(s);
  int rowInZ = 0;
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const int i = t / kGridTrials + 1, j = t % kGridTrials + 1;
    if (rowInZ != i) {
      for (int r = 1; r <= N; ++r) zPowP[r] = std::exp(GridValue(i) * lnZ[r]);
      rowInZ = i;
    }
    // An infinite transform at the top makes the plain search's sum NaN
    // (a slope of 0 times infinity), which never wins.
    if (std::isinf(std::exp(GridValue(j) * zPowP[N]) - 1.0L)) return std::nullopt;
    GompertzTransform(zPowP, GridValue(j), N, Xt);
    LineFit line;
    RatioAll(Xt, Ft, N, line);
    if (!std::isfinite(line.A)) return std::nullopt;
    const BoundedSum sum = BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                                               [&](int r) { return GompertzCurve(line.A, Xt[r]); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const ScreenedChoice choice =
      ScreenedSearch(kGridTrials * kGridTrials, margin, SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return {};
  return {choice.trial / kGridTrials + 1, choice.trial % kGridTrials + 1};
}

}  // namespace

FitResult GompertzSearch(const Sample& s, SearchMode mode) {
  const int N = s.N;
  // Data all below 1 would make Z^p shrink towards 0; one is added instead.
  const bool addOne = s.X[N] < 1.0L;
  const auto lnZ = MapValues(s, [&](long double x) { return std::log(addOne ? x + 1.0L : x); });
  const auto Ft = MapFrequencies(s, [](long double F) { return std::log(1.0L - F); });
  auto zPowP = PointArray(s);
  auto Xt = PointArray(s);
  auto Fcalc = PointArray(s);
  LineFit line;

  const GompertzTrial found =
      ExitsEarly(mode) ? ScreenedGompertz(s, lnZ, Ft) : ReferenceSearch(s, lnZ, Ft);
  if (found.i == 0) return NotFitted(kGeneralizedGompertz);
  const int bestI = found.i, bestJ = found.j;

  FittedParams params;
  GompertzParams& g = params.gompertz;
  g.flag = addOne;
  g.E = GridValue(bestI);
  g.B = GridValue(bestJ);
  for (int r = 1; r <= N; ++r) zPowP[r] = std::exp(g.E * lnZ[r]);
  GompertzTransform(zPowP, g.B, N, Xt);
  RatioAll(Xt, Ft, N, line);
  if (!std::isfinite(line.A)) return NotFitted(kGeneralizedGompertz);
  g.A = line.A;
  for (int r = 1; r <= N; ++r) Fcalc[r] = GompertzCurve(line.A, Xt[r]);
  return FinishFit(kGeneralizedGompertz, s, params, std::move(Fcalc));
}

FitResult FitGompertz(const Sample& s) {
  return GompertzSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
