#pragma once
// The shapes that turn a linear predictor z into a cumulative frequency. The
// regression families, the composite members and the bounded families all
// use them. LinkFt is the transform of an observed frequency that a fit
// regresses on (Ft = A*Xt + B); it is the exact inverse of LinkF.

#include <cmath>
#include <concepts>
#include <numbers>

namespace quarlin {

enum class Link {
  Gumbel,           // exp(-exp(-z))
  MirroredGumbel,   // 1 - exp(-exp(-z))
  Logistic,         // 1/(1 + exp(z))
  Poisson,          // 1 - exp(-z)
  Weibull,          // 1 - exp(-exp(z))
  MirroredWeibull,  // exp(-exp(z))
  Cauchy,           // 0.5 + arctan(z)/pi
  MirroredPoisson,  // exp(-z)
};

inline constexpr long double kPi = std::numbers::pi_v<long double>;

// F and Ft in the precision of the caller: the engine works in long double,
// the calculator in double (its answers are those of double arithmetic).
template <std::floating_point Real>
Real LinkFIn(Link link, Real z) {
  constexpr Real one = 1;
  switch (link) {
    case Link::Gumbel:
      return std::exp(-std::exp(-z));
    case Link::MirroredGumbel:
      return one - std::exp(-std::exp(-z));
    case Link::Logistic:
      return one / (one + std::exp(z));
    case Link::Poisson:
      return one - std::exp(-z);
    case Link::Weibull:
      return one - std::exp(-std::exp(z));
    case Link::MirroredWeibull:
      return std::exp(-std::exp(z));
    case Link::Cauchy:
      return Real(0.5) + std::atan(z) / std::numbers::pi_v<Real>;
    case Link::MirroredPoisson:
      return std::exp(-z);
  }
  return 0;
}

template <std::floating_point Real>
Real LinkFtIn(Link link, Real F) {
  constexpr Real one = 1;
  switch (link) {
    case Link::Gumbel:
      return -std::log(-std::log(F));
    case Link::MirroredGumbel:
      return -std::log(-std::log(one - F));
    case Link::Logistic:
      return std::log(one / F - one);
    case Link::Poisson:
      return -std::log(one - F);
    case Link::Weibull:
      return std::log(-std::log(one - F));
    case Link::MirroredWeibull:
      return std::log(-std::log(F));
    case Link::Cauchy:
      return std::tan(std::numbers::pi_v<Real> * (F - Real(0.5)));
    case Link::MirroredPoisson:
      return -std::log(F);
  }
  return 0;
}

inline long double LinkF(Link link, long double z) {
  return LinkFIn<long double>(link, z);
}

inline long double LinkFt(Link link, long double F) {
  return LinkFtIn<long double>(link, F);
}

// The calculated frequency as the fits' searches take it: the double
// exponentials see z only within -8..8, and the exponential forms give 8
// (a deviation that saturates) once their exponent -z reaches 8. The
// logistic and Cauchy shapes need no guard.
inline long double GuardedLinkF(Link link, long double z) {
  switch (link) {
    case Link::Gumbel:
    case Link::MirroredGumbel:
    case Link::Weibull:
    case Link::MirroredWeibull:
      return LinkF(link, std::fmax(-8.0L, std::fmin(8.0L, z)));
    case Link::Poisson:
    case Link::MirroredPoisson:
      return -z >= 8.0L ? 8.0L : LinkF(link, z);
    case Link::Logistic:
    case Link::Cauchy:
      return LinkF(link, z);
  }
  return 0.0L;
}

}  // namespace quarlin
