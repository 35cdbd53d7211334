#include "graphs/graph_painter.h"

#include "graphs/graph_plots.h"

namespace quarlin {

void PaintDensityCurve(Canvas& canvas, const std::vector<CurvePoint>& points,
                       std::optional<long double> separationPoint, const GraphScales& scales,
                       const GraphView& view) {
  const Rgb colour = Ink(kCyan, view.inColour);
  for (size_t i = 1; i < points.size(); ++i) {
    const CurvePoint& a = points[i - 1];
    const CurvePoint& b = points[i];
    const bool oneSide = !separationPoint || ((a.x < *separationPoint) == (b.x < *separationPoint));
    canvas.Line(XPixel(a.x, scales.x), YPixel(a.y, scales.y), XPixel(b.x, scales.x),
                YPixel(b.y, scales.y),
                {colour, 1, oneSide ? PenStyle::kDashed : PenStyle::kDotted});
  }
}

bool CanDraw(const GraphData& data, GraphType type) {
  if (data.columns.Rows() == 0) return false;
  const GraphScales scales = ScalesFor(data.columns, type);
  return HasDistinctTicks(scales.x) && HasDistinctTicks(scales.y);
}

void PaintGraph(Canvas& canvas, const GraphData& data, GraphType type, const GraphView& view,
                const FrameTexts& texts, const EvaluatedCurves& curves) {
  const GraphScales scales = ScalesFor(data.columns, type);
  PaintFrame(canvas, data, type, scales, view, texts);
  switch (type) {
    case GraphType::kCumulative:
    case GraphType::kReturnPeriods: {
      PaintObservedPoints(canvas, data.columns, scales, view);
      const bool evaluated =
          type == GraphType::kCumulative && data.sparseData && curves.sparseCurve.has_value();
      PaintCalculatedCurve(canvas, type, evaluated ? *curves.sparseCurve : data.columns, scales,
                           view);
      if (type == GraphType::kCumulative) PaintSeparationLine(canvas, data, scales, view);
      break;
    }
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved:
      PaintHistogram(canvas, type, data.columns, scales, view);
      PaintDensityCurve(canvas, curves.density, data.separationPoint, scales, view);
      break;
    case GraphType::kConfidenceBeltOfX:
      PaintBeltOfX(canvas, data.columns, data.nrOfData, scales, view);
      break;
    case GraphType::kPredictedObserved:
      PaintPredictedObserved(canvas, data.columns, scales, view);
      break;
  }
  PaintAxes(canvas, scales, view);
}

}  // namespace quarlin
