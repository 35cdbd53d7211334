#include "engine/composite_sides.h"

#include <utility>

#include "engine/links.h"
#include "engine/predictor.h"

namespace quarlin {

LineFit AnchoredUpperLine(std::span<long double> Xt, std::span<long double> Ft, int N, int K,
                          long double XtAtK, long double FtAtK) {
  std::swap(Xt[K], XtAtK);
  std::swap(Ft[K], FtAtK);
  LineFit line;
  RatioUpper(Xt, Ft, N, K, line);
  std::swap(Xt[K], XtAtK);
  std::swap(Ft[K], FtAtK);
  return line;
}

void CompositeCalculated(const CompositeShape& shape, const CompositeParams& params,
                         const Sample& sample, std::vector<long double>& Fcalc) {
  const int N = sample.N;
  Fcalc.resize(N + 1);
  const Predictor lower = MemberPredictor(shape, params, Member::Lower);
  const Predictor upper = MemberPredictor(shape, params, Member::Upper);
  for (int i = 1; i <= N; ++i) {
    const Predictor& p = MemberAtRank(i, params.K) == Member::Lower ? lower : upper;
    Fcalc[i] = GuardedLinkF(p.link, p.A * ScaledValue(p.scale, sample.X[i], p.E) + p.B);
  }
}

}  // namespace quarlin
