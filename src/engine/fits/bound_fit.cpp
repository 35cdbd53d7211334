// Frechet (58), mirrored Frechet (35), Fisher-Tippett type 3 (59) and its
// mirror (33): a least-squares line of Ln(-Ln F) on the logarithm of the
// distance to a trial bound, over a grid of bounds beyond the data.

#include "engine/fits/bound_fit.h"

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

struct BoundFamily {
  bool lowerBound;  // 58, 35: bound below the data; 59, 33: above
  bool mirrored;    // 35, 33: F = 1 - exp(-w^A); 58, 59: F = exp(-w^A)
  int trials;
  // The trial taken when no trial qualifies at all.
  int startIndex;
};

bool Describe(int code, BoundFamily& family) {
  switch (code) {
    case kFrechet:
      family = {true, false, 10000, 10000};
      return true;
    case kMirroredFrechet:
      family = {true, true, 10000, 10000};
      return true;
    case kFisherTippett3:
      family = {false, false, 100000, 100};
      return true;
    case kMirroredFisherTippett3:
      family = {false, true, 100000, 100};
      return true;
  }
  return false;
}

// The bound of trial j, kept at least 0.001 away from the nearest datum so
// that the logarithm of the distance stays defined.
double TrialBound(const Sample& s, const BoundFamily& family, int j) {
  const long double first = s.X[1], last = s.X[s.N];
  const long double range = last - first;
  if (family.lowerBound) {
    const double C = static_cast<double>(first - 0.01 * j * range);
    return first - C > 0.0L ? C : static_cast<double>(first - 0.001L);
  }
  const double C = static_cast<double>(last + 0.01 * j * range);
  return C - last > 0.0L ? C : static_cast<double>(last + 0.001L);
}

void BoundTransform(const Sample& s, const BoundFamily& family, double C,
                    std::vector<long double>& Xt) {
  for (int r = 1; r <= s.N; ++r) Xt[r] = std::log(family.lowerBound ? s.X[r] - C : C - s.X[r]);
}

// Ft = Ln(-Ln F) or Ln(-Ln(1 - F)) = A*Xt + B.
Link BoundLink(const BoundFamily& family) {
  return family.mirrored ? Link::Weibull : Link::MirroredWeibull;
}

long double BoundPoint(const BoundFamily& family, const LineFit& line, long double Xt) {
  return LinkF(BoundLink(family), line.A * Xt + line.B);
}

void CalculateBoundCurve(const BoundFamily& family, const LineFit& line, int N,
                         const std::vector<long double>& Xt, std::vector<long double>& Fcalc) {
  for (int r = 1; r <= N; ++r) Fcalc[r] = BoundPoint(family, line, Xt[r]);
}

// Every trial in long double, in index order: the reference.
int ReferenceSearch(const Sample& s, const BoundFamily& family,
                    const std::vector<long double>& Ft) {
  auto Xt = PointArray(s);
  SmallestSS best;
  int bestJ = family.startIndex;
  LineFit line;
  for (int j = 1; j <= family.trials; ++j) {
    BoundTransform(s, family, TrialBound(s, family, j), Xt);
    if (!RegressAll(Xt, Ft, s.N, line) || !IsFiniteLine(line)) continue;
    const auto calculated = [&](int r) { return BoundPoint(family, line, Xt[r]); };
    if (OfferTrial(best, s, SearchMode::Reference, calculated)) bestJ = j;
  }
  return bestJ;
}

// The same choices with the trials screened in double, for one family or
// for two that try the same bounds (59 with 33, 58 with 35), which then
// share each trial's transformed values. The screen measures the values
// from the datum next to the bound, Xt - Ln|C - X[next]| = Ln(1 + |X -
// X[next]|/|C - X[next]|), which keeps its precision however far the bound
// is; a line's slope and sum of squares do not change with it.
std::vector<int> ScreenedBoundSearches(const Sample& s, const std::vector<BoundFamily>& families,
                                       const std::vector<std::vector<long double>>& Fts) {
  const int N = s.N;
  const int count = static_cast<int>(families.size());
  const BoundFamily& shared = families[0];
  const long double next = shared.lowerBound ? s.X[1] : s.X[N];
  const std::vector<int> order = ScreenOrder(N);
  std::vector<double> gap(N), Fc(N), Xs(N);
  for (int i = 0; i < N; ++i) {
    gap[i] = static_cast<double>(std::fabs(s.X[order[i]] - next));
    Fc[i] = static_cast<double>(s.Fc[order[i]]);
  }
  std::vector<ScreenFrequencies> Ft;
  for (int f = 0; f < count; ++f) Ft.push_back(ScreenFrequenciesOf(Fts[f], order));
  const ScreenMargin margin{N};
  const auto screenFamily = [&](int f, double limit) {
    const ScreenLine line = ScreenRegress(Xs.data(), Ft[f].dev.data(), Ft[f].mean, N);
    if (!line.drawn) return NotJudged();
    return ScreenedSS{ScreenSumOfSquares(BoundLink(families[f]), Fc.data(), Xs.data(), line.A,
                                         line.B, N, margin, limit)};
  };
  // The first family's search transforms each trial once and screens the
  // other families on the same values, keeping their sums (with early
  // stops against their own limits) for their searches after it.
  FollowerScreens followers(count - 1, shared.trials, margin);
  const auto screenShared = [&](int t, double limit) {
    const long double C = TrialBound(s, shared, t + 1);
    ScreenLog1pScaled(gap.data(), 1.0 / static_cast<double>(std::fabs(C - next)), N, Xs.data());
    for (int f = 1; f < count; ++f)
      followers.Take(f - 1, t, [&](double own) { return screenFamily(f, own); });
    return screenFamily(0, limit);
  };

  std::vector<int> chosen;
  auto Xt = PointArray(s);
  for (int f = 0; f < count; ++f) {
    const BoundFamily& family = families[f];
    const auto exact = [&](int t, long double bound) -> std::optional<long double> {
      LineFit line;
      BoundTransform(s, family, TrialBound(s, family, t + 1), Xt);
      if (!RegressAll(Xt, Fts[f], N, line) || !IsFiniteLine(line)) return std::nullopt;
      const BoundedSum sum =
          BoundedSumOfSquares(s.Fc, N, true, static_cast<double>(bound),
                              [&](int r) { return BoundPoint(family, line, Xt[r]); });
      if (sum.exceeded) return std::nullopt;
      return sum.SS;
    };
    const auto keptScreen = [&](int t, double) { return followers.Kept(f - 1, t); };
    const ScreenedChoice choice =
        f == 0 ? ScreenedSearch(family.trials, margin, SmallestSS().best(), screenShared, exact)
               : ScreenedSearch(family.trials, margin, SmallestSS().best(), keptScreen, exact);
    chosen.push_back(choice.trial < 0 ? family.startIndex : choice.trial + 1);
  }
  return chosen;
}

// The fit of a family at its chosen bound index.
FitResult FinishBoundFit(const Sample& s, int code, const BoundFamily& family,
                         const std::vector<long double>& Ft, int bestJ) {
  const int N = s.N;
  auto Xt = PointArray(s);
  auto Fcalc = PointArray(s);
  LineFit line;
  FittedParams params;
  BoundParams& bound = params.bound;
  bound.C = TrialBound(s, family, bestJ);
  BoundTransform(s, family, bound.C, Xt);
  if (!RegressAll(Xt, Ft, N, line) || !IsFiniteLine(line)) return NotFitted(code);
  bound.A = line.A;
  bound.B = line.B;
  CalculateBoundCurve(family, line, N, Xt, Fcalc);
  return FinishFit(code, s, params, std::move(Fcalc));
}

std::vector<long double> TransformedFrequencies(const Sample& s, const BoundFamily& family) {
  return MapFrequencies(s, [&](long double F) { return LinkFt(BoundLink(family), F); });
}

}  // namespace

FitResult BoundFamilySearch(const Sample& s, int code, SearchMode mode) {
  BoundFamily family;
  if (!Describe(code, family)) return NotFitted(code);
  const auto Ft = TransformedFrequencies(s, family);
  const int bestJ = ExitsEarly(mode) ? ScreenedBoundSearches(s, {family}, {Ft})[0]
                                     : ReferenceSearch(s, family, Ft);
  return FinishBoundFit(s, code, family, Ft, bestJ);
}

PairedFits BoundPairSearch(const Sample& s, int code, SearchMode mode) {
  const int mirror = PairedCode(code);
  BoundFamily first, second;
  if (mirror == 0 || !Describe(code, first) || !Describe(mirror, second))
    return {NotFitted(code), NotFitted(mirror)};
  if (!ExitsEarly(mode))
    return {BoundFamilySearch(s, code, mode), BoundFamilySearch(s, mirror, mode)};
  const auto firstFt = TransformedFrequencies(s, first);
  const auto secondFt = TransformedFrequencies(s, second);
  const std::vector<int> chosen = ScreenedBoundSearches(s, {first, second}, {firstFt, secondFt});
  return {FinishBoundFit(s, code, first, firstFt, chosen[0]),
          FinishBoundFit(s, mirror, second, secondFt, chosen[1])};
}

FitResult FitBoundFamily(const Sample& s, int code) {
  return BoundFamilySearch(s, code, SearchMode::Fast);
}

}  // namespace quarlin
