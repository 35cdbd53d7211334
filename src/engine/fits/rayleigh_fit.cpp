// Generalized Rayleigh (69): no line, a grid of the exponent E and the
// divisor S built from the mean of X^E.

#include "engine/fits/rayleigh_fit.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"
#include "engine/model/links.h"
#include "engine/search/screen_kernels.h"

namespace quarlin {
namespace {

constexpr int kRayleighExponentTrials = 290;
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

struct RayleighTrial {
  bool found = false;
  double E = 0, S = 0;
};

// Every trial in long double, in index order: the reference.
RayleighTrial ReferenceSearch(const Sample& s, const std::vector<long double>& lnX,
                              const std::vector<long double>& Ft) {
  const int N = s.N;
  auto xPowE = PointArray(s);
  SmallestSS best;
  RayleighTrial bestTrial;
  LineFit line;
  for (int i = 1; i <= kRayleighExponentTrials; ++i) {
    const double E = TrialExponent(i);
    for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
    if (!RegressAll(xPowE, Ft, N, line)) continue;
    for (int j = 1; j <= kDivisorTrials; ++j) {
      const double S = TrialDivisor(j, line.meanX, E);
      if (OfferTrial(best, s, SearchMode::Reference,
                     [&](int r) { return RayleighPoint(xPowE[r], S); })) {
        bestTrial = {true, E, S};
      }
    }
  }
  return bestTrial;
}

// An exponent row whose line could be drawn, and the mean of its X^E that
// the divisors are built from.
struct RayleighRow {
  int i = 0;
  double meanOfPowers = 0;
};

// The same choice with the trials screened in double. Which rows take part
// is decided in long double as the reference decides it, once per row;
// 1 - exp(-X^E/S) is the Poisson shape of X^E with slope 1/S.
RayleighTrial ScreenedSearchOf(const Sample& s, const std::vector<long double>& lnX,
                               const std::vector<long double>& Ft) {
  const int N = s.N;
  auto xPowE = PointArray(s);
  std::vector<RayleighRow> rows;
  std::vector<double> powers;  // X^E of every row that takes part, in double
  powers.reserve(static_cast<std::size_t>(kRayleighExponentTrials) * N);
  LineFit line;
  for (int i = 1; i <= kRayleighExponentTrials; ++i) {
    const double E = TrialExponent(i);
    for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
    if (!RegressAll(xPowE, Ft, N, line)) continue;
    rows.push_back({i, line.meanX});
    for (int r = 1; r <= N; ++r) powers.push_back(static_cast<double>(xPowE[r]));
  }
  std::vector<double> Fc(N);
  for (int r = 1; r <= N; ++r) Fc[r - 1] = static_cast<double>(s.Fc[r]);
  const auto divisor = [&](int t) {
    const RayleighRow& row = rows[t / kDivisorTrials];
    return TrialDivisor(t % kDivisorTrials + 1, row.meanOfPowers, TrialExponent(row.i));
  };
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const double S = divisor(t);
    const double slope = 1.0 / S;
    // A slope that overflowed or lost digits as a subnormal says nothing.
    if (!(S > 0) || !std::isfinite(S) || !std::isfinite(slope) ||
        !(slope >= std::numeric_limits<double>::min())) {
      return NotJudged();
    }
    const double* row = powers.data() + static_cast<std::size_t>(t / kDivisorTrials) * N;
    return ScreenedSS{
        ScreenSumOfSquares(Link::Poisson, Fc.data(), row, slope, 0.0, N, margin, limit)};
  };
  int rowOfPowers = 0;
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const int i = rows[t / kDivisorTrials].i;
    if (rowOfPowers != i) {
      const double E = TrialExponent(i);
      for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
      rowOfPowers = i;
    }
    const double S = divisor(t);
    const BoundedSum sum = BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                                               [&](int r) { return RayleighPoint(xPowE[r], S); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const int trials = static_cast<int>(rows.size()) * kDivisorTrials;
  const ScreenedChoice choice = ScreenedSearch(trials, margin, SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return {};
  return {true, TrialExponent(rows[choice.trial / kDivisorTrials].i), divisor(choice.trial)};
}

}  // namespace

FitResult GeneralizedRayleighSearch(const Sample& s, SearchMode mode) {
  const int N = s.N;
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  const auto Ft = MapFrequencies(s, [](long double F) { return std::log(1.0L - F); });
  auto xPowE = PointArray(s);
  auto Fcalc = PointArray(s);

  const RayleighTrial best =
      ExitsEarly(mode) ? ScreenedSearchOf(s, lnX, Ft) : ReferenceSearch(s, lnX, Ft);
  if (!best.found) return NotFitted(kGeneralizedRayleigh);
  const double bestE = best.E, bestS = best.S;

  FittedParams params;
  params.rayleigh.E = bestE;
  params.rayleigh.S = bestS;
  for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(bestE * lnX[r]);
  RayleighCurve(xPowE, bestS, N, Fcalc);
  return FinishFit(kGeneralizedRayleigh, s, params, std::move(Fcalc));
}

FitResult FitGeneralizedRayleigh(const Sample& s) {
  return GeneralizedRayleighSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
