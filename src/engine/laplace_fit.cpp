// Laplace (68) and generalized Laplace (73): two half-lines joined at a
// trial location L, a least-squares line of Ln(2Fc) below it and a ratio line
// of Ln(2(1 - Fc)) above it.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/special_fits.h"
#include "engine/special_search.h"

namespace quarlin {
namespace {

constexpr int kLocationTrials = 20;
constexpr int kExponentTrials = 80;

// A half whose scale came out with the wrong sign grows without bound away
// from L. Its exponent is capped at 100 on either side, so that the point's
// value stays finite (its deviation counts as 1 in the search) instead of
// overflowing into an infinite SAD. With ranked data the lower line always
// rises, so the cap matters in practice only for a rising ratio line above.
constexpr long double kExponentCap = 100.0L;

double TrialExponent(int i) {
  return 0.025 * i;
}

// The data locations: between the data at a third and at two thirds of the
// ranks, in twentieths.
long double TrialLocation(const Sample& s, int j) {
  const long double lower = s.X[s.N / 3], upper = s.X[2 * s.N / 3];
  return lower + j * (upper - lower) / kLocationTrials;
}

// Working arrays of one fit, sized once. lowValue and upValue are the two
// sides' transformed data (X^E1 and X^E2; both X for code 68).
class LaplaceSearch {
 public:
  explicit LaplaceSearch(const Sample& s)
      : s_(s),
        lowFt_(MapFrequencies(s, [](long double F) { return std::log(2.0L * F); })),
        upFt_(MapFrequencies(s, [](long double F) { return std::log(2.0L * (1.0L - F)); })),
        Xt_(PointArray(s)),
        Ft_(PointArray(s)),
        Fcalc_(PointArray(s)) {}

  // Fits both half-lines at L (in the lower side's transformed scale): the
  // points whose lowValue is at or below L form the lower side. The ratio
  // line of the upper side starts at the last lower point, with that point's
  // lower-side values. False when either side has no usable line; otherwise
  // D1, D2 and the calculated values are set.
  bool Trial(const std::vector<long double>& lowValue, const std::vector<long double>& upValue,
             long double L, double& D1, double& D2) {
    const int N = s_.N;
    int K = 0;
    while (K < N && lowValue[K + 1] <= L) ++K;
    for (int r = 1; r <= N; ++r) {
      Xt_[r] = r <= K ? lowValue[r] : upValue[r];
      Ft_[r] = r <= K ? lowFt_[r] : upFt_[r];
    }
    LineFit lower, upper;
    if (K < 1 || !RegressLower(Xt_, Ft_, K, lower)) return false;
    RatioUpper(Xt_, Ft_, N, K, upper);
    // Ln(2F) = (v - L)/D1 below and Ln(2(1 - F)) = -(v - L)/D2 above.
    D1 = 1.0 / lower.A;
    D2 = -1.0 / upper.A;
    if (!std::isfinite(D1) || !std::isfinite(D2)) return false;
    for (int r = 1; r <= N; ++r) {
      Fcalc_[r] = r <= K ? 0.5L * std::exp(std::fmin(kExponentCap, (lowValue[r] - L) / D1))
                         : 1.0L - 0.5L * std::exp(std::fmin(kExponentCap, -(upValue[r] - L) / D2));
    }
    return true;
  }

  long double SS() const { return TrialSS(s_, Fcalc_); }
  std::vector<long double> TakeFcalc() { return std::move(Fcalc_); }

 private:
  const Sample& s_;
  const std::vector<long double> lowFt_, upFt_;
  std::vector<long double> Xt_, Ft_, Fcalc_;
};

}  // namespace

FitResult FitLaplace(const Sample& s) {
  LaplaceSearch search(s);
  SmallestSS best;
  int bestJ = 0;
  double D1 = 0, D2 = 0;
  for (int j = 1; j <= kLocationTrials; ++j) {
    if (!search.Trial(s.X, s.X, TrialLocation(s, j), D1, D2)) continue;
    if (best.Offer(search.SS())) bestJ = j;
  }
  if (!best.found()) return NotFitted(68);

  FittedParams params;
  LaplaceParams& p = params.laplace;
  const long double L = TrialLocation(s, bestJ);
  search.Trial(s.X, s.X, L, D1, D2);
  p.L = static_cast<double>(L);
  p.D1 = D1;
  p.D2 = D2;
  return FinishFit(68, s, params, search.TakeFcalc());
}

FitResult FitGeneralizedLaplace(const Sample& s) {
  LaplaceSearch search(s);
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  auto lowValue = PointArray(s);
  auto upValue = PointArray(s);
  // The data locations, carried into the lower side's scale per E1.
  std::vector<long double> lnLocation(kLocationTrials + 1, 0.0L);
  for (int j = 1; j <= kLocationTrials; ++j) lnLocation[j] = std::log(TrialLocation(s, j));
  std::vector<long double> location(kLocationTrials + 1, 0.0L);

  SmallestSS best;
  int bestI = 0, bestJ = 0, bestLoc = 0;
  double D1 = 0, D2 = 0;
  for (int i = 1; i <= kExponentTrials; ++i) {
    const double E1 = TrialExponent(i);
    for (int r = 1; r <= s.N; ++r) lowValue[r] = std::exp(E1 * lnX[r]);
    for (int j = 1; j <= kLocationTrials; ++j) location[j] = std::exp(E1 * lnLocation[j]);
    for (int j = 1; j <= kExponentTrials; ++j) {
      const double E2 = TrialExponent(j);
      for (int r = 1; r <= s.N; ++r) upValue[r] = std::exp(E2 * lnX[r]);
      for (int loc = 1; loc <= kLocationTrials; ++loc) {
        if (!search.Trial(lowValue, upValue, location[loc], D1, D2)) continue;
        if (best.Offer(search.SS())) {
          bestI = i;
          bestJ = j;
          bestLoc = loc;
        }
      }
    }
  }
  if (!best.found()) return NotFitted(73);

  FittedParams params;
  LaplaceParams& p = params.laplace;
  p.E1 = TrialExponent(bestI);
  p.E2 = TrialExponent(bestJ);
  for (int r = 1; r <= s.N; ++r) {
    lowValue[r] = std::exp(p.E1 * lnX[r]);
    upValue[r] = std::exp(p.E2 * lnX[r]);
  }
  const long double L = std::exp(p.E1 * lnLocation[bestLoc]);
  search.Trial(lowValue, upValue, L, D1, D2);
  p.L = static_cast<double>(L);
  p.D1 = D1;
  p.D2 = D2;
  return FinishFit(73, s, params, search.TakeFcalc());
}

}  // namespace quarlin
