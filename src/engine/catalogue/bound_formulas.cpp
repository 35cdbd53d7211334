#include "engine/catalogue/bound_formulas.h"

#include <cmath>

#include "engine/catalogue/distribution_table.h"
#include "engine/model/links.h"
#include "engine/model/real_power.h"

namespace quarlin {
namespace {

// F = exp(-w^A) (58, 59) or 1 - exp(-w^A) (35, 33): the mirrored Weibull or
// the Weibull link of A*ln w.
Link BoundedLink(int code) {
  return code == kFrechet || code == kFisherTippett3 ? Link::MirroredWeibull : Link::Weibull;
}

bool IsLowerBound(int code) {
  return BoundSideOf(code) == BoundSide::Lower;
}

}  // namespace

BoundedValue BoundedF(int code, long double Y, const BoundParams& p, bool atDataPoint) {
  const long double distance = IsLowerBound(code) ? Y - p.C : p.C - Y;
  long double w = distance / std::exp(-p.B / p.A);
  BoundedValue value;
  if (w <= 0.0L) {
    value.beyondBound = true;
    w = atDataPoint ? 0.0001L : 0.001L;
  }
  value.F = LinkF(BoundedLink(code), p.A * std::log(w));
  return value;
}

std::optional<long double> BoundedInverse(int code, long double F, const BoundParams& p) {
  // w = (-ln F)^(1/A), or (-ln(1 - F))^(1/A) for the 1 - exp forms.
  const long double w = std::exp(LinkFt(BoundedLink(code), F) / p.A);
  const long double distance = std::exp(-p.B / p.A) * w;
  return FiniteOrNothing(IsLowerBound(code) ? distance + p.C : p.C - distance);
}

long double GevF(long double Y, const GevParams& p) {
  if (p.K == 0.0) return LinkF(Link::Gumbel, (Y - p.A) / p.B);
  const long double c = (Y - p.A) * p.K / p.B;
  if (1.0L + c <= 0.0L) return std::exp(-1.0L);
  return std::exp(-std::exp(-std::log(1.0L + c) / p.K));
}

std::optional<long double> GevInverse(long double F, const GevParams& p) {
  if (p.K == 0.0) return FiniteOrNothing(p.A + p.B * LinkFt(Link::Gumbel, F));
  return FiniteOrNothing(p.A + p.B * (std::exp(-p.K * std::log(-std::log(F))) - 1.0L) / p.K);
}

long double KumaraswamyF(long double Y, const KumaraswamyParams& p) {
  const long double inner = 1.0L - RealPower(Y / p.M, p.A);
  if (inner <= 0.0L) return 1.0L;
  return 1.0L - RealPower(inner, p.B);
}

std::optional<long double> KumaraswamyInverse(long double F, const KumaraswamyParams& p) {
  const auto root = RealRoot(1.0L - std::exp(std::log(1.0L - F) / p.B), p.A);
  if (!root) return std::nullopt;
  return FiniteOrNothing(p.M * *root);
}

}  // namespace quarlin
