#include "calculator/normal_inverse.h"

#include <algorithm>
#include <cmath>

#include "calculator/forward_table.h"
#include "engine/catalogue/codes.h"

namespace quarlin {
namespace {

double Transformed(int code, double v, double E) {
  switch (code) {
    case kLogNormal:
    case kLogNormalOptimized:
      return std::log(v);
    case kRootNormal:
      return std::sqrt(v);
    case kSquareNormal:
      return v * v;
    case kGeneralizedNormal:
      return std::pow(v, E);
    default:
      return v;
  }
}

void Update(Extremes& e, double v) {
  e.largest = std::max(e.largest, v);
  e.smallest = std::min(e.smallest, v);
}

}  // namespace

Extremes MaxMin(const WorkingValues& w, std::vector<long double> values) {
  Extremes extremes;
  for (auto& v : values) {
    v = v - w.shift + 0.001L;
    Update(extremes, static_cast<double>(v));
  }
  if (w.code > kNormalOptimized) {
    extremes = Extremes{};
    for (auto& v : values) {
      v = Transformed(w.code, static_cast<double>(v), w.E);
      Update(extremes, static_cast<double>(v));
    }
  }
  return extremes;
}

std::optional<NormalGrid> NormalGridFor(const WorkingValues& w, const Extremes& extremes) {
  if (!(w.Sd > 0) || !std::isfinite(w.Sd) || !std::isfinite(w.Av)) return std::nullopt;
  const double from = std::min(extremes.smallest, w.Av - 2 * w.Sd);
  const double to = std::max(extremes.largest, w.Av + 8 * w.Sd);
  const double step = (to - from) / kNormalGridSteps;
  if (!std::isfinite(from) || !(step > 0) || !std::isfinite(step)) return std::nullopt;
  return NormalGrid{from, step};
}

std::optional<double> NormalCalc(const WorkingValues& w, const Extremes& extremes, double f) {
  const auto grid = NormalGridFor(w, extremes);
  if (!grid) return std::nullopt;
  for (int i = 0; i <= kNormalGridSteps; ++i) {
    const double y = grid->from + i * grid->step;
    if (CalculatorNormalF(y, w.Av, w.Sd, 0.0) > f) return y;
  }
  return std::nullopt;
}

std::optional<double> NormalBackTransform(const WorkingValues& w, double y, Limit limit) {
  double X = 0;
  switch (w.code) {
    case kLogNormal:
    case kLogNormalOptimized:
      X = std::exp(y) + w.shift;
      break;
    case kRootNormal:
      if (y < 0) return std::nullopt;
      X = y * y + w.shift;
      break;
    case kSquareNormal:
      if (y < 0) return std::nullopt;
      X = std::sqrt(y) + w.shift;
      break;
    case kGeneralizedNormal:
      if (limit == Limit::Lower && !(y > 0)) y = 0.001;
      X = std::pow(y, 1 / w.E) + w.shift;
      break;
    default:
      X = y + w.shift + 0.001;
  }
  if (!std::isfinite(X)) return std::nullopt;
  return X;
}

}  // namespace quarlin
