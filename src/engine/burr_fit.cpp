// Burr (31) and Dagum (32): a grid of exponents E and scales K, each trial a
// least-squares line of the transformed frequency on Ln(K^E/(X^E + K^E)).

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/links.h"
#include "engine/own_search.h"
#include "engine/own_search_fits.h"

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

// The search and final fit; the progress lines go to `extra` whether or not
// a trial qualifies.
FitResult SearchBurrType(const Sample& s, bool dagum, SearchMode mode,
                         std::vector<std::string>& extra) {
  const int N = s.N;
  const int code = dagum ? 32 : 31;

  // Trial scales m*step by repeated addition; only those below the largest
  // datum take part.
  const double step = BurrScaleStep(s.X[N]);
  std::vector<double> scale(kBurrScaleTrials + 1, 0.0);
  std::vector<long double> lnScale(kBurrScaleTrials + 1, 0.0L);
  int M = 0;
  double K = 0;
  for (int m = 1; m <= kBurrScaleTrials; ++m) {
    K += step;
    scale[m] = K;
    lnScale[m] = std::log(static_cast<long double>(K));
    if (K < s.X[N]) M = m;
  }

  const auto Ft = MapFrequencies(s, [&](long double F) { return std::log(dagum ? F : 1.0L - F); });
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  auto xPowE = PointArray(s);
  auto Xt = PointArray(s);
  auto Fcalc = PointArray(s);

  SmallestSS best;
  int bestI = 0, bestM = 0;
  LineFit line;
  for (int i = 1; i <= kBurrExponentTrials; ++i) {
    if (!dagum && i == 150 && N > 500) extra.push_back(" Burr is busy .....");
    const double E = TrialExponent(dagum, i);
    for (int r = 1; r <= N; ++r) xPowE[r] = std::exp(E * lnX[r]);
    for (int m = 1; m <= M; ++m) {
      ScaleTransform(xPowE, std::exp(E * lnScale[m]), N, Xt);
      if (!RegressAll(Xt, Ft, N, line) || !IsFiniteLine(line)) continue;
      const auto calculated = [&](int r) { return BurrCurve(dagum, line.A * Xt[r] + line.B); };
      if (OfferTrial(best, s, mode, calculated)) {
        bestI = i;
        bestM = m;
      }
    }
  }
  if (!best.found()) return NotFitted(code);

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
