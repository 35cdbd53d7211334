#include "graphs/graph_plots.h"

#include <algorithm>

namespace quarlin {
namespace {

constexpr int kPointRadius = 2;
constexpr int kTextSize = 10;
constexpr int kMarkShift = 2;
constexpr int kMarkRise = 7;
constexpr long double kLowestBarShare = 0.005L;

Pen PenOf(Rgb colour, const GraphView& view, PenStyle style = PenStyle::kSolid) {
  return {Ink(colour, view.inColour), 1, style};
}

void Circle(Canvas& canvas, long double x, long double y, const GraphScales& scales,
            const Pen& pen) {
  const int px = XPixel(x, scales.x);
  const int py = YPixel(y, scales.y);
  canvas.EllipseOutline(px - kPointRadius, py - kPointRadius, px + kPointRadius, py + kPointRadius,
                        pen);
}

void Segment(Canvas& canvas, long double x1, long double y1, long double x2, long double y2,
             const GraphScales& scales, const Pen& pen) {
  canvas.Line(XPixel(x1, scales.x), YPixel(y1, scales.y), XPixel(x2, scales.x),
              YPixel(y2, scales.y), pen);
}

// Scaled values against the axis limits, as the labels show them.
bool WithinTop(long double value, const AxisScale& axis) {
  return value * axis.factor <= axis.max;
}
bool AboveBottom(long double value, const AxisScale& axis) {
  return value * axis.factor > axis.min;
}

}  // namespace

bool BeltChangesGraph(GraphType type, int nrOfData) {
  switch (type) {
    case GraphType::kCumulative:
    case GraphType::kReturnPeriods:
      return nrOfData < kMostPointsForBelt;
    case GraphType::kConfidenceBeltOfX:
      return nrOfData < kMostDataForBeltOfX;
    default:
      return false;
  }
}

void PaintObservedPoints(Canvas& canvas, const GraphColumns& columns, const GraphScales& scales,
                         const GraphView& view) {
  const Pen pen = PenOf(kCyan, view);
  for (size_t i = 0; i < columns.Rows(); ++i)
    Circle(canvas, columns.x[i], columns.observed[i], scales, pen);
}

void PaintCalculatedCurve(Canvas& canvas, GraphType type, const GraphColumns& columns,
                          const GraphScales& scales, const GraphView& view) {
  const bool periods = type == GraphType::kReturnPeriods;
  const auto curveShown = [&](size_t i) {
    return !periods ||
           (AboveBottom(columns.calculated[i], scales.y) &&
            WithinTop(columns.calculated[i], scales.y) && WithinTop(columns.x[i], scales.x));
  };
  const Pen curve = PenOf(kWhite, view);
  for (size_t i = 1; i < columns.Rows(); ++i)
    if (curveShown(i))
      Segment(canvas, columns.x[i - 1], columns.calculated[i - 1], columns.x[i],
              columns.calculated[i], scales, curve);

  if (!view.beltShown || columns.Rows() >= static_cast<size_t>(kMostPointsForBelt)) return;
  const Pen belt = PenOf(kYellow, view, PenStyle::kDotted);
  for (size_t i = 1; i < columns.Rows(); ++i) {
    if (columns.lower[i] > 0 && WithinTop(columns.lower[i], scales.y) &&
        WithinTop(columns.x[i], scales.x))
      Segment(canvas, columns.x[i - 1], columns.lower[i - 1], columns.x[i], columns.lower[i],
              scales, belt);
    if (curveShown(i))
      Segment(canvas, columns.x[i - 1], columns.upper[i - 1], columns.x[i], columns.upper[i],
              scales, belt);
  }
}

void PaintSeparationLine(Canvas& canvas, const GraphData& data, const GraphScales& scales,
                         const GraphView& view) {
  if (!data.separationPoint || !data.frequencyPastSeparation) return;
  const int x = XPixel(*data.separationPoint, scales.x);
  const Pen pen =
      view.inColour ? Pen{kGreen, 1, PenStyle::kDotted} : Pen{kBlack, 1, PenStyle::kDashed};
  canvas.Line(x, kPlotBottom, x, YPixel(*data.frequencyPastSeparation, scales.y), pen);
}

void PaintHistogram(Canvas& canvas, GraphType type, GraphColumns columns, const GraphScales& scales,
                    const GraphView& view) {
  const size_t classes = columns.Rows();
  if (classes >= 2 && columns.upper[0] > columns.upper[1]) columns.upper[0] = columns.upper[1] / 2;
  const Pen pen = PenOf(kWhite, view);
  const Font mark{"Arial", kTextSize, pen.colour};
  const long double lowest = kLowestBarShare * scales.y.max;
  for (size_t i = 1; i + 1 < classes; ++i) {
    const long double height = std::max(columns.upper[i], lowest);
    const int left = XPixel(columns.x[i], scales.x);
    const int right = XPixel(columns.x[i + 1], scales.x);
    const int top = YPixel(height, scales.y);
    if (height >= 0) canvas.Line(left, kPlotBottom, left, top, pen);
    if (height > 0) {
      canvas.Line(left, top, right, top, pen);
      canvas.Line(right, top, right, kPlotBottom, pen);
    }
    if (type == GraphType::kIntervalCalculated) {
      const int middle = XPixel((columns.x[i] + columns.x[i + 1]) / 2, scales.x) - kMarkShift;
      canvas.Text(middle, YPixel(columns.calculated[i], scales.y) - kMarkRise, "#", mark);
    }
  }
}

void PaintBeltOfX(Canvas& canvas, const GraphColumns& columns, int nrOfData,
                  const GraphScales& scales, const GraphView& view) {
  const Pen line = PenOf(kWhite, view);
  for (size_t i = 1; i < columns.Rows(); ++i)
    Segment(canvas, columns.x[i - 1], columns.calculated[i - 1], columns.x[i],
            columns.calculated[i], scales, line);
  if (!view.beltShown || !BeltChangesGraph(GraphType::kConfidenceBeltOfX, nrOfData)) return;
  const Pen belt = PenOf(kYellow, view, PenStyle::kDotted);
  for (size_t i = 1; i < columns.Rows(); ++i) {
    Segment(canvas, columns.x[i - 1], columns.lower[i - 1], columns.x[i], columns.lower[i], scales,
            belt);
    Segment(canvas, columns.x[i - 1], columns.upper[i - 1], columns.x[i], columns.upper[i], scales,
            belt);
  }
}

void PaintPredictedObserved(Canvas& canvas, const GraphColumns& columns, const GraphScales& scales,
                            const GraphView& view) {
  const Pen points = PenOf(kCyan, view);
  for (size_t i = 0; i < columns.Rows(); ++i)
    Circle(canvas, columns.observed[i], columns.calculated[i], scales, points);
  if (columns.Rows() == 0) return;
  const long double first = columns.observed.front();
  const long double last = columns.observed.back();
  Segment(canvas, first, first, last, last, scales, PenOf(kWhite, view, PenStyle::kDashed));
}

}  // namespace quarlin
