#include "graphs/graph_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis/confidence_belt.h"
#include "engine/analysis/evaluation.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

bool OnAxis(long double x, const ValueRange& range) {
  return x >= range.min && x <= range.max;
}

// The curve points of the code over the axis, in the engine variable
// (data minus the shift).
CurvePoints PointsOverAxis(const ParameterFileContents& parameters, const ValueRange& range) {
  return EvaluateCurve(parameters.code, parameters.params, range.min - parameters.shift,
                       range.max - parameters.shift);
}

}  // namespace

ValueRange DataRangeOf(const AxisScale& x) {
  const long double factor = x.factor == 0 ? 1 : x.factor;
  return {x.min / factor, x.max / factor};
}

GraphColumns SparseCumulativeCurve(const ParameterFileContents& parameters, int nrOfData,
                                   const GraphScales& scales) {
  const ValueRange range = DataRangeOf(scales.x);
  const CurvePoints points = PointsOverAxis(parameters, range);
  GraphColumns curve;
  for (int b = 1; b <= kCurvePoints; ++b) {
    const long double x = points.CurveX[b] + parameters.shift;
    const double F = static_cast<double>(points.CurveFc[b]);
    // The normal family's values are not corrected: one without a value is
    // left out rather than drawn at no pixel.
    if (!OnAxis(x, range) || !std::isfinite(F)) continue;
    const double sd = nrOfData > 0 ? std::sqrt(F * (1 - F) * nrOfData) / nrOfData : 0;
    const BeltLimits belt = BeltAround(F, sd, 1.0);
    curve.x.push_back(x);
    curve.calculated.push_back(100.0L * F);
    curve.lower.push_back(100.0L * belt.lower);
    curve.upper.push_back(100.0L * belt.upper);
  }
  return curve;
}

std::vector<CurvePoint> DensityCurve(const ParameterFileContents& parameters,
                                     const GraphColumns& classes, const GraphScales& scales) {
  if (classes.Rows() < 2) return {};
  const ValueRange range = DataRangeOf(scales.x);
  const CurvePoints points = PointsOverAxis(parameters, range);
  const long double gridStep = points.CurveX[2] - points.CurveX[1];
  if (gridStep <= 0) return {};
  // The first and last classes of the interval table are narrower or wider
  // edge classes; an inner class has the width the bars are compared at.
  const size_t inner = classes.Rows() >= 3 ? 1 : 0;
  const long double classWidth = classes.x[inner + 1] - classes.x[inner];
  const long double cut = 0.8L * scales.y.max / (scales.y.factor == 0 ? 1 : scales.y.factor);
  std::vector<long double> d(kCurvePoints + 1, 0.0L);
  for (int i = 1; i <= kCurvePoints; ++i) {
    long double value =
        100.0L * (points.CurveFc[i] - points.CurveFc[i - 1]) * classWidth / gridStep;
    if (value > cut) value = cut;
    if (!(value > 0)) value = 0;
    d[i] = value;
  }
  // The normal family's first step is damped.
  if (IsNormalFamily(parameters.code) && d[1] > d[2]) d[1] = 0.75L * d[2];
  std::vector<CurvePoint> curve;
  for (int i = 1; i <= kCurvePoints; ++i) {
    const long double x = points.CurveX[i] + parameters.shift;
    if (OnAxis(x, range)) curve.push_back({x, d[i]});
  }
  return curve;
}

EvaluatedCurves EvaluateCurvesFor(const GraphData& data, GraphType type) {
  EvaluatedCurves curves;
  // Without a function of its own (codes 1 and 2) the table's rows stand.
  if (!HasFunction(data.DistrCode())) return curves;
  const GraphScales scales = ScalesFor(data.columns, type);
  if (type == GraphType::kCumulative && data.sparseData) {
    curves.sparseCurve = SparseCumulativeCurve(data.parameters, data.nrOfData, scales);
  } else if (type == GraphType::kIntervalCalculated || type == GraphType::kIntervalObserved) {
    curves.density = DensityCurve(data.parameters, data.columns, scales);
  }
  return curves;
}

}  // namespace quarlin
