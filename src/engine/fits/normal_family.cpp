#include "engine/fits/normal_family.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "engine/catalogue/normal_variable.h"
#include "engine/model/fit_result.h"
#include "engine/model/kernels.h"
#include "engine/model/normal_cdf.h"
#include "engine/search/bounded_sum.h"
#include "engine/search/exponent_grid.h"
#include "engine/search/screen_kernels.h"
#include "engine/search/search_start.h"

namespace quarlin {
namespace {

constexpr int kGridTrials = 201;
constexpr int kExponentOneTrial = 81;  // 0.19 + 81 steps of 0.01

using Trials = std::array<double, kGridTrials>;

struct PlainStats {
  double M0 = 0, S0 = 0;
};

// The sums are kept in double: the plain values, and with them the whole
// search grid, follow from double sums.
PlainStats PlainStatsOf(std::span<const long double> x, int N) {
  double sumX = 0, sumSquares = 0;
  for (int i = 1; i <= N; ++i) {
    sumX += x[i];
    sumSquares += x[i] * x[i];
  }
  const double SSx = sumSquares - sumX * sumX / N;
  return {sumX / N, std::sqrt(SSx / (N - 1))};
}

// Equal values leave a cancellation remainder in SSx that can be positive,
// so they are also compared directly.
bool HasSpread(std::span<const long double> x, int N, const PlainStats& plain) {
  if (!(plain.S0 > 0)) return false;
  for (int i = 2; i <= N; ++i)
    if (x[i] != x[1]) return true;
  return false;
}

// The generalized member's variable Y^E (NormalVariable) over logarithms
// taken once for all the exponents a search tries.
long double PowerOfLog(long double lnX, double E) {
  return std::exp(E * lnX);
}

void TransformAll(int code, const Sample& sample, double E, std::vector<long double>& x) {
  const NormalForm form = NormalFormOf(code);
  for (int i = 1; i <= sample.N; ++i) x[i] = NormalVariable(form, sample.X[i], E);
}

void NormalCdfAll(std::span<const long double> x, int N, double M, double S,
                  std::vector<long double>& Fcalc) {
  for (int i = 1; i <= N; ++i) Fcalc[i] = NormalCdfHastings((x[i] - M) / S);
}

// SS of one trial as the double that the search tables hold. `bound` is the
// smallest SS the search has met so far (its start value before any, or a
// seed, see SeededStart); a trial that cannot come below it is given up and
// holds a partial sum above it, which cannot be the first smallest.
double TrialSs(std::span<const long double> x, const Sample& sample, double M, double S,
               bool capAtOne, double bound, SearchMode mode) {
  const BoundedSum sum = BoundedSumOfSquares(
      sample.Fc, sample.N, capAtOne, bound,
      [&](int i) { return NormalCdfHastings((x[i] - M) / S); }, ExitsEarly(mode));
  return static_cast<double>(sum.SS);
}

// Fills ss[k-1] for the spreads k = 1..201 around `plain.S0` at mean M,
// each trial bounded by the smallest of `bound` and the SS before it.
void SpreadRow(std::span<const long double> x, const Sample& sample, double M,
               const PlainStats& plain, bool capAtOne, double bound, SearchMode mode,
               std::span<double> ss) {
  for (int k = 1; k <= kGridTrials; ++k) {
    ss[k - 1] = TrialSs(x, sample, M, NormalGridValue(k, plain.S0), capAtOne, bound, mode);
    if (ss[k - 1] < bound) bound = ss[k - 1];
  }
}

// A trial of a screened normal-family search: the double SS the plain
// search's tables hold, or a partial sum above `bound` that cannot win.
std::optional<long double> ExactTrial(std::span<const long double> x, const Sample& sample,
                                      double M, double S, bool capAtOne, long double bound) {
  return TrialSs(x, sample, M, S, capAtOne, static_cast<double>(bound), SearchMode::Fast);
}

std::vector<double> InDouble(std::span<const long double> v, int N) {
  std::vector<double> out(N);
  for (int i = 1; i <= N; ++i) out[i - 1] = static_cast<double>(v[i]);
  return out;
}

// Codes 21, 24 and 25 screened: trial t is spread t + 1.
int ScreenedSpread(std::span<const long double> x, const Sample& sample, const PlainStats& plain) {
  const int N = sample.N;
  const std::vector<double> xs = InDouble(x, N), Fc = InDouble(sample.Fc, N);
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    return ScreenedSS{ScreenNormalSumOfSquares(
        Fc.data(), xs.data(), plain.M0, NormalGridValue(t + 1, plain.S0), N, false, margin, limit)};
  };
  const auto exact = [&](int t, long double bound) {
    return ExactTrial(x, sample, plain.M0, NormalGridValue(t + 1, plain.S0), false, bound);
  };
  return ScreenedSearch(kGridTrials, margin, kSearchStart, screen, exact).trial;
}

// Codes 21, 24, 25: the mean stays, the spread is searched.
double SearchSpread(std::span<const long double> x, const Sample& sample, const PlainStats& plain,
                    SearchMode mode) {
  if (ExitsEarly(mode)) {
    const int best = ScreenedSpread(x, sample, plain);
    return NormalGridValue(best < 0 ? 1 : best + 1, plain.S0);
  }
  Trials ss;
  SpreadRow(x, sample, plain.M0, plain, false, kSearchStart, mode, ss);
  const int best = FirstMinimum(ss, kSearchStart);
  return NormalGridValue(best < 0 ? 1 : best + 1, plain.S0);
}

// The grid's middle trial, at the plain values.
constexpr int kMiddleTrial = (kGridTrials + 1) / 2;

// The smallest SS of a grid is at most the full SS of any one of its
// trials, so a trial above that cannot win wherever it stands in the search
// order: bounding every trial by it from the start, and not only by the
// trials before it, changes no choice. Only the fast search needs it.
double SeededStart(double seedSs, SearchMode mode) {
  return ExitsEarly(mode) && seedSs < kSearchStart ? seedSs : kSearchStart;
}

// Code 23 screened: the grid's trial t is mean t / 201 and spread t % 201.
int ScreenedMeanAndSpread(std::span<const long double> x, const Sample& sample,
                          const PlainStats& plain) {
  const int N = sample.N;
  const std::vector<double> xs = InDouble(x, N), Fc = InDouble(sample.Fc, N);
  const ScreenMargin margin{N};
  const auto grid = [&](int t) {
    return std::pair{NormalGridValue(t / kGridTrials + 1, plain.M0),
                     NormalGridValue(t % kGridTrials + 1, plain.S0)};
  };
  const auto screen = [&](int t, double limit) {
    const auto [M, S] = grid(t);
    return ScreenedSS{
        ScreenNormalSumOfSquares(Fc.data(), xs.data(), M, S, N, false, margin, limit)};
  };
  const auto exact = [&](int t, long double bound) {
    const auto [M, S] = grid(t);
    return ExactTrial(x, sample, M, S, false, bound);
  };
  const ScreenedChoice choice =
      ScreenedSearch(kGridTrials * kGridTrials, margin, kSearchStart, screen, exact);
  return std::max(choice.trial, 0);
}

// Code 23: mean (outer) and spread (inner) on a 201 x 201 grid.
void SearchMeanAndSpread(std::span<const long double> x, const Sample& sample,
                         const PlainStats& plain, SearchMode mode, NormalParams& params) {
  if (ExitsEarly(mode)) {
    const int best = ScreenedMeanAndSpread(x, sample, plain);
    params.M = NormalGridValue(best / kGridTrials + 1, plain.M0);
    params.S = NormalGridValue(best % kGridTrials + 1, plain.S0);
    params.M0 = params.M;
    return;
  }
  std::vector<double> ss(kGridTrials * kGridTrials);
  // The middle trial lies near the best, so it bounds the far rows tightly.
  const double middleSs = ExitsEarly(mode)
                              ? TrialSs(x, sample, NormalGridValue(kMiddleTrial, plain.M0),
                                        NormalGridValue(kMiddleTrial, plain.S0), false,
                                        kSearchStart, SearchMode::Reference)
                              : kSearchStart;
  double bestSs = SeededStart(middleSs, mode);
  for (int j = 1; j <= kGridTrials; ++j) {
    const std::span<double> row(ss.data() + (j - 1) * kGridTrials, kGridTrials);
    SpreadRow(x, sample, NormalGridValue(j, plain.M0), plain, false, bestSs, mode, row);
    for (double value : row)
      if (value < bestSs) bestSs = value;
  }
  const int best = std::max(FirstMinimum(ss, kSearchStart), 0);
  params.M = NormalGridValue(best / kGridTrials + 1, plain.M0);
  params.S = NormalGridValue(best % kGridTrials + 1, plain.S0);
  params.M0 = params.M;  // the optimised mean takes the plain one's slot
}

// The exponent and spread chosen, with the exponent's guard.
void FinishExponent(const Sample& sample, std::vector<long double>& x, int bestJ, int bestK,
                    NormalParams& params) {
  params.E = GuardExponent(ExponentOfTrial(bestJ));
  TransformAll(kGeneralizedNormal, sample, params.E, x);
  const PlainStats plain = PlainStatsOf(x, sample.N);
  params.M0 = params.M = plain.M0;
  params.S0 = plain.S0;
  params.S = NormalGridValue(bestK, plain.S0);
}

struct ExponentChoice {
  int j = 1, k = 1;
};

// Code 26 screened: trial t is exponent t / 201 and spread t % 201. The
// rows' values, their plain mean and spread and whether they vary at all
// are taken in long double first, as the plain search takes them.
ExponentChoice ScreenedExponent(const Sample& sample, std::span<const long double> lnX,
                                std::vector<long double>& x) {
  const int N = sample.N;
  std::vector<PlainStats> plain(kExponentTrials + 1);
  std::vector<bool> varies(kExponentTrials + 1, false);
  std::vector<double> rows(static_cast<std::size_t>(kExponentTrials) * N);
  for (int j = 1; j <= kExponentTrials; ++j) {
    const double E = ExponentOfTrial(j);
    for (int i = 1; i <= N; ++i) x[i] = PowerOfLog(lnX[i], E);
    plain[j] = PlainStatsOf(x, N);
    varies[j] = HasSpread(x, N, plain[j]);
    for (int i = 1; i <= N; ++i)
      rows[static_cast<std::size_t>(j - 1) * N + i - 1] = static_cast<double>(x[i]);
  }
  const std::vector<double> Fc = InDouble(sample.Fc, N);
  const ScreenMargin margin{N};
  const auto screen = [&](int t, double limit) {
    const int j = t / kGridTrials + 1, k = t % kGridTrials + 1;
    if (!varies[j]) return NotJudged();
    const double* row = rows.data() + static_cast<std::size_t>(j - 1) * N;
    return ScreenedSS{ScreenNormalSumOfSquares(
        Fc.data(), row, plain[j].M0, NormalGridValue(k, plain[j].S0), N, true, margin, limit)};
  };
  int rowInX = 0;
  const auto exact = [&](int t, long double bound) -> std::optional<long double> {
    const int j = t / kGridTrials + 1, k = t % kGridTrials + 1;
    if (!varies[j]) return std::nullopt;
    if (rowInX != j) {
      for (int i = 1; i <= N; ++i) x[i] = PowerOfLog(lnX[i], ExponentOfTrial(j));
      rowInX = j;
    }
    return ExactTrial(x, sample, plain[j].M0, NormalGridValue(k, plain[j].S0), true, bound);
  };
  const ScreenedChoice choice =
      ScreenedSearch(kExponentTrials * kGridTrials, margin, kSearchStart, screen, exact);
  if (choice.trial < 0) return {};
  return {choice.trial / kGridTrials + 1, choice.trial % kGridTrials + 1};
}

// Code 26: exponent (outer) and spread (inner); leaves x transformed with
// the final exponent.
void SearchExponent(const Sample& sample, std::vector<long double>& x, SearchMode mode,
                    NormalParams& params) {
  const int N = sample.N;
  std::vector<long double> lnX(N + 1);
  for (int i = 1; i <= N; ++i) lnX[i] = std::log(sample.X[i]);
  if (ExitsEarly(mode)) {
    const ExponentChoice chosen = ScreenedExponent(sample, lnX, x);
    FinishExponent(sample, x, chosen.j, chosen.k, params);
    return;
  }
  Trials ss;
  double bestSs = kSearchStart;
  int bestJ = 1, bestK = 1;
  // The row of exponent 1 at its plain spread bounds the low exponents'
  // rows, which come first; a row that is skipped bounds nothing.
  double seedSs = kSearchStart;
  if (ExitsEarly(mode)) {
    for (int i = 1; i <= N; ++i) x[i] = PowerOfLog(lnX[i], ExponentOfTrial(kExponentOneTrial));
    const PlainStats plain = PlainStatsOf(x, N);
    if (HasSpread(x, N, plain))
      seedSs = TrialSs(x, sample, plain.M0, NormalGridValue(kMiddleTrial, plain.S0), true,
                       kSearchStart, SearchMode::Reference);
  }
  const double seed = SeededStart(seedSs, mode);
  for (int j = 1; j <= kExponentTrials; ++j) {
    const double E = ExponentOfTrial(j);
    for (int i = 1; i <= N; ++i) x[i] = PowerOfLog(lnX[i], E);
    const PlainStats plain = PlainStatsOf(x, N);
    if (!HasSpread(x, N, plain)) continue;
    // A given-up trial may stand below bestSs here (it is above the seed
    // only), and FirstMinimum may take it for a while; the trial at the
    // seed or below that wins in the plain search comes later and, being
    // smaller, takes its place, so the final choice is the same.
    SpreadRow(x, sample, plain.M0, plain, true, std::min(bestSs, seed), mode, ss);
    const int k = FirstMinimum(ss, bestSs);
    if (k >= 0) {
      bestSs = ss[k];
      bestJ = j;
      bestK = k + 1;
    }
  }
  FinishExponent(sample, x, bestJ, bestK, params);
}

void Finish(std::span<const long double> x, const Sample& sample, NormalFit& fit) {
  NormalCdfAll(x, sample.N, fit.params.M, fit.params.S, fit.Fcalc);
  fit.SAD = SumOfAbsolute(sample.Fc, fit.Fcalc, sample.N);
  fit.fitted = true;
}

bool FellBackToPlain(const NormalFit& fit) {
  return fit.code == kGeneralizedNormal && fit.params.E == 1;
}

}  // namespace

double NormalGridValue(int k, double plain) {
  return (k + 99) * plain / 200;
}

int FirstMinimum(std::span<const double> values, double bound) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(values.size()); ++i) {
    if (values[i] < bound) {
      bound = values[i];
      best = i;
    }
  }
  return best;
}

NormalFit FitNormalFamily(int code, const Sample& sample, SearchMode mode) {
  NormalFit fit;
  fit.code = code;
  if (!IsNormalFamily(code)) return fit;
  const int N = sample.N;
  std::vector<long double> x(N + 1), Fcalc(N + 1);
  // For code 26 the spread test is made on X itself: every positive power
  // keeps values distinct or equal as they were.
  TransformAll(code, sample, 1.0, x);
  const PlainStats plain = PlainStatsOf(x, N);
  if (!HasSpread(x, N, plain)) return fit;

  NormalParams& p = fit.params;
  p.M0 = p.M = plain.M0;
  p.S0 = p.S = plain.S0;
  switch (code) {
    case kNormalOptimized:
    case kRootNormal:
    case kSquareNormal:
      p.S = SearchSpread(x, sample, plain, mode);
      break;
    case kLogNormalOptimized:
      SearchMeanAndSpread(x, sample, plain, mode, p);
      break;
    case kGeneralizedNormal:
      SearchExponent(sample, x, mode, p);
      break;
    default:
      break;
  }
  fit.Fcalc = std::move(Fcalc);
  Finish(x, sample, fit);
  return fit;
}

NormalFit EvaluateNormalFamily(int code, const Sample& sample, const NormalParams& params) {
  NormalFit fit;
  fit.code = code;
  if (!IsNormalFamily(code)) return fit;
  std::vector<long double> x(sample.N + 1);
  TransformAll(code, sample, params.E, x);
  if (!HasSpread(x, sample.N, PlainStatsOf(x, sample.N))) return fit;
  fit.params = params;
  fit.Fcalc.assign(sample.N + 1, 0.0L);
  Finish(x, sample, fit);
  return fit;
}

long double NormalSadSlot(const NormalFit& fit, bool rankingAll) {
  if (!fit.fitted) return 0;
  return rankingAll && FellBackToPlain(fit) ? kKeptOutOfChoiceSad : fit.SAD;
}

bool NormalHasListEntry(const NormalFit& fit, bool rankingAll) {
  return rankingAll && fit.fitted && !FellBackToPlain(fit);
}

}  // namespace quarlin
