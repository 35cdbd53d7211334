// Laplace (68) and generalized Laplace (73): two half-lines joined at a
// trial location L, a least-squares line of Ln(2Fc) below it and a ratio line
// of Ln(2(1 - Fc)) above it.

#include <cmath>
#include <utility>
#include <vector>

#include "engine/own_search.h"
#include "engine/own_search_fits.h"

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

// The lower side of a trial at L: the points 1..K whose lowValue is at or
// below L, the scale D1 of their line and their part of the trial's sum.
// The lower side does not depend on the upper side's exponent, so one is
// shared by all the trials at the same E1 and L.
struct LowerSide {
  long double L = 0;
  int K = 0;
  bool usable = false;  // K >= 1 and a finite D1
  double D1 = 0;
  long double SS = 0;  // points 1..K, summed as the trial's sum begins
};

// Working arrays of one fit, sized once. lowValue and upValue are the two
// sides' transformed data (X^E1 and X^E2; both X for code 68).
class LaplaceTrials {
 public:
  LaplaceTrials(const Sample& s, SearchMode mode)
      : s_(s),
        mode_(mode),
        lowFt_(MapFrequencies(s, [](long double F) { return std::log(2.0L * F); })),
        upFt_(MapFrequencies(s, [](long double F) { return std::log(2.0L * (1.0L - F)); })),
        Xt_(PointArray(s)),
        Ft_(PointArray(s)),
        Fcalc_(PointArray(s)) {}

  // Fits the lower half-line at L (in the lower side's transformed scale).
  LowerSide Lower(const std::vector<long double>& lowValue, long double L) const {
    const int N = s_.N;
    LowerSide low;
    low.L = L;
    while (low.K < N && lowValue[low.K + 1] <= L) ++low.K;
    LineFit lower;
    if (low.K < 1 || !RegressLower(lowValue, lowFt_, low.K, lower)) return low;
    // Ln(2F) = (v - L)/D1 below.
    low.D1 = 1.0 / lower.A;
    if (!std::isfinite(low.D1)) return low;
    low.usable = true;
    const auto calculated = [&](int r) { return LowerPoint(lowValue[r], low); };
    low.SS = BoundedSumOfSquaresFrom(s_.Fc, 1, low.K, 0.0L, true, 0.0, calculated, false).SS;
    return low;
  }

  // The ratio line of the upper side starts at the last lower point, with
  // that point's lower-side values. False when either side has no usable
  // line; otherwise D2 is set.
  bool Upper(const std::vector<long double>& lowValue, const std::vector<long double>& upValue,
             const LowerSide& low, double& D2) {
    if (!low.usable) return false;
    const int N = s_.N, K = low.K;
    Xt_[K] = lowValue[K];
    Ft_[K] = lowFt_[K];
    for (int r = K + 1; r <= N; ++r) {
      Xt_[r] = upValue[r];
      Ft_[r] = upFt_[r];
    }
    LineFit upper;
    RatioUpper(Xt_, Ft_, N, K, upper);
    // Ln(2(1 - F)) = -(v - L)/D2 above.
    D2 = -1.0 / upper.A;
    return std::isfinite(D2);
  }

  // Offers the trial of `low` completed with the upper side; its sum goes on
  // from the lower side's.
  bool Offer(SmallestSS& best, const std::vector<long double>& lowValue,
             const std::vector<long double>& upValue, const LowerSide& low) {
    double D2 = 0;
    if (!low.usable || AlreadyLost(best, mode_, low.SS)) return false;
    if (!Upper(lowValue, upValue, low, D2)) return false;
    const auto calculated = [&](int r) { return UpperPoint(upValue[r], low.L, D2); };
    return OfferTrialFrom(best, s_, mode_, low.K + 1, low.SS, calculated);
  }

  // The calculated values of a usable trial.
  bool Complete(const std::vector<long double>& lowValue, const std::vector<long double>& upValue,
                const LowerSide& low, double& D2) {
    if (!Upper(lowValue, upValue, low, D2)) return false;
    for (int r = 1; r <= s_.N; ++r) {
      Fcalc_[r] = r <= low.K ? LowerPoint(lowValue[r], low) : UpperPoint(upValue[r], low.L, D2);
    }
    return true;
  }

  std::vector<long double> TakeFcalc() { return std::move(Fcalc_); }

 private:
  static long double LowerPoint(long double lowValue, const LowerSide& low) {
    return 0.5L * std::exp(std::fmin(kExponentCap, (lowValue - low.L) / low.D1));
  }
  static long double UpperPoint(long double upValue, long double L, double D2) {
    return 1.0L - 0.5L * std::exp(std::fmin(kExponentCap, -(upValue - L) / D2));
  }

  const Sample& s_;
  const SearchMode mode_;
  const std::vector<long double> lowFt_, upFt_;
  std::vector<long double> Xt_, Ft_, Fcalc_;
};

}  // namespace

FitResult LaplaceSearch(const Sample& s, SearchMode mode) {
  LaplaceTrials trials(s, mode);
  SmallestSS best;
  int bestJ = 0;
  for (int j = 1; j <= kLocationTrials; ++j) {
    if (trials.Offer(best, s.X, s.X, trials.Lower(s.X, TrialLocation(s, j)))) bestJ = j;
  }
  if (!best.found()) return NotFitted(68);

  FittedParams params;
  LaplaceParams& p = params.laplace;
  const LowerSide low = trials.Lower(s.X, TrialLocation(s, bestJ));
  double D2 = 0;
  trials.Complete(s.X, s.X, low, D2);
  p.L = static_cast<double>(low.L);
  p.D1 = low.D1;
  p.D2 = D2;
  return FinishFit(68, s, params, trials.TakeFcalc());
}

FitResult GeneralizedLaplaceSearch(const Sample& s, SearchMode mode) {
  LaplaceTrials trials(s, mode);
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  auto lowValue = PointArray(s);
  // The upper side's data per E2, the same for every E1.
  std::vector<std::vector<long double>> upValues(kExponentTrials + 1);
  for (int j = 1; j <= kExponentTrials; ++j) {
    const double E2 = TrialExponent(j);
    upValues[j] = PointArray(s);
    for (int r = 1; r <= s.N; ++r) upValues[j][r] = std::exp(E2 * lnX[r]);
  }
  // The data locations, carried into the lower side's scale per E1.
  std::vector<long double> lnLocation(kLocationTrials + 1, 0.0L);
  for (int j = 1; j <= kLocationTrials; ++j) lnLocation[j] = std::log(TrialLocation(s, j));
  std::vector<LowerSide> lower(kLocationTrials + 1);

  SmallestSS best;
  int bestI = 0, bestJ = 0, bestLoc = 0;
  for (int i = 1; i <= kExponentTrials; ++i) {
    const double E1 = TrialExponent(i);
    for (int r = 1; r <= s.N; ++r) lowValue[r] = std::exp(E1 * lnX[r]);
    for (int loc = 1; loc <= kLocationTrials; ++loc) {
      lower[loc] = trials.Lower(lowValue, std::exp(E1 * lnLocation[loc]));
    }
    for (int j = 1; j <= kExponentTrials; ++j) {
      for (int loc = 1; loc <= kLocationTrials; ++loc) {
        if (trials.Offer(best, lowValue, upValues[j], lower[loc])) {
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
  for (int r = 1; r <= s.N; ++r) lowValue[r] = std::exp(p.E1 * lnX[r]);
  const LowerSide low = trials.Lower(lowValue, std::exp(p.E1 * lnLocation[bestLoc]));
  double D2 = 0;
  trials.Complete(lowValue, upValues[bestJ], low, D2);
  p.L = static_cast<double>(low.L);
  p.D1 = low.D1;
  p.D2 = D2;
  return FinishFit(73, s, params, trials.TakeFcalc());
}

FitResult FitLaplace(const Sample& s) {
  return LaplaceSearch(s, SearchMode::Fast);
}

FitResult FitGeneralizedLaplace(const Sample& s) {
  return GeneralizedLaplaceSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
