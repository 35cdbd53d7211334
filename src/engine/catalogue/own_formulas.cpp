#include "engine/catalogue/own_formulas.h"

#include <cmath>

#include "engine/model/links.h"
#include "engine/model/real_power.h"

namespace quarlin {
namespace {

// E*ln(B/(Y^A + B)) + D, the exponent shared by Burr and Dagum.
long double BurrExponent(long double Y, const BurrParams& p) {
  return p.E * std::log(p.B / (RealPower(Y, p.A) + p.B)) + p.D;
}

long double StudentT(long double Y, const StudentParams& p) {
  return (Y - p.mean) / p.sd;
}

}  // namespace

long double BurrF(long double Y, const BurrParams& p) {
  return 1.0L - std::exp(BurrExponent(Y, p));
}

long double DagumF(long double Y, const BurrParams& p) {
  return std::exp(BurrExponent(Y, p));
}

std::optional<long double> BurrInverse(long double F, const BurrParams& p) {
  const long double base = std::exp(-(std::log(1.0L - F) - p.D) / p.E) - 1.0L;
  const auto root = RealRoot(std::fabs(base), p.A);
  if (!root) return std::nullopt;
  return FiniteOrNothing(p.K * *root);
}

std::optional<long double> DagumInverse(long double F, const BurrParams& p) {
  return RealRoot(p.B / std::exp((std::log(F) - p.D) / p.E) - p.B, p.A);
}

long double GompertzF(long double Y, const GompertzParams& p) {
  const long double Z = p.flag ? Y + 1.0L : Y;
  return 1.0L - std::exp(p.A * (std::exp(p.B * RealPower(Z, p.E)) - 1.0L));
}

std::optional<long double> GompertzInverse(long double F, const GompertzParams& p) {
  const long double inner = std::log(1.0L - F) / p.A + 1.0L;
  if (!(inner > 0.0L)) return std::nullopt;
  const auto Z = RealRoot(std::log(inner) / p.B, p.E);
  if (!Z) return std::nullopt;
  return p.flag ? *Z - 1.0L : *Z;
}

long double FiskF(long double Y, const FiskParams& p) {
  const double B = GuardedFiskScale(p.B);
  return 1.0L - 1.0L / (1.0L + RealPower(Y / B, p.A));
}

std::optional<long double> FiskInverse(long double F, const FiskParams& p) {
  const double B = GuardedFiskScale(p.B);
  if (!(B > 0.0)) return std::nullopt;
  const long double ratio = 1.0L / (1.0L - F) - 1.0L;
  if (!(ratio > 0.0L)) return std::nullopt;
  return FiniteOrNothing(std::exp(std::log(static_cast<long double>(B)) + std::log(ratio) / p.A));
}

long double GammaTermCount(double b) {
  const double lower = std::floor(b);
  const double excess = b - lower;
  if (excess > 0.5) return lower + 1.0L;
  if (excess < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0L;
}

long double GammaF(long double Y, const GammaParams& p) {
  const long double nb = GammaTermCount(p.b);
  const long double x = Y / p.a;
  if (std::isnan(x)) return x;
  // n! is built up with the terms, (x^n/n!)*exp(-x) = term(n-1)*x/n, so that
  // neither x^n nor n! overflows. A term that has underflowed to 0 keeps every
  // later term at 0, which ends an overlong sum without changing it.
  long double term = std::exp(-x);
  long double sum = 0.0L;
  for (long double n = 0.0L; n < nb; n += 1.0L) {
    if (n > 0.0L) term = term * x / n;
    if (term == 0.0L) break;
    sum += term;
  }
  return 1.0L - sum;
}

long double StudentOneF(long double Y, const StudentParams& p) {
  return LinkF(Link::Cauchy, StudentT(Y, p));
}

long double StudentTwoF(long double Y, const StudentParams& p) {
  const long double T = StudentT(Y, p);
  return 0.5L * (1.0L + T / std::sqrt(2.0L + T * T));
}

std::optional<long double> StudentOneInverse(long double F, const StudentParams& p) {
  return FiniteOrNothing(p.mean + p.sd * LinkFt(Link::Cauchy, F));
}

std::optional<long double> StudentTwoInverse(long double F, const StudentParams& p) {
  const long double u = 2.0L * F - 1.0L;
  const long double denominator = 1.0L - u * u;
  if (!(denominator > 0.0L)) return std::nullopt;
  return FiniteOrNothing(p.mean + p.sd * std::sqrt(2.0L) * u / std::sqrt(denominator));
}

long double RayleighF(long double Y, const RayleighParams& p) {
  return 1.0L - std::exp(-RealPower(Y, p.E) / p.S);
}

std::optional<long double> RayleighInverse(long double F, const RayleighParams& p) {
  return RealRoot(-p.S * std::log(1.0L - F), p.E);
}

}  // namespace quarlin
