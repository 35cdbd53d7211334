#include "engine/fits/special_fits.h"

#include "engine/fits/special_search.h"

namespace quarlin {

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

}  // namespace quarlin
