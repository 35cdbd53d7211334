#include "engine/fits/simple_composite.h"

#include <algorithm>

#include "engine/fits/composite_sides.h"
#include "engine/model/links.h"
#include "engine/search/bounded_sum.h"
#include "engine/search/search_start.h"

namespace quarlin {
namespace {

// Number of points not above P: the lower side of a break at P.
int PointsNotAbove(const Sample& s, double P) {
  const auto first = s.X.begin() + 1;
  return static_cast<int>(std::upper_bound(first, first + s.N, static_cast<long double>(P)) -
                          first);
}

}  // namespace

FitResult FitSimpleComposite(const Sample& s, int code, SearchMode mode) {
  FitResult result;
  result.code = code;
  const auto shape = CompositeShapeOf(code);
  if (!shape || shape->generalized) return result;

  const int N = s.N;
  std::vector<long double> X(s.X.begin(), s.X.begin() + N + 1);
  std::vector<long double> FtLower(N + 1), FtUpper(N + 1), Fcalc(N + 1);
  for (int i = 1; i <= N; ++i) {
    FtLower[i] = LinkFt(shape->lower, s.Fc[i]);
    FtUpper[i] = LinkFt(shape->upper, s.Fc[i]);
  }

  const double step = static_cast<double>((s.X[N] - s.X[1]) / kSimpleBreakSteps);
  double P = static_cast<double>(s.X[1]);
  double bestSs = kSearchStart;
  for (int t = 1; t < kSimpleBreakSteps; ++t) {
    P += step;
    const int K = PointsNotAbove(s, P);
    if (!BothSidesCounted(N, K)) continue;
    LineFit lower;
    if (!RegressLower(X, FtLower, K, lower)) continue;
    const LineFit upper = AnchoredUpperLine(X, FtUpper, N, K, X[K], FtLower[K]);

    const CompositeParams trial{lower.A, lower.B, 1, upper.A, 0, 1, P, K};
    // A trial that cannot come below bestSs stops early and is passed
    // over as it would be on its full sum; a winner has all of Fcalc.
    const CompositeSides sides = CompositeSidesOf(*shape, trial);
    const BoundedSum sum = BoundedSumOfSquares(
        s.Fc, N, false, bestSs, [&](int i) { return Fcalc[i] = sides.At(s, i); }, ExitsEarly(mode));
    const double ss = static_cast<double>(sum.SS);
    if (ss < bestSs) {
      bestSs = ss;
      result.fitted = true;
      result.params.composite = trial;
      result.SAD = SumOfAbsolute(s.Fc, Fcalc, N);
    }
  }
  if (result.fitted) CompositeCalculated(*shape, result.params.composite, s, result.Fcalc);
  return result;
}

}  // namespace quarlin
