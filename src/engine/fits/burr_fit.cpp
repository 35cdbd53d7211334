// Burr (31) and Dagum (32): a grid of exponents E and scales K, each trial a
// least-squares line of the transformed frequency on Ln(K^E/(X^E + K^E)).

#include "engine/fits/burr_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"
#include "engine/model/links.h"
#include "engine/search/screen_kernels.h"

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

// The same choices with the trials screened in double, for Burr, Dagum or
// both (`dagum` per family). The screen regresses on Ln(1 + (X/K)^E) =
// -Xt, whose line has the opposite slope and the same intercept, so the
// curve is the same. Dagum's exponents are Burr's negated, so its
// transform of a trial is Ln(1 + 1/u) with Burr's u, taken together with
// Burr's; the first family's search screens the other's trials on it and
// keeps their sums for the other's search.
std::vector<BurrTrial> ScreenedBurrSearches(const Sample& s, const std::vector<bool>& dagum,
                                            const BurrGrid& grid,
                                            const std::vector<std::vector<long double>>& Fts,
                                            const std::vector<long double>& lnX) {
  const int N = s.N, M = grid.M;
  const int count = static_cast<int>(dagum.size());
  if (M == 0) return std::vector<BurrTrial>(count);
  std::vector<int> order(N);
  for (int r = 1; r <= N; ++r) order[r - 1] = r;  // rank order: see the transform below
  std::vector<double> lnXs(N), Fc(N), burrY(N), dagumY(N);
  for (int r = 1; r <= N; ++r) {
    lnXs[r - 1] = static_cast<double>(lnX[r]);
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
  }
  std::vector<ScreenFrequencies> Ft;
  for (int f = 0; f < count; ++f) Ft.push_back(ScreenFrequenciesOf(Fts[f], order));
  // X^E and X^-E of every exponent row (Burr's E), in double; the points
  // stay in rank order, where neighbours take the same branch of the
  // transform.
  const auto row = [&](int i) { return static_cast<std::size_t>(i - 1) * N; };
  std::vector<double> powers(row(kBurrExponentTrials + 1)), inverses(row(kBurrExponentTrials + 1));
  for (int i = 1; i <= kBurrExponentTrials; ++i) {
    ScreenExpScaled(lnXs.data(), TrialExponent(false, i), N, powers.data() + row(i));
    ScreenExpScaled(lnXs.data(), -TrialExponent(false, i), N, inverses.data() + row(i));
  }
  const bool anyDagum = std::find(dagum.begin(), dagum.end(), true) != dagum.end();
  const ScreenMargin margin{N};
  const auto screenFamily = [&](int f, double limit) {
    const double* Y = dagum[f] ? dagumY.data() : burrY.data();
    const ScreenLine line = ScreenRegress(Y, Ft[f].dev.data(), Ft[f].mean, N);
    if (!line.drawn) return NotJudged();
    const Link curve = dagum[f] ? Link::MirroredPoisson : Link::Poisson;
    return ScreenedSS{ScreenSumOfSquares(curve, Fc.data(), Y, -line.A, -line.B, N, margin, limit)};
  };
  FollowerScreens followers(count - 1, kBurrExponentTrials * M, margin);
  const auto screenShared = [&](int t, double limit) {
    const int i = t / M + 1, m = t % M + 1;
    const double E = TrialExponent(false, i);
    const double lnKPowE = static_cast<double>(E * grid.lnScale[m]);
    ScreenBurrTransform(powers.data() + row(i), inverses.data() + row(i), lnXs.data(), E,
                        std::exp(lnKPowE), lnKPowE, N, burrY.data(),
                        anyDagum ? dagumY.data() : nullptr);
    for (int f = 1; f < count; ++f)
      followers.Take(f - 1, t, [&](double own) { return screenFamily(f, own); });
    return screenFamily(0, limit);
  };

  std::vector<BurrTrial> chosen;
  auto xPowE = PointArray(s);
  auto Xt = PointArray(s);
  for (int f = 0; f < count; ++f) {
    int rowOfPowers = 0;
    const auto exact = [&](int t, long double bound) -> std::optional<long double> {
      const int i = t / M + 1, m = t % M + 1;
      const double E = TrialExponent(dagum[f], i);
      if (rowOfPowers != i) {
        for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
        rowOfPowers = i;
      }
      ScaleTransform(xPowE, std::exp(E * grid.lnScale[m]), N, Xt);
      LineFit line;
      if (!RegressAll(Xt, Fts[f], N, line) || !IsFiniteLine(line)) return std::nullopt;
      const BoundedSum sum =
          BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                              [&](int r) { return BurrCurve(dagum[f], line.A * Xt[r] + line.B); });
      if (sum.exceeded) return std::nullopt;
      return sum.SS;
    };
    const auto keptScreen = [&](int t, double) { return followers.Kept(f - 1, t); };
    const int trials = kBurrExponentTrials * M;
    const ScreenedChoice choice =
        f == 0 ? ScreenedSearch(trials, margin, SmallestSS().best(), screenShared, exact)
               : ScreenedSearch(trials, margin, SmallestSS().best(), keptScreen, exact);
    chosen.push_back(choice.trial < 0 ? BurrTrial{}
                                      : BurrTrial{choice.trial / M + 1, choice.trial % M + 1});
  }
  return chosen;
}

std::vector<long double> BurrFrequencies(const Sample& s, bool dagum) {
  return MapFrequencies(s, [&](long double F) { return std::log(dagum ? F : 1.0L - F); });
}

// The fit at the chosen trial.
FitResult FinishBurrFit(const Sample& s, bool dagum, const BurrGrid& grid,
                        const std::vector<long double>& Ft, const std::vector<long double>& lnX,
                        const BurrTrial& found) {
  const int N = s.N;
  const int code = dagum ? kDagum : kBurr;
  if (found.i == 0) return NotFitted(code);
  auto xPowE = PointArray(s);
  auto Xt = PointArray(s);
  auto Fcalc = PointArray(s);
  LineFit line;
  FittedParams params;
  BurrParams& burr = params.burr;
  burr.A = TrialExponent(dagum, found.i);
  burr.K = grid.scale[found.m];
  burr.B = static_cast<double>(std::exp(burr.A * grid.lnScale[found.m]));
  for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(burr.A * lnX[r]);
  ScaleTransform(xPowE, burr.B, N, Xt);
  if (!RegressAll(Xt, Ft, N, line) || !IsFiniteLine(line)) return NotFitted(code);
  burr.E = line.A;
  burr.D = line.B;
  for (int r = 1; r <= N; ++r) Fcalc[r] = BurrCurve(dagum, line.A * Xt[r] + line.B);
  return FinishFit(code, s, params, std::move(Fcalc));
}

// The progress line of the Burr search, shown half-way through its
// exponents whether or not a trial qualifies.
std::vector<std::string> BurrProgress(const Sample& s, bool dagum) {
  if (!dagum && s.N > 500) return {" Burr is busy ....."};
  return {};
}

FitResult FitBurrType(const Sample& s, bool dagum, SearchMode mode) {
  const BurrGrid grid = MakeGrid(s);
  const auto Ft = BurrFrequencies(s, dagum);
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  const BurrTrial found = ExitsEarly(mode) ? ScreenedBurrSearches(s, {dagum}, grid, {Ft}, lnX)[0]
                                           : ReferenceSearch(s, dagum, grid, Ft, lnX);
  return WithProgress(FinishBurrFit(s, dagum, grid, Ft, lnX, found), BurrProgress(s, dagum));
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

PairedFits BurrPairSearch(const Sample& s, SearchMode mode) {
  if (!ExitsEarly(mode)) return {BurrSearch(s, mode), DagumSearch(s, mode)};
  const BurrGrid grid = MakeGrid(s);
  const auto burrFt = BurrFrequencies(s, false), dagumFt = BurrFrequencies(s, true);
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  const std::vector<BurrTrial> found =
      ScreenedBurrSearches(s, {false, true}, grid, {burrFt, dagumFt}, lnX);
  return {
      WithProgress(FinishBurrFit(s, false, grid, burrFt, lnX, found[0]), BurrProgress(s, false)),
      WithProgress(FinishBurrFit(s, true, grid, dagumFt, lnX, found[1]), BurrProgress(s, true))};
}

FitResult FitBurr(const Sample& sample) {
  return BurrSearch(sample, SearchMode::Fast);
}

FitResult FitDagum(const Sample& sample) {
  return DagumSearch(sample, SearchMode::Fast);
}

}  // namespace quarlin
