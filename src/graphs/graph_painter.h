#pragma once
// One whole graph of a report, in drawing order: the frame, the data of the
// graph type, the curves evaluated from the parameters when given, and the
// axes on top.

#include <optional>
#include <vector>

#include "graphs/canvas.h"
#include "graphs/graph_data.h"
#include "graphs/graph_frame.h"
#include "graphs/graph_scales.h"
#include "graphs/graph_type.h"

namespace quarlin {

struct CurvePoint {
  long double x = 0;
  long double y = 0;
};

// Curves the report's tables do not hold, computed from the parameter file.
struct EvaluatedCurves {
  // Cumulative graph of sparse data: the curve's points with their limits,
  // in % (x, calculated, lower, upper), drawn instead of the table's rows.
  std::optional<GraphColumns> sparseCurve;
  // Interval graphs: the density curve's points, in the table's units.
  std::vector<CurvePoint> density;
};

// Interval graphs: the density curve in cyan; a segment with both ends on
// one side of the separation point is dashed, one that crosses it dotted.
void PaintDensityCurve(Canvas& canvas, const std::vector<CurvePoint>& points,
                       std::optional<long double> separationPoint, const GraphScales& scales,
                       const GraphView& view);

// Whether `data` has a graph of `type`: a table with rows whose scales span
// a range on both axes (the pixel mapping divides by it; AxisByBand widens
// an axis that equal values would close), wide enough beside the size of
// its values for ticks that can be told apart.
bool CanDraw(const GraphData& data, GraphType type);

// Draws `type` from `data` with the scales the data give. Without an
// evaluated sparse curve the cumulative graph joins the table's rows;
// without density points the interval graphs show their bars only.
void PaintGraph(Canvas& canvas, const GraphData& data, GraphType type, const GraphView& view,
                const FrameTexts& texts, const EvaluatedCurves& curves = {});

}  // namespace quarlin
