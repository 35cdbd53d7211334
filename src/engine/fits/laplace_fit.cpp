// Laplace (68) and generalized Laplace (73): two half-lines joined at a
// trial location L, a least-squares line of Ln(2Fc) below it and a ratio line
// of Ln(2(1 - Fc)) above it.

#include "engine/fits/laplace_fit.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"
#include "engine/search/screen_kernels.h"

namespace quarlin {
namespace {

constexpr int kLocationTrials = 20;
constexpr int kLaplaceExponentTrials = 80;

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

  // The long double sum of a trial as Offer sums it, or nothing when the
  // trial has no usable line or its sum is certainly above `bound`.
  std::optional<long double> TrialSum(const std::vector<long double>& lowValue,
                                      const std::vector<long double>& upValue, const LowerSide& low,
                                      long double bound) {
    double D2 = 0;
    if (!low.usable || !Upper(lowValue, upValue, low, D2)) return std::nullopt;
    const BoundedSum sum =
        BoundedSumOfSquaresFrom(s_.Fc, low.K + 1, s_.N, low.SS, true, static_cast<double>(bound),
                                [&](int r) { return UpperPoint(upValue[r], low.L, D2); });
    if (sum.exceeded) return std::nullopt;
    return sum.SS;
  }

  const std::vector<long double>& LowFt() const { return lowFt_; }
  const std::vector<long double>& UpFt() const { return upFt_; }

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

struct LaplaceTrial {
  int i = 0, j = 0, loc = 0;
};

// The generalized Laplace grid screened in double; trial t is E1 index
// t / 1600, E2 index t / 20 % 80 and location t % 20 (the plain search's
// order). `values[k]` is X^E of exponent index k, the same for either side;
// `location[i][loc]` the location in the scale of E1 index i. Which points
// fall below a location is decided in long double, as the plain search
// decides it.
LaplaceTrial ScreenedGeneralizedLaplace(const Sample& s, LaplaceTrials& trials,
                                        const std::vector<std::vector<long double>>& values,
                                        const std::vector<std::vector<long double>>& location) {
  const int N = s.N;
  constexpr int kPerE1 = kLaplaceExponentTrials * kLocationTrials;
  std::vector<double> Fc(N), lowFtDev(N);
  std::vector<long double> lowFtSum(N + 1, 0.0L), upFtSum(N + 1, 0.0L);
  for (int r = 1; r <= N; ++r) {
    lowFtSum[r] = lowFtSum[r - 1] + trials.LowFt()[r];
    upFtSum[r] = upFtSum[r - 1] + trials.UpFt()[r];
  }
  for (int r = 1; r <= N; ++r) {
    Fc[r - 1] = static_cast<double>(s.Fc[r]);
    lowFtDev[r - 1] = static_cast<double>(trials.LowFt()[r] - lowFtSum[N] / N);
  }
  // The rows in double, and their running sums for the upper centroids.
  std::vector<std::vector<double>> rows(kLaplaceExponentTrials + 1),
      running(kLaplaceExponentTrials + 1);
  for (int k = 1; k <= kLaplaceExponentTrials; ++k) {
    rows[k].resize(N);
    running[k].assign(N + 1, 0.0);
    for (int r = 1; r <= N; ++r) {
      rows[k][r - 1] = static_cast<double>(values[k][r]);
      running[k][r] = running[k][r - 1] + rows[k][r - 1];
    }
  }
  // The lower side of every (E1, location) in double: its point count,
  // slope and part of the sum; `judged` false leaves its trials to long
  // double.
  struct Lower {
    int K = 0;
    bool judged = false;
    double A = 0, L = 0, SS = 0;
  };
  const ScreenMargin margin{N, 2e-10};
  std::vector<Lower> lowers(static_cast<std::size_t>(kLaplaceExponentTrials + 1) *
                            (kLocationTrials + 1));
  for (int i = 1; i <= kLaplaceExponentTrials; ++i) {
    for (int loc = 1; loc <= kLocationTrials; ++loc) {
      Lower& low = lowers[i * (kLocationTrials + 1) + loc];
      const long double L = location[i][loc];
      while (low.K < N && values[i][low.K + 1] <= L) ++low.K;
      if (low.K < 1 || low.K >= N) continue;
      const double meanFt = static_cast<double>(lowFtSum[low.K] / low.K);
      const ScreenLine line = ScreenRegress(rows[i].data(), lowFtDev.data(), meanFt, low.K);
      if (!line.drawn) continue;
      low.judged = true;
      low.A = line.A;
      low.L = static_cast<double>(L);
      low.SS =
          ScreenHalfExpSumOfSquares(false, Fc.data(), rows[i].data(), low.A, -low.A * low.L, low.K,
                                    0.0, margin, std::numeric_limits<double>::infinity());
    }
  }
  const auto screen = [&](int t, double limit) {
    const int i = t / kPerE1 + 1, j = t / kLocationTrials % kLaplaceExponentTrials + 1,
              loc = t % kLocationTrials + 1;
    const Lower& low = lowers[i * (kLocationTrials + 1) + loc];
    if (!low.judged) return NotJudged();
    const int K = low.K;
    const double anchorX = rows[i][K - 1];
    const double anchorF = static_cast<double>(trials.LowFt()[K]);
    const double meanX = (running[j][N] - running[j][K]) / (N - K);
    const double meanF = static_cast<double>((upFtSum[N] - upFtSum[K]) / (N - K));
    const double run = meanX - anchorX;
    // Near the anchor the difference loses the digits the margin counts
    // on (and the plain search may take the flat slope).
    if (!(std::fabs(run) > 1e-3 * std::fmax(std::fabs(meanX), std::fabs(anchorX))))
      return NotJudged();
    const double A = (meanF - anchorF) / run;
    if (!std::isfinite(A) || !(std::fabs(A) > 1e-300)) return NotJudged();
    return ScreenedSS{ScreenHalfExpSumOfSquares(true, Fc.data() + K, rows[j].data() + K, A,
                                                -A * low.L, N - K, low.SS, margin, limit)};
  };
  std::vector<std::optional<LowerSide>> exactLowers(lowers.size());
  const auto exact = [&](int t, long double bound) {
    const int i = t / kPerE1 + 1, j = t / kLocationTrials % kLaplaceExponentTrials + 1,
              loc = t % kLocationTrials + 1;
    std::optional<LowerSide>& low = exactLowers[i * (kLocationTrials + 1) + loc];
    if (!low) low = trials.Lower(values[i], location[i][loc]);
    return trials.TrialSum(values[i], values[j], *low, bound);
  };
  const ScreenedChoice choice =
      ScreenedSearch(kLaplaceExponentTrials * kPerE1, margin, SmallestSS().best(), screen, exact);
  if (choice.trial < 0) return {};
  return {choice.trial / kPerE1 + 1, choice.trial / kLocationTrials % kLaplaceExponentTrials + 1,
          choice.trial % kLocationTrials + 1};
}

}  // namespace

FitResult LaplaceSearch(const Sample& s, SearchMode mode) {
  LaplaceTrials trials(s, mode);
  SmallestSS best;
  int bestJ = 0;
  for (int j = 1; j <= kLocationTrials; ++j) {
    if (trials.Offer(best, s.X, s.X, trials.Lower(s.X, TrialLocation(s, j)))) bestJ = j;
  }
  if (!best.found()) return NotFitted(kLaplace);

  FittedParams params;
  LaplaceParams& p = params.laplace;
  const LowerSide low = trials.Lower(s.X, TrialLocation(s, bestJ));
  double D2 = 0;
  trials.Complete(s.X, s.X, low, D2);
  p.L = static_cast<double>(low.L);
  p.D1 = low.D1;
  p.D2 = D2;
  return FinishFit(kLaplace, s, params, trials.TakeFcalc());
}

FitResult GeneralizedLaplaceSearch(const Sample& s, SearchMode mode) {
  LaplaceTrials trials(s, mode);
  const auto lnX = MapValues(s, [](long double x) { return std::log(x); });
  auto lowValue = PointArray(s);
  // The upper side's data per E2, the same for every E1.
  std::vector<std::vector<long double>> upValues(kLaplaceExponentTrials + 1);
  for (int j = 1; j <= kLaplaceExponentTrials; ++j) {
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
  if (ExitsEarly(mode)) {
    std::vector<std::vector<long double>> location(kLaplaceExponentTrials + 1);
    for (int i = 1; i <= kLaplaceExponentTrials; ++i) {
      location[i].assign(kLocationTrials + 1, 0.0L);
      for (int loc = 1; loc <= kLocationTrials; ++loc)
        location[i][loc] = std::exp(TrialExponent(i) * lnLocation[loc]);
    }
    const LaplaceTrial found = ScreenedGeneralizedLaplace(s, trials, upValues, location);
    if (found.i == 0) return NotFitted(kGeneralizedLaplace);
    bestI = found.i;
    bestJ = found.j;
    bestLoc = found.loc;
  }
  for (int i = 1; i <= kLaplaceExponentTrials && !ExitsEarly(mode); ++i) {
    const double E1 = TrialExponent(i);
    for (int r = 1; r <= s.N; ++r) lowValue[r] = std::exp(E1 * lnX[r]);
    for (int loc = 1; loc <= kLocationTrials; ++loc) {
      lower[loc] = trials.Lower(lowValue, std::exp(E1 * lnLocation[loc]));
    }
    for (int j = 1; j <= kLaplaceExponentTrials; ++j) {
      for (int loc = 1; loc <= kLocationTrials; ++loc) {
        if (trials.Offer(best, lowValue, upValues[j], lower[loc])) {
          bestI = i;
          bestJ = j;
          bestLoc = loc;
        }
      }
    }
  }
  if (!ExitsEarly(mode) && !best.found()) return NotFitted(kGeneralizedLaplace);

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
  return FinishFit(kGeneralizedLaplace, s, params, trials.TakeFcalc());
}

FitResult FitLaplace(const Sample& s) {
  return LaplaceSearch(s, SearchMode::Fast);
}

FitResult FitGeneralizedLaplace(const Sample& s) {
  return GeneralizedLaplaceSearch(s, SearchMode::Fast);
}

}  // namespace quarlin
