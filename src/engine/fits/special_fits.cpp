#include "engine/fits/special_search.h"

#include <utility>

#include "engine/catalogue/codes.h"
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
    case kBurr:
      return BurrSearch(sample, mode);
    case kDagum:
      return DagumSearch(sample, mode);
    case kGeneralizedGompertz:
      return GompertzSearch(sample, mode);
    case kKumaraswamy:
      return KumaraswamySearch(sample, mode);
    case kAdjustedFisk:
      return AdjustedFiskSearch(sample, mode);
    case kMirroredFisherTippett3:
    case kMirroredFrechet:
    case kFrechet:
    case kFisherTippett3:
      return BoundFamilySearch(sample, code, mode);
    case kGamma:
      return GammaSearch(sample, mode);
    case kGev:
      return GevSearch(sample, mode);
    case kLaplace:
      return LaplaceSearch(sample, mode);
    case kGeneralizedRayleigh:
      return GeneralizedRayleighSearch(sample, mode);
    case kGeneralizedLaplace:
      return GeneralizedLaplaceSearch(sample, mode);
  }
  return NotFitted(code);
}

int PairedCode(int code) {
  switch (code) {
    case kFisherTippett3:
      return kMirroredFisherTippett3;
    case kFrechet:
      return kMirroredFrechet;
    case kBurr:
      return kDagum;
  }
  return 0;
}

PairedFits FitPaired(const Sample& sample, int code, SearchMode mode) {
  if (code == kBurr) return BurrPairSearch(sample, mode);
  return BoundPairSearch(sample, code, mode);
}

FitResult NotFitted(int code) {
  FitResult result;
  result.code = code;
  return result;
}

}  // namespace quarlin
