#include "engine/driver/composite_eligibility.h"

#include "engine/catalogue/codes.h"

namespace quarlin {

bool CompositeEligible(int code, const FitResult& fit, long double bestSad,
                       long double bestNonCompositeSad, int N) {
  if (!fit.fitted) return false;
  if (!(fit.SAD < bestSad) || !(fit.SAD < bestNonCompositeSad)) return false;
  const int K = fit.params.composite.K;
  const int fewestBelow = code == kCompositeGeneralizedLogistic ? 4 : 5;
  return K > fewestBelow && N - 5 > K;
}

}  // namespace quarlin
