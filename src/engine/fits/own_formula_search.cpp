#include "engine/fits/own_formula_search.h"

#include <utility>

namespace quarlin {

FitResult FinishFit(int code, const Sample& sample, const FittedParams& params,
                    std::vector<long double> Fcalc) {
  FitResult result;
  result.code = code;
  result.fitted = true;
  result.params = params;
  result.SAD = SumOfAbsolute(sample.Fc, Fcalc, sample.N);
  result.Fcalc = std::move(Fcalc);
  return result;
}

FitResult NotFitted(int code) {
  FitResult result;
  result.code = code;
  return result;
}

}  // namespace quarlin
