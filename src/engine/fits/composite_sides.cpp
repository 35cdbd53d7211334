#include "engine/fits/composite_sides.h"

#include <utility>

#include "engine/model/links.h"
#include "engine/model/predictor.h"

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

CompositeSides CompositeSidesOf(const CompositeShape& shape, const CompositeParams& params) {
  return {MemberPredictor(shape, params, Member::Lower),
          MemberPredictor(shape, params, Member::Upper), params.K};
}

void CompositeCalculated(const CompositeShape& shape, const CompositeParams& params,
                         const Sample& sample, std::vector<long double>& Fcalc) {
  const int N = sample.N;
  Fcalc.resize(N + 1);
  const CompositeSides sides = CompositeSidesOf(shape, params);
  for (int i = 1; i <= N; ++i) Fcalc[i] = sides.At(sample, i);
}

}  // namespace quarlin
