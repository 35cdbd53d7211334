#pragma once
// The curves a report does not tabulate, evaluated from its parameter file:
// the cumulative curve of sparse data with its 90% limits and the density
// curve of the interval graphs.
//
// Both are evaluated over the graph's own X axis (its limits back in data
// units), so they need nothing but the report and its parameter file. Points
// that fall outside the axis are left out: they would be drawn beyond the
// plot area.

#include "graphs/graph_data.h"
#include "graphs/graph_painter.h"
#include "graphs/graph_scales.h"
#include "graphs/graph_type.h"

namespace quarlin {

// The axis range in data units (the axis limits divided by the factor).
ValueRange DataRangeOf(const AxisScale& x);

// The 20 curve points in data units with the calculated frequency and its
// limits in % (x, calculated, lower, upper), for N data.
GraphColumns SparseCumulativeCurve(const ParameterFileContents& parameters, int nrOfData,
                                   const GraphScales& scales);

// d(i) = 100·(F(i) - F(i-1)) times the width of an inner class (the edge
// classes are of other widths) over the grid step, cut
// to 0.8·Ymax and floored at 0; for the normal family (20-29) a first value
// larger than the second becomes 0.75 times the second.
std::vector<CurvePoint> DensityCurve(const ParameterFileContents& parameters,
                                     const GraphColumns& classes, const GraphScales& scales);

// What PaintGraph needs for `type` beyond the report's table.
EvaluatedCurves EvaluateCurvesFor(const GraphData& data, GraphType type);

}  // namespace quarlin
