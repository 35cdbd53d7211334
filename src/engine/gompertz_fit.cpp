// Generalized Gompertz (34): a ratio line of Ln(1 - Fc) on exp(q*Z^p) - 1
// over a grid of p and q.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/links.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

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

  SmallestSS best;
  int bestI = 0, bestJ = 0;
  LineFit line;
  for (int i = 1; i <= kGridTrials; ++i) {
    const double p = GridValue(i);
    for (int r = 1; r <= N; ++r) zPowP[r] = std::exp(p * lnZ[r]);
    for (int j = 1; j <= kGridTrials; ++j) {
      GompertzTransform(zPowP, GridValue(j), N, Xt);
      RatioAll(Xt, Ft, N, line);
      if (!std::isfinite(line.A)) continue;
      if (OfferTrial(best, s, mode, [&](int r) { return GompertzCurve(line.A, Xt[r]); })) {
        bestI = i;
        bestJ = j;
      }
    }
  }
  if (!best.found()) return NotFitted(34);

  FittedParams params;
  GompertzParams& g = params.gompertz;
  g.flag = addOne;
  g.E = GridValue(bestI);
  g.B = GridValue(bestJ);
  for (int r = 1; r <= N; ++r) zPowP[r] = std::exp(g.E * lnZ[r]);
  GompertzTransform(zPowP, g.B, N, Xt);
  RatioAll(Xt, Ft, N, line);
  if (!std::isfinite(line.A)) return NotFitted(34);
  g.A = line.A;
  for (int r = 1; r <= N; ++r) Fcalc[r] = GompertzCurve(line.A, Xt[r]);
  return FinishFit(34, s, params, std::move(Fcalc));
}

FitResult FitGompertz(const Sample& s) {
  return GompertzSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
