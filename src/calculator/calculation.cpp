#include "calculator/calculation.h"

#include <algorithm>
#include <cmath>

#include "calculator/forward_table.h"
#include "calculator/inverse_table.h"
#include "calculator/normal_inverse.h"
#include "common/number_text.h"
#include "engine/analysis/confidence_belt.h"
#include "engine/model/shift_units.h"

namespace quarlin {

FrequencyLimits LimitsOf(double F, int N) {
  const double s = std::sqrt(F * (1 - F) * N) / N;
  const BeltLimits belt = BeltAround(F, s, 1.0);
  FrequencyLimits limits;
  limits.upper = std::min(belt.upper, 1.0);
  limits.lower = std::max(belt.lower, 0.0);
  return limits;
}

bool IsLeftShifted(double shift) {
  return shift > 0 && std::fabs(shift - static_cast<double>(kPositiveShift)) > 1e-12;
}

double WithinReturnPeriods(double T) {
  if (std::isnan(T)) return T;
  return std::clamp(T, 1.0, kLargestReturnPeriod);
}

std::optional<double> FittedEnd(const WorkingValues& w, Beyond side) {
  if (side == Beyond::None) return std::nullopt;
  const bool upper = side == Beyond::Upper;
  return InverseX(w, upper ? 1.0 : 0.0, Limit::Result, upper ? Branch::Upper : Branch::Lower);
}

ForwardResult CalcFrequent(const WorkingValues& w, int N, double X) {
  // The fits saw X minus the shift and, unless the data were shifted to
  // the left, plus 0.0001: after a left shift that 0.0001 would be several
  // times the whole range of the data (they lie below 0.0004).
  double x = X - w.shift + (IsLeftShifted(w.shift) ? 0.0 : static_cast<double>(kPositiveShift));
  if (!(x > 0)) x = 0.001;
  const ForwardValue value = ForwardF(w, X, x);
  ForwardResult r;
  if (value.beyond != Beyond::None) {
    // No belt around a frequency the law cannot leave.
    r.beyond = value.beyond;
    r.bound = FittedEnd(w, value.beyond);
    r.F = value.F;
    r.limits = {value.F, value.F};
    r.T = r.TLower = r.TUpper = WithinReturnPeriods(1 / (1 - value.F));
    return r;
  }
  double F = value.F;
  if (F <= 0) F = 0.0000001;
  // Also a hair below 1, where 1/(1 - F) would pass every return period
  // the calculator gives.
  if (F > 0.9999999) F = 0.9999999;
  r.limits = LimitsOf(F, N);
  r.F = F;
  r.T = WithinReturnPeriods(1 / (1 - r.F));
  const double W = 1 / (1 - r.limits.upper) - 1 / (1 - r.limits.lower);
  r.TLower = WithinReturnPeriods(r.T - 0.33 * W);
  r.TUpper = WithinReturnPeriods(r.T + 0.66 * W);
  return r;
}

InverseResult CalcVal(const WorkingValues& w, const std::vector<long double>& values, double F) {
  const FrequencyLimits limits = LimitsOf(F, static_cast<int>(values.size()));
  InverseResult r;
  if (w.IsNormalFamily()) {
    const Extremes extremes = MaxMin(w, values);
    auto at = [&](double f, Limit limit) -> std::optional<double> {
      const auto y = NormalCalc(w, extremes, f);
      if (!y) return std::nullopt;
      return NormalBackTransform(w, *y, limit);
    };
    r.X = at(F, Limit::Result);
    r.XUpper = at(limits.upper, Limit::Upper);
    r.XLower = at(limits.lower, Limit::Lower);
    return r;
  }
  const Branch branch = BranchFor(w, F);
  r.X = InverseX(w, F, Limit::Result, branch);
  r.XUpper = InverseX(w, limits.upper, Limit::Upper, branch);
  r.XLower = InverseX(w, limits.lower, Limit::Lower, branch);
  return r;
}

std::string ResultText(std::optional<double> value) {
  if (!value || !std::isfinite(*value)) return " n.a";
  return General(*value);
}

}  // namespace quarlin
