#include "engine/fits/special_search.h"

#include <utility>

#include "engine/fits/special_fits.h"

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

FitResult FitSpecialFamily(const Sample& sample, int code, SearchMode mode) {
  switch (code) {
    case 31:
      return BurrSearch(sample, mode);
    case 32:
      return DagumSearch(sample, mode);
    case 34:
      return GompertzSearch(sample, mode);
    case 36:
      return KumaraswamySearch(sample, mode);
    case 56:
      return AdjustedFiskSearch(sample, mode);
    case 33:
    case 35:
    case 58:
    case 59:
      return BoundFamilySearch(sample, code, mode);
    case 61:
      return GammaSearch(sample, mode);
    case 67:
      return GevSearch(sample, mode);
    case 68:
      return LaplaceSearch(sample, mode);
    case 69:
      return GeneralizedRayleighSearch(sample, mode);
    case 73:
      return GeneralizedLaplaceSearch(sample, mode);
  }
  return NotFitted(code);
}

int PairedCode(int code) {
  switch (code) {
    case 59:
      return 33;
    case 58:
      return 35;
    case 31:
      return 32;
  }
  return 0;
}

PairedFits FitPaired(const Sample& sample, int code, SearchMode mode) {
  if (code == 31) return BurrPairSearch(sample, mode);
  return BoundPairSearch(sample, code, mode);
}

FitResult NotFitted(int code) {
  FitResult result;
  result.code = code;
  return result;
}

}  // namespace quarlin
