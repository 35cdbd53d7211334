#include "engine/model/predictor.h"

#include <cmath>

#include "engine/model/real_power.h"

namespace quarlin {

long double ScaledValue(Scale scale, long double Y, double E) {
  switch (scale) {
    case Scale::Plain:
      return Y;
    case Scale::Log:
      return std::log(Y);
    case Scale::Power:
      return RealPower(Y, E);
  }
  return Y;
}

long double PredictorF(const Predictor& p, long double Y) {
  return LinkF(p.link, p.A * ScaledValue(p.scale, Y, p.E) + p.B);
}

std::optional<long double> PredictorInverse(const Predictor& p, long double F) {
  const long double Xt = (LinkFt(p.link, F) - p.B) / p.A;
  if (!std::isfinite(Xt)) return std::nullopt;
  switch (p.scale) {
    case Scale::Plain:
      return Xt;
    case Scale::Log:
      return FiniteOrNothing(std::exp(Xt));
    case Scale::Power:
      return RealRoot(Xt, p.E);
  }
  return std::nullopt;
}

}  // namespace quarlin
