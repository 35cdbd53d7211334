#include "engine/catalogue/laplace_formulas.h"

#include <cmath>

#include "engine/model/real_power.h"

namespace quarlin {
namespace {

// Both laws are these two halves in a transformed value v.
long double LowerHalf(long double v, const LaplaceParams& p) {
  return 0.5L * std::exp((v - p.L) / p.D1);
}

long double UpperHalf(long double v, const LaplaceParams& p) {
  return 1.0L - 0.5L * std::exp(-(v - p.L) / p.D2);
}

// v with the half's value F: lower below 0.5, upper from 0.5 on.
long double HalfInverse(long double F, const LaplaceParams& p) {
  if (F < 0.5L) return p.L + p.D1 * std::log(2.0L * F);
  return p.L - p.D2 * std::log(2.0L - 2.0L * F);
}

}  // namespace

long double LaplaceF(long double Y, const LaplaceParams& p) {
  return Y < p.L ? LowerHalf(Y, p) : UpperHalf(Y, p);
}

std::optional<long double> LaplaceInverse(long double F, const LaplaceParams& p) {
  return FiniteOrNothing(HalfInverse(F, p));
}

bool OnGeneralizedLaplaceLowerSide(long double Y, const LaplaceParams& p) {
  return RealPower(Y, p.E1) <= p.L;
}

long double GeneralizedLaplaceF(long double Y, const LaplaceParams& p) {
  if (OnGeneralizedLaplaceLowerSide(Y, p)) return LowerHalf(RealPower(Y, p.E1), p);
  return UpperHalf(RealPower(Y, p.E2), p);
}

std::optional<long double> GeneralizedLaplaceInverse(long double F, const LaplaceParams& p) {
  return RealRoot(HalfInverse(F, p), F < 0.5L ? p.E1 : p.E2);
}

}  // namespace quarlin
