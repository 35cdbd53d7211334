// Burr (31) and Dagum (32): a grid of exponents E and scales K, each trial a
// least-squares line of the transformed frequency on Ln(K^E/(X^E + K^E)).

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/links.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"
#include "engine/screen_kernels.h"

namespace quarlin {
namespace {

constexpr int kBurrExponentTrials = 330;
constexpr int kBurrScaleTrials = 2000;

// Ft = z solved for F: Burr 1 - exp(z) of Ft = Ln(1 - Fc), Dagum exp(z) of
// Ft = Ln(Fc).
long double BurrCurve(bool dagum, long double z) {
  return LinkF(dagum ? Link::MirroredPoisson : Link::Poisson, -z);
}

double TrialExponent(bool dagum, int i) {
  return dagum ? -0.2 - 0.01 * i : 0.2 + 0.01 * i;
}

// Xt = Ln(K^E/(X^E + K^E)) for every point, X^E given.
void ScaleTransform(const std::vector<long double>& xPowE, long double kPowE, int N,
                    std::vector<long double>& Xt) {
  for (int r = 1; r <= N; ++r) Xt[r] = std::log(kPowE / (xPowE[r] + kPowE));
}

struct BurrGrid {
  std::vector<double> scale;         // trial scales m*step, m = 1..kBurrScaleTrials
  std::vector<long double> lnScale;  // their logarithms
  int M = 0;                         // scales below the largest datum take part
};

// Trial scales m*step by repeated addition.
BurrGrid MakeGrid(const Sample& s) {
  BurrGrid grid;
  const double step = BurrScaleStep(s.X[s.N]);
  grid.scale.assign(kBurrScaleTrials + 1, 0.0);
  grid.lnScale.assign(kBurrScaleTrials + 1, 0.0L);
  double K = 0;
  for (int m = 1; m <= kBurrScaleTrials; ++m) {
    K += step;
    grid.scale[m] = K;
    grid.lnScale[m] = std::log(static_cast<long double>(K));
    if (K < s.X[s.N]) grid.M = m;
  }
  return grid;
}

struct BurrTrial {
  int i = 0, m = 0;
};

// Every trial in long double, in index order: the reference.
BurrTrial ReferenceSearch(const Sample& s, bool dagum, const BurrGrid& grid,
                          const std::vector<long double>& Ft, const std::vector<long double>& lnX) {
  const int N = s.N;
  auto xPowE = PointArray(s);
  auto Xt = PointArray(s);
  SmallestSS best;
  BurrTrial bestTrial;
  LineFit line;
  for (int i = 1; i <= kBurrExponentTrials; ++i) {
    const double E = TrialExponent(dagum, i);
    for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
    for (int m = 1; m <= grid.M; ++m) {
      ScaleTransform(xPowE, std::exp(E * grid.lnScale[m]), N, Xt);
      if (!RegressAll(Xt, Ft, N, line) || !IsFiniteLine(line)) continue;
      const auto calculated = [&](int r) { return BurrCurve(dagum, line.A * Xt[r] + line.B); };
      if (OfferTrial(best, s, SearchMode::Reference, calculated)) bestTrial = {i, m};
    }
  }
  return bestTrial;
}

// The same choice with the trials screened in double. The screen regresses
// on Ln(1 + (X/K)^E) = -Xt, whose line has the opposite slope and the same
// intercept, so the curve is the same.
BurrTrial ScreenedSearchOf(const Sample& s, bool dagum, const BurrGrid& grid,
                           const std::vector<long double>& Ft,
                           const std::vector<long double>& lnX) {
  const int N = s.N, M = grid.M;
  if (M == 0) return {};
  long double sumFt = 0;
  for (int r = 1; r <= N; ++r) sumFt += Ft[r];
  const long double meanFt = sumFt / N;
  std::vector<double> lnXs(N), Fc(N), FtDev(N), Ys(N);
  for (int r = 1; r <= N; ++r) {
    lnXs[r - 1] = static_cast<double>(lnX[r]);
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
    FtDev[r - 1] = static_cast<double>(Ft[r] - meanFt);
  }
  // X^E and X^-E of every exponent row, in double, for the screen; the
  // points stay in rank order, where neighbours take the same branch of
  // the transform.
  const auto row = [&](int i) { return static_cast<std::size_t>(i - 1) * N; };
  std::vector<double> powers(row(kBurrExponentTrials + 1)), inverses(row(kBurrExponentTrials + 1));
  for (int i = 1; i <= kBurrExponentTrials; ++i) {
    ScreenExpScaled(lnXs.data(), TrialExponent(dagum, i), N, powers.data() + row(i));
    ScreenExpScaled(lnXs.data(), -TrialExponent(dagum, i), N, inverses.data() + row(i));
  }
  const Link curve = dagum ? Link::MirroredPoisson : Link::Poisson;
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const int i = t / M + 1, m = t % M + 1;
    const double E = TrialExponent(dagum, i);
    const double lnKPowE = static_cast<double>(E * grid.lnScale[m]);
    ScreenBurrTransform(powers.data() + row(i), inverses.data() + row(i), lnXs.data(), E,
                        std::exp(lnKPowE), lnKPowE, N, Ys.data());
    const ScreenLine line = ScreenRegress(Ys.data(), FtDev.data(), static_cast<double>(meanFt), N);
    if (!line.drawn) return NotJudged();
    return ScreenedSS{
        ScreenSumOfSquares(curve, Fc.data(), Ys.data(), -line.A, -line.B, N, margin, limit)};
  };
  auto xPowE = PointArray(s);
  auto Xt = PointArray(s);
  int rowOfPowers = 0;
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const int i = t / M + 1, m = t % M + 1;
    const double E = TrialExponent(dagum, i);
    if (rowOfPowers != i) {
      for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
      rowOfPowers = i;
    }
    ScaleTransform(xPowE, std::exp(E * grid.lnScale[m]), N, Xt);
    LineFit line;
    if (!RegressAll(Xt, Ft, N, line) || !IsFiniteLine(line)) return std::nullopt;
    const BoundedSum sum =
        BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                            [&](int r) { return BurrCurve(dagum, line.A * Xt[r] + line.B); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  };
  const ScreenedChoice choice =
      ScreenedSearch(kBurrExponentTrials * M, margin, SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return {};
  return {choice.trial / M + 1, choice.trial % M + 1};
}

// The search and final fit; the progress line goes to `extra` whether or
// not a trial qualifies.
FitResult SearchBurrType(const Sample& s, bool dagum, SearchMode mode,
                         std::vector<std::string>& extra) {
  const int N = s.N;
  const int code = dagum ? 32 : 31;
  const BurrGrid grid = MakeGrid(s);
  const auto Ft = MapFrequencies(s, [&](long double F) { return std::log(dagum ? F : 1.0L - F); });
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  auto xPowE = PointArray(s);
  auto Xt = PointArray(s);
  auto Fcalc = PointArray(s);

  // Shown half-way through the exponents.
  if (!dagum && N > 500) extra.push_back(" Burr is busy .....");
  const BurrTrial found = ExitsEarly(mode) ? ScreenedSearchOf(s, dagum, grid, Ft, lnX)
                                           : ReferenceSearch(s, dagum, grid, Ft, lnX);
  if (found.i == 0) return NotFitted(code);
  const int bestI = found.i, bestM = found.m;
  const auto& scale = grid.scale;
  const auto& lnScale = grid.lnScale;
  LineFit line;

  FittedParams params;
  BurrParams& burr = params.burr;
  burr.A = TrialExponent(dagum, bestI);
  burr.K = scale[bestM];
  burr.B = static_cast<double>(std::exp(burr.A * lnScale[bestM]));
  for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(burr.A * lnX[r]);
  ScaleTransform(xPowE, burr.B, N, Xt);
  if (!RegressAll(Xt, Ft, N, line) || !IsFiniteLine(line)) return NotFitted(code);
  burr.E = line.A;
  burr.D = line.B;
  for (int r = 1; r <= N; ++r) Fcalc[r] = BurrCurve(dagum, line.A * Xt[r] + line.B);
  return FinishFit(code, s, params, std::move(Fcalc));
}

FitResult FitBurrType(const Sample& s, bool dagum, SearchMode mode) {
  std::vector<std::string> extra;
  FitResult result = SearchBurrType(s, dagum, mode, extra);
  return WithProgress(std::move(result), std::move(extra));
}

}  // namespace

double BurrScaleStep(long double xmax) {
  if (xmax <= 0.5L) return 0.001;
  if (xmax < 1.0L) return 0.002;
  if (xmax <= 5.0L) return 0.01;
  if (xmax <= 10.0L) return 0.02;
  if (xmax <= 50.0L) return 0.1;
  if (xmax <= 100.0L) return 0.2;
  if (xmax <= 500.0L) return 1;
  if (xmax <= 1000.0L) return 2;
  if (xmax <= 5000.0L) return 10;
  return 20;
}

FitResult BurrSearch(const Sample& sample, SearchMode mode) {
  return FitBurrType(sample, false, mode);
}

FitResult DagumSearch(const Sample& sample, SearchMode mode) {
  return FitBurrType(sample, true, mode);
}

FitResult FitBurr(const Sample& sample) {
  return BurrSearch(sample, SearchMode::Fast);
}

FitResult FitDagum(const Sample& sample) {
  return DagumSearch(sample, SearchMode::Fast);
}

}  // namespace quarlin
