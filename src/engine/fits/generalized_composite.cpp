#include "engine/fits/generalized_composite.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/fits/composite_sides.h"
#include "engine/fits/normal_family.h"
#include "engine/model/links.h"
#include "engine/search/bounded_sum.h"
#include "engine/search/screen_kernels.h"
#include "engine/search/search_start.h"

namespace quarlin {
namespace {

constexpr double kBreakSearchStart = 100000;
constexpr double kNoTrial = std::numeric_limits<double>::infinity();

struct SideFit {
  bool fitted = false;
  LineFit line;
  double E = 1;
  double ss = 0;
};

// The trials of one side at one break index.
struct SideTrials {
  std::array<double, kSideExponentTrials> ss{};
  std::array<LineFit, kSideExponentTrials> lines{};
};

// Working arrays of one fit, sized N + 1 once. The powers of a trial
// exponent do not depend on the break index, so each is taken once per side
// and shared by all break indices.
struct Work {
  std::vector<long double> lnX, FtLower, FtUpper, Xt;
  std::array<double, kSideExponentTrials> exponent{};
};

void PowerOfRange(Work& w, double E, int first, int last) {
  for (int i = first; i <= last; ++i) w.Xt[i] = std::exp(E * w.lnX[i]);
}

// Sum of squares over points first..last of the guarded link of `line`,
// a deviation beyond 1 counting as 1. Given up, as a partial sum above
// `bound`, once the trial cannot come below the side's best.
double RangeSs(const Sample& s, const std::vector<long double>& Xt, Link link, const LineFit& line,
               int first, int last, double bound, SearchMode mode) {
  const int shift = first - 1;
  const BoundedSum sum = BoundedSumOfSquares(
      std::span<const long double>(s.Fc).subspan(shift), last - shift, true, bound,
      [&](int i) { return GuardedLinkF(link, line.A * Xt[i + shift] + line.B); }, ExitsEarly(mode));
  return static_cast<double>(sum.SS);
}

// The best SS of a side so far as ChooseSideExponent compares: only sums
// above 0 count. A given-up trial's partial sum is above the bound it had,
// so it never lowers it, just as its full sum would not.
void KeepBest(double ss, double& best) {
  if (ss > 0 && ss < best) best = ss;
}

SideFit Chosen(const Work& w, const SideTrials& trials) {
  const int best = ChooseSideExponent(trials.ss);
  if (best < 0) return {};
  return {true, trials.lines[best], w.exponent[best], trials.ss[best]};
}

// The lower side at every break index K: least-squares lines on X^E over
// points 1..K; a trial without variation takes no part.
std::vector<SideFit> SearchLowerSides(const Sample& s, Work& w, Link link,
                                      const std::vector<int>& indices, SearchMode mode) {
  const int count = static_cast<int>(indices.size());
  std::vector<SideTrials> trials(count);
  std::vector<double> best(count, kSearchStart);
  const int lastK = *std::max_element(indices.begin(), indices.end());
  for (int j = 0; j < kSideExponentTrials; ++j) {
    PowerOfRange(w, w.exponent[j], 1, lastK);
    for (int b = 0; b < count; ++b) {
      const int K = indices[b];
      LineFit& line = trials[b].lines[j];
      trials[b].ss[j] = RegressLower(w.Xt, w.FtLower, K, line)
                            ? RangeSs(s, w.Xt, link, line, 1, K, best[b], mode)
                            : kNoTrial;
      KeepBest(trials[b].ss[j], best[b]);
    }
  }
  std::vector<SideFit> sides;
  for (const SideTrials& t : trials) sides.push_back(Chosen(w, t));
  return sides;
}

// The upper side at every break index K whose lower side was fitted: lines
// on X^E over points K+1..N, anchored at point K with the lower side's
// values there.
std::vector<SideFit> SearchUpperSides(const Sample& s, Work& w, Link link,
                                      const std::vector<int>& indices,
                                      const std::vector<SideFit>& lowers, SearchMode mode) {
  const int N = s.N;
  const int count = static_cast<int>(indices.size());
  std::vector<SideTrials> trials(count);
  std::vector<double> best(count, kSearchStart);
  std::vector<long double> XtAtK(count);
  for (int b = 0; b < count; ++b) XtAtK[b] = std::exp(lowers[b].E * w.lnX[indices[b]]);
  const int firstK = *std::min_element(indices.begin(), indices.end());
  for (int j = 0; j < kSideExponentTrials; ++j) {
    PowerOfRange(w, w.exponent[j], firstK + 1, N);
    for (int b = 0; b < count; ++b) {
      if (!lowers[b].fitted) continue;
      const int K = indices[b];
      LineFit& line = trials[b].lines[j];
      line = AnchoredUpperLine(w.Xt, w.FtUpper, N, K, XtAtK[b], w.FtLower[K]);
      trials[b].ss[j] = RangeSs(s, w.Xt, link, line, K + 1, N, best[b], mode);
      KeepBest(trials[b].ss[j], best[b]);
    }
  }
  std::vector<SideFit> sides;
  for (int b = 0; b < count; ++b)
    sides.push_back(lowers[b].fitted ? Chosen(w, trials[b]) : SideFit{});
  return sides;
}

// What the screened side searches share: the data and frequencies in
// double, X^E of every trial exponent in double for the screen, and the
// same in long double, taken only for the exponents that must be computed
// in full.
struct ScreenWork {
  int N = 0;
  std::vector<double> Fc, FtLowerDev, FtUpperDev, powers, Xs;
  std::vector<std::vector<long double>> exactPowers;
};

ScreenWork MakeScreenWork(const Sample& s, const Work& w) {
  ScreenWork sw;
  const int N = sw.N = s.N;
  long double sumLower = 0, sumUpper = 0;
  for (int i = 1; i <= N; ++i) {
    sumLower += w.FtLower[i];
    sumUpper += w.FtUpper[i];
  }
  std::vector<double> lnX(N);
  sw.Fc.resize(N);
  sw.FtLowerDev.resize(N);
  sw.FtUpperDev.resize(N);
  sw.Xs.resize(N);
  for (int i = 1; i <= N; ++i) {
    lnX[i - 1] = static_cast<double>(w.lnX[i]);
    sw.Fc[i - 1] = static_cast<double>(s.Fc[i]);
    sw.FtLowerDev[i - 1] = static_cast<double>(w.FtLower[i] - sumLower / N);
    sw.FtUpperDev[i - 1] = static_cast<double>(w.FtUpper[i] - sumUpper / N);
  }
  sw.powers.resize(static_cast<std::size_t>(kSideExponentTrials) * N);
  for (int j = 0; j < kSideExponentTrials; ++j)
    ScreenExpScaled(lnX.data(), w.exponent[j], N, sw.powers.data() + std::size_t(j) * N);
  sw.exactPowers.resize(kSideExponentTrials);
  return sw;
}

const double* ScreenPowers(const ScreenWork& sw, int j) {
  return sw.powers.data() + static_cast<std::size_t>(j) * sw.N;
}

// X^E of trial exponent j at every point, in long double as the plain
// search takes it.
std::vector<long double>& ExactPowers(ScreenWork& sw, const Work& w, int j) {
  std::vector<long double>& row = sw.exactPowers[j];
  if (row.empty()) {
    row.assign(sw.N + 1, 0.0L);
    for (int i = 1; i <= sw.N; ++i) row[i] = std::exp(w.exponent[j] * w.lnX[i]);
  }
  return row;
}

long double MeanOver(const std::vector<long double>& v, int first, int last) {
  long double sum = 0;
  for (int i = first; i <= last; ++i) sum += v[i];
  return sum / (last - first + 1);
}

// A side's exponent by a screened search. `exactTrial(j, bound, line)` gives
// the side sum the plain search compares (the double of the long double
// sum), or nothing; ChooseSideExponent takes only sums above 0.
template <class Screen, class ExactTrial>
SideFit ScreenedSide(const ScreenWork& sw, Screen&& screen, ExactTrial&& exactTrial) {
  const ScreenMargin margin{sw.N};
  const auto exact = [&](int j, long double bound) -> std::optional<long double> {
    LineFit line;
    const double ss = exactTrial(j, static_cast<double>(bound), line);
    if (!(ss > 0) || !(ss < kNoTrial)) return std::nullopt;
    return ss;
  };
  const ScreenedChoice choice =
      ScreenedSearch(kSideExponentTrials, margin, kSearchStart, screen, exact);
  if (choice.trial < 0) return {};
  SideFit side;
  side.fitted = true;
  side.ss = exactTrial(choice.trial, kNoTrial, side.line);
  side.E = SideExponentOfTrial(choice.trial + 1);
  return side;
}

std::vector<SideFit> ScreenLowerSides(const Sample& s, Work& w, ScreenWork& sw, Link link,
                                      const std::vector<int>& indices) {
  std::vector<SideFit> sides;
  for (const int K : indices) {
    const double meanFt = static_cast<double>(MeanOver(w.FtLower, 1, K));
    const auto screen = [&](int j, double limit) {
      const ScreenLine line = ScreenRegress(ScreenPowers(sw, j), sw.FtLowerDev.data(), meanFt, K);
      if (!line.drawn) return NotJudged();
      return ScreenedSS{ScreenGuardedSumOfSquares(link, sw.Fc.data(), ScreenPowers(sw, j), line.A,
                                                  line.B, K, ScreenMargin{sw.N}, limit)};
    };
    const auto exactTrial = [&](int j, double bound, LineFit& line) {
      const std::vector<long double>& Xt = ExactPowers(sw, w, j);
      if (!RegressLower(Xt, w.FtLower, K, line)) return kNoTrial;
      const BoundedSum sum = BoundedSumOfSquares(
          s.Fc, K, true, bound, [&](int i) { return GuardedLinkF(link, line.A * Xt[i] + line.B); });
      return static_cast<double>(sum.SS);
    };
    sides.push_back(ScreenedSide(sw, screen, exactTrial));
  }
  return sides;
}

std::vector<SideFit> ScreenUpperSides(const Sample& s, Work& w, ScreenWork& sw, Link link,
                                      const std::vector<int>& indices,
                                      const std::vector<SideFit>& lowers) {
  const int N = s.N;
  std::vector<SideFit> sides;
  for (std::size_t b = 0; b < indices.size(); ++b) {
    if (!lowers[b].fitted) {
      sides.push_back({});
      continue;
    }
    const int K = indices[b];
    const int count = N - K;
    const long double XtAtK = std::exp(lowers[b].E * w.lnX[K]);
    const long double FtAtK = w.FtLower[K];
    const double meanFt = static_cast<double>(MeanOver(w.FtUpper, K + 1, N));
    const auto screen = [&](int j, double limit) {
      const double* Xs = ScreenPowers(sw, j) + K;
      const double meanX = ScreenMean(Xs, count);
      const double run = meanX - static_cast<double>(XtAtK);
      // Near the anchor the difference loses the digits the margin counts
      // on (and the plain search may take the flat slope).
      if (!(std::fabs(run) > 1e-3 * std::fabs(meanX))) return NotJudged();
      const double A = (meanFt - static_cast<double>(FtAtK)) / run;
      const double B = meanFt - A * meanX;
      return ScreenedSS{ScreenGuardedSumOfSquares(link, sw.Fc.data() + K, Xs, A, B, count,
                                                  ScreenMargin{sw.N}, limit)};
    };
    const auto exactTrial = [&](int j, double bound, LineFit& line) {
      std::vector<long double>& Xt = ExactPowers(sw, w, j);
      line = AnchoredUpperLine(Xt, w.FtUpper, N, K, XtAtK, FtAtK);
      return RangeSs(s, Xt, link, line, K + 1, N, bound, SearchMode::Fast);
    };
    sides.push_back(ScreenedSide(sw, screen, exactTrial));
  }
  return sides;
}

// Both sides at break index K; the break point is the datum there.
CompositeParams Joined(const SideFit& lower, const SideFit& upper, const Sample& s, int K) {
  CompositeParams p;
  p.As = lower.line.A;
  p.Bs = lower.line.B;
  p.Es = lower.E;
  p.Ag = upper.line.A;
  p.Bg = upper.line.B;
  p.Eg = upper.E;
  p.P = static_cast<double>(s.X[K]);
  p.K = K;
  return p;
}

}  // namespace

double SideExponentOfTrial(int j) {
  double E = 0;
  for (int step = 1; step <= j; ++step) E += 0.01;
  return E;
}

std::vector<int> GeneralizedBreakIndices(int N) {
  std::vector<int> indices;
  for (int i = 1; i <= kBreakIndexTrials; ++i) {
    const int K = N * (4 + i) / 20;
    if (BothSidesCounted(N, K)) indices.push_back(K);
  }
  return indices;
}

int ChooseSideExponent(std::span<const double> ss) {
  std::vector<double> positive(ss.begin(), ss.end());
  for (double& value : positive)
    if (!(value > 0)) value = kNoTrial;
  return FirstMinimum(positive, kSearchStart);
}

int ChooseBreakIndex(std::span<const double> totals) {
  int best = -1;
  double bestTotal = kBreakSearchStart;
  for (int i = 0; i < static_cast<int>(totals.size()); ++i) {
    if (totals[i] <= bestTotal) {
      bestTotal = totals[i];
      best = i;
    }
  }
  return best;
}

FitResult FitGeneralizedComposite(const Sample& s, int code, SearchMode mode) {
  FitResult result;
  result.code = code;
  const auto shape = CompositeShapeOf(code);
  if (!shape || !shape->generalized) return result;

  const int N = s.N;
  Work w;
  for (auto* v : {&w.lnX, &w.FtLower, &w.FtUpper, &w.Xt}) v->assign(N + 1, 0.0L);
  for (int i = 1; i <= N; ++i) {
    w.lnX[i] = std::log(s.X[i]);
    w.FtLower[i] = LinkFt(shape->lower, s.Fc[i]);
    w.FtUpper[i] = LinkFt(shape->upper, s.Fc[i]);
  }
  for (int j = 0; j < kSideExponentTrials; ++j) w.exponent[j] = SideExponentOfTrial(j + 1);

  const std::vector<int> indices = GeneralizedBreakIndices(N);
  if (indices.empty()) return result;
  std::vector<SideFit> lowers, uppers;
  if (ExitsEarly(mode)) {
    ScreenWork sw = MakeScreenWork(s, w);
    lowers = ScreenLowerSides(s, w, sw, shape->lower, indices);
    uppers = ScreenUpperSides(s, w, sw, shape->upper, indices, lowers);
  } else {
    lowers = SearchLowerSides(s, w, shape->lower, indices, mode);
    uppers = SearchUpperSides(s, w, shape->upper, indices, lowers, mode);
  }
  std::vector<double> totals(indices.size(), kNoTrial);
  std::vector<CompositeParams> trials(indices.size());
  for (std::size_t b = 0; b < indices.size(); ++b) {
    const SideFit& lower = lowers[b];
    const SideFit& upper = uppers[b];
    if (!lower.fitted || !upper.fitted) continue;
    totals[b] = lower.ss + upper.ss;
    trials[b] = Joined(lower, upper, s, indices[b]);
  }

  const int best = ChooseBreakIndex(totals);
  if (best < 0) return result;
  result.fitted = true;
  result.params.composite = trials[best];
  CompositeCalculated(*shape, trials[best], s, result.Fcalc);
  result.SAD = SumOfAbsolute(s.Fc, result.Fcalc, N);
  return result;
}

}  // namespace quarlin
