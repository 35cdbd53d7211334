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

std::optional<Predictor> LinePredictor(int code, const LinearParams& line) {
  const auto make = [&line](Link link, Scale scale) {
    return Predictor{link, scale, line.A, line.B, scale == Scale::Power ? line.E : 1.0};
  };
  switch (code) {
    case 3:
      return make(Link::Poisson, Scale::Power);
    case 4:
      return make(Link::Gumbel, Scale::Plain);
    case 5:
      return make(Link::MirroredGumbel, Scale::Plain);
    case 6:
      return Predictor{Link::Poisson, Scale::Plain, line.A, 0.0, 1.0};
    case 51:
      return make(Link::Gumbel, Scale::Power);
    case 52:
      return make(Link::MirroredGumbel, Scale::Power);
    case 53:
      return make(Link::Logistic, Scale::Plain);
    case 54:
      return make(Link::Logistic, Scale::Log);
    case 55:
      return make(Link::Logistic, Scale::Power);
    case 57:
      return make(Link::Weibull, Scale::Log);
    case 60:
      return make(Link::MirroredWeibull, Scale::Log);
    case 64:
      return make(Link::Cauchy, Scale::Plain);
    case 65:
      return make(Link::Cauchy, Scale::Power);
    case 66:
      return make(Link::MirroredPoisson, Scale::Power);
    default:
      return std::nullopt;
  }
}

}  // namespace quarlin
