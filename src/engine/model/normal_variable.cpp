#include "engine/model/normal_variable.h"

#include <cmath>

#include "engine/model/normal_cdf.h"
#include "engine/model/real_power.h"

namespace quarlin {

long double NormalVariable(int code, long double Y, double E) {
  switch (code) {
    case 22:
    case 23:
      return std::log(Y);
    case 24:
      return std::sqrt(Y);
    case 25:
      return Y * Y;
    case 26:
      return RealPower(Y, E);
    default:
      return Y;
  }
}

std::optional<long double> NormalVariableInverse(int code, long double x, double E) {
  switch (code) {
    case 22:
    case 23:
      return FiniteOrNothing(std::exp(x));
    case 24:
      if (!(x >= 0.0L)) return std::nullopt;
      return FiniteOrNothing(x * x);
    case 25:
      if (!(x >= 0.0L)) return std::nullopt;
      return FiniteOrNothing(std::sqrt(x));
    case 26:
      return RealRoot(x, E);
    default:
      return FiniteOrNothing(x);
  }
}

long double NormalMemberF(int code, long double Y, const NormalParams& p) {
  return NormalCdfHastings((NormalVariable(code, Y, p.E) - p.M) / p.S);
}

}  // namespace quarlin
