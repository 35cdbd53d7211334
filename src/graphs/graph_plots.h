#pragma once
// The data of each graph drawn from the report's table: points, curves with
// their belt, the separation line, histogram bars, the belt of X and the
// predicted-observed points. Curves the table does not hold (the evaluated
// curve of sparse data, the density curve) are drawn elsewhere.

#include "graphs/canvas.h"
#include "graphs/graph_data.h"
#include "graphs/graph_frame.h"
#include "graphs/graph_scales.h"
#include "graphs/graph_type.h"

namespace quarlin {

// Below this many points a curve is drawn with its belt; the belt of X
// below this many data.
inline constexpr int kMostPointsForBelt = 250;
inline constexpr int kMostDataForBeltOfX = 260;

// Whether showing or hiding the belt changes graph `type` of a report of
// `nrOfData` data: the cumulative and return-period graphs (a row per
// datum) draw it below kMostPointsForBelt, the belt of X below
// kMostDataForBeltOfX; the other graphs have none.
bool BeltChangesGraph(GraphType type, int nrOfData);

// Cumulative and return-period graphs: a circle per observed value.
void PaintObservedPoints(Canvas& canvas, const GraphColumns& columns, const GraphScales& scales,
                         const GraphView& view);

// Cumulative and return-period graphs: the calculated curve through the
// table's rows and, when wanted, its 90% limits.
void PaintCalculatedCurve(Canvas& canvas, GraphType type, const GraphColumns& columns,
                          const GraphScales& scales, const GraphView& view);

// Cumulative graph of a composite: the vertical line at the separation point.
void PaintSeparationLine(Canvas& canvas, const GraphData& data, const GraphScales& scales,
                         const GraphView& view);

// Interval graphs: the bars of the inner classes (the first and the last
// class lie beyond the data) and, for the calculated histogram, a "#" at
// each observed frequency.
void PaintHistogram(Canvas& canvas, GraphType type, GraphColumns columns, const GraphScales& scales,
                    const GraphView& view);

// Confidence belt of X: calculated against observed X and, when wanted and
// there are not too many data, the 90% limits.
void PaintBeltOfX(Canvas& canvas, const GraphColumns& columns, int nrOfData,
                  const GraphScales& scales, const GraphView& view);

// Predicted-observed graph: a circle per row and the line Obs = Calc.
void PaintPredictedObserved(Canvas& canvas, const GraphColumns& columns, const GraphScales& scales,
                            const GraphView& view);

}  // namespace quarlin
