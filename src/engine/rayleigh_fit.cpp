// Generalized Rayleigh (69): no line, a grid of the exponent E and the
// divisor S built from the mean of X^E.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/links.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

namespace quarlin {
namespace {

constexpr int kExponentTrials = 290;
constexpr int kDivisorTrials = 200;

double TrialExponent(int i) {
  return 0.1 + 0.01 * i;
}

// (0.01*j*mean)^E. The mean is already one of X^E and is raised to E once
// more; for E above 1 this pushes the trial divisors apart, but the grid is
// kept as it has always been.
double TrialDivisor(int j, double meanOfPowers, double E) {
  return static_cast<double>(
      std::exp(E * std::log(static_cast<long double>(0.01 * j * meanOfPowers))));
}

// 1 - exp(-X^E/S), with X^E given.
long double RayleighPoint(long double xPowE, double S) {
  return LinkF(Link::Poisson, xPowE / S);
}

void RayleighCurve(const std::vector<long double>& xPowE, double S, int N,
                   std::vector<long double>& Fcalc) {
  for (int r = 1; r <= N; ++r) Fcalc[r] = RayleighPoint(xPowE[r], S);
}

}  // namespace

FitResult GeneralizedRayleighSearch(const Sample& s, SearchMode mode) {
  const int N = s.N;
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  const auto Ft = MapFrequencies(s, [](long double F) { return std::log(1.0L - F); });
  auto xPowE = PointArray(s);
  auto Fcalc = PointArray(s);

  SmallestSS best;
  double bestE = 0, bestS = 0;
  LineFit line;
  for (int i = 1; i <= kExponentTrials; ++i) {
    const double E = TrialExponent(i);
    for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
    if (!RegressAll(xPowE, Ft, N, line)) continue;
    for (int j = 1; j <= kDivisorTrials; ++j) {
      const double S = TrialDivisor(j, line.meanX, E);
      if (OfferTrial(best, s, mode, [&](int r) { return RayleighPoint(xPowE[r], S); })) {
        bestE = E;
        bestS = S;
      }
    }
  }
  if (!best.found()) return NotFitted(69);

  FittedParams params;
  params.rayleigh.E = bestE;
  params.rayleigh.S = bestS;
  for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(bestE * lnX[r]);
  RayleighCurve(xPowE, bestS, N, Fcalc);
  return FinishFit(69, s, params, std::move(Fcalc));
}

FitResult FitGeneralizedRayleigh(const Sample& s) {
  return GeneralizedRayleighSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
