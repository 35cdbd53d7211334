#include "calculator/normal_inverse.h"

#include <algorithm>
#include <cmath>

#include "calculator/forward_table.h"
#include "engine/catalogue/normal_variable.h"

namespace quarlin {
namespace {

// The calculator takes the root 1/E by std::pow, and says nothing of its
// value: the caller checks the result.
std::optional<double> Root(double y, double E) {
  return std::pow(y, 1 / E);
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
  // The members normal in a transformed variable take the extremes of it.
  if (w.row && w.row->normalForm != NormalForm::Plain) {
    extremes = Extremes{};
    for (auto& v : values) {
      v = CalculatorNormalVariable(*w.row, static_cast<double>(v), w.params.normal.E);
      Update(extremes, static_cast<double>(v));
    }
  }
  return extremes;
}

std::optional<NormalGrid> NormalGridFor(const WorkingValues& w, const Extremes& extremes) {
  const double Av = w.params.normal.M, Sd = w.params.normal.S;
  if (!(Sd > 0) || !std::isfinite(Sd) || !std::isfinite(Av)) return std::nullopt;
  const double from = std::min(extremes.smallest, Av - 2 * Sd);
  const double to = std::max(extremes.largest, Av + 8 * Sd);
  const double step = (to - from) / kNormalGridSteps;
  if (!std::isfinite(from) || !(step > 0) || !std::isfinite(step)) return std::nullopt;
  return NormalGrid{from, step};
}

std::optional<double> NormalCalc(const WorkingValues& w, const Extremes& extremes, double f) {
  const auto grid = NormalGridFor(w, extremes);
  if (!grid) return std::nullopt;
  for (int i = 0; i <= kNormalGridSteps; ++i) {
    const double y = grid->from + i * grid->step;
    if (CalculatorNormalF(y, w.params.normal, 0.0) > f) return y;
  }
  return std::nullopt;
}

std::optional<double> NormalBackTransform(const WorkingValues& w, double y, Limit limit) {
  if (!w.row) return std::nullopt;
  const NormalForm form = w.row->normalForm;
  if (form == NormalForm::Power && limit == Limit::Lower && !(y > 0)) y = 0.001;
  const auto v = NormalVariableInverseIn(form, y, w.params.normal.E, Root);
  if (!v) return std::nullopt;
  // The members normal in X itself come back 0.001 higher, as the data were
  // moved for MaxMin.
  double X = *v + w.shift;
  if (form == NormalForm::Plain) X += 0.001;
  if (!std::isfinite(X)) return std::nullopt;
  return X;
}

}  // namespace quarlin
