#include "engine/fits/own_formula_fits.h"

#include "engine/catalogue/codes.h"
#include "engine/fits/own_formula_search.h"

namespace quarlin {

FitResult FitOwnFormulaFamily(const Sample& sample, int code, SearchMode mode) {
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

}  // namespace quarlin
