#include "engine/catalogue/normal_variable.h"

#include <cmath>

#include "engine/model/normal_cdf.h"
#include "engine/model/real_power.h"

namespace quarlin {

long double NormalVariable(int code, long double Y, double E) {
  switch (code) {
    case kLogNormal:
    case kLogNormalOptimized:
      return std::log(Y);
    case kRootNormal:
      return std::sqrt(Y);
    case kSquareNormal:
      return Y * Y;
    case kGeneralizedNormal:
      return RealPower(Y, E);
    default:
      return Y;
  }
}

std::optional<long double> NormalVariableInverse(int code, long double x, double E) {
  switch (code) {
    case kLogNormal:
    case kLogNormalOptimized:
      return FiniteOrNothing(std::exp(x));
    case kRootNormal:
      if (!(x >= 0.0L)) return std::nullopt;
      return FiniteOrNothing(x * x);
    case kSquareNormal:
      if (!(x >= 0.0L)) return std::nullopt;
      return FiniteOrNothing(std::sqrt(x));
    case kGeneralizedNormal:
      return RealRoot(x, E);
    default:
      return FiniteOrNothing(x);
  }
}

long double NormalMemberF(int code, long double Y, const NormalParams& p) {
  return NormalCdfHastings((NormalVariable(code, Y, p.E) - p.M) / p.S);
}

}  // namespace quarlin
