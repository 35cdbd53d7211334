#include "graphs/graph_frame.h"

#include "graphs/graph_legends.h"

namespace quarlin {
namespace {

constexpr int kPanelLeft = 20;
constexpr int kPanelTop = 19;
constexpr int kPanelRight = 605;
constexpr int kPanelBottom = 420;
constexpr int kTextSize = 10;
constexpr int kTitleSize = 12;
constexpr int kTickTextSize = 8;
constexpr int kTickLength = 4;
constexpr int kTickLabelGap = 6;
constexpr int kXTickLabelShift = 8;
constexpr int kXTickLabelTop = 362;

}  // namespace

void PaintFrame(Canvas& canvas, const GraphData& data, GraphType type, const GraphScales& scales,
                const GraphView& view, const FrameTexts& texts) {
  canvas.FillRectangle(0, 0, kImageWidth, kImageHeight, kBackground);
  canvas.Text(45, 2, data.title1, {"Arial", kTitleSize, kBlack});
  canvas.Text(20, 425, texts.credit, {"Arial", kTextSize, kBlack});
  canvas.FillRectangle(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom, PanelFill(view.inColour));

  const Font white{"Arial", kTextSize, Ink(kWhite, view.inColour)};
  canvas.Text(45, 22, data.title2, white);
  const bool lowLabel =
      type == GraphType::kPredictedObserved || type == GraphType::kIntervalObserved;
  canvas.Text(lowLabel ? 400 : 470, 375, XAxisLabel(type, scales.x.factor), white);
  canvas.Text(82, 50, YAxisLabel(type, scales.y.factor), white);
  const bool separated = type == GraphType::kCumulative && data.separationPoint;
  canvas.Text(270, separated ? 35 : 50, texts.distributionName, white);

  const LegendOptions options{view.inColour, view.beltShown, data.separationPoint.has_value(),
                              data.nrOfData};
  for (const PlacedText& legend : LegendsFor(type, options))
    canvas.Text(legend.x, legend.y, legend.text, {"Arial", kTextSize, legend.colour});
}

void PaintAxes(Canvas& canvas, const GraphScales& scales, const GraphView& view) {
  const Pen pen{Ink(kWhite, view.inColour), 1, PenStyle::kSolid};
  const Font font{"Arial", kTickTextSize, pen.colour};
  canvas.Line(kPlotLeft, kPlotBottom, kPlotLeft, kPlotTop, pen);
  for (const Tick& tick : YTicks(scales.y)) {
    canvas.Line(kPlotLeft, tick.pixel, kPlotLeft - kTickLength, tick.pixel, pen);
    const TextExtent extent = canvas.MeasureText(tick.label, font);
    canvas.Text(kPlotLeft - kTickLabelGap - extent.width, tick.pixel - extent.height / 2,
                tick.label, font);
  }
  canvas.Line(kPlotLeft, kPlotBottom, kPlotLeft + kPlotWidth, kPlotBottom, pen);
  for (const Tick& tick : XTicks(scales.x)) {
    canvas.Line(tick.pixel, kPlotBottom, tick.pixel, kPlotBottom + kTickLength, pen);
    canvas.Text(tick.pixel - kXTickLabelShift, kXTickLabelTop, tick.label, font);
  }
}

}  // namespace quarlin
