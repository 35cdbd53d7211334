// `quarlin-cli graph` over a report's files (see report_sections.h for the
// input's layout; a queries section is ignored): for each of the six graph
// types the report is read, and what the command would draw is painted onto
// a recording canvas in colour and in black and white, with and without the
// confidence belt, so that the scales, the axes and the painter run on
// whatever the reader accepts.
//
// Beyond running without a crash or undefined behaviour, the target checks
// what the image shows:
// - a report is either read or refused with a message;
// - in black and white every line, circle and text is black and the panel
//   white; without the belt no yellow (belt) line is drawn;
// - every tick label is a finite number, the X labels rising from the left
//   and the Y labels falling from the top;
// - painting the same data twice draws the same.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "graphs/graph_curves.h"
#include "graphs/graph_data_reader.h"
#include "graphs/graph_frame.h"
#include "graphs/graph_painter.h"
#include "graphs/recording_canvas.h"
#include "report_sections.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

namespace {

// The tick labels' size, and the top of the X axis' labels.
constexpr int kTickTextSize = 8;
constexpr int kXTickLabelTop = 362;

// Records as RecordingCanvas does, and checks each call against the view.
class CheckingCanvas : public RecordingCanvas {
 public:
  explicit CheckingCanvas(const GraphView& view) : view_(view) {}

  void FillRectangle(int left, int top, int right, int bottom, Rgb colour) override {
    Require(colour == kBackground || colour == PanelFill(view_.inColour),
            "only the background and the panel are filled");
    RecordingCanvas::FillRectangle(left, top, right, bottom, colour);
  }
  void Line(int x1, int y1, int x2, int y2, const Pen& pen) override {
    CheckInk(pen.colour);
    if (!view_.beltShown)
      Require(!(pen.colour == kYellow && view_.inColour), "no belt is drawn when it is hidden");
    RecordingCanvas::Line(x1, y1, x2, y2, pen);
  }
  void EllipseOutline(int left, int top, int right, int bottom, const Pen& pen) override {
    CheckInk(pen.colour);
    RecordingCanvas::EllipseOutline(left, top, right, bottom, pen);
  }
  void Text(int x, int y, const std::string& text, const Font& font) override {
    CheckInk(font.colour);
    if (font.size == kTickTextSize) (y == kXTickLabelTop ? xLabels_ : yLabels_).push_back(text);
    RecordingCanvas::Text(x, y, text, font);
  }

  const std::vector<std::string>& XLabels() const { return xLabels_; }
  const std::vector<std::string>& YLabels() const { return yLabels_; }

 private:
  void CheckInk(Rgb colour) const {
    if (!view_.inColour) Require(colour == kBlack, "black and white draws in black");
  }

  GraphView view_;
  std::vector<std::string> xLabels_;
  std::vector<std::string> yLabels_;
};

double LabelValue(const std::string& label) {
  const size_t start = label.find_first_not_of(' ');
  Require(start != std::string::npos, "a tick label is not blank");
  double value = 0;
  const auto [end, error] =
      std::from_chars(label.data() + start, label.data() + label.size(), value);
  Require(error == std::errc() && end == label.data() + label.size() && std::isfinite(value),
          "a tick label is a finite number");
  return value;
}

void RequireLabels(const std::vector<std::string>& labels, bool rising) {
  Require(!labels.empty(), "an axis has tick labels");
  double previous = LabelValue(labels.front());
  for (size_t i = 1; i < labels.size(); ++i) {
    const double value = LabelValue(labels[i]);
    Require(rising ? value >= previous : value <= previous, "tick labels run one way");
    previous = value;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::ReportSections sections = fuzz::SplitReportSections(fuzz::Bytes(data, size));
  const auto report = fuzz::WriteReportFiles(fuzz::Scratch(), sections);
  for (int number = 1; number <= 6; ++number) {
    const auto type = static_cast<GraphType>(number);
    const GraphDataReading reading = ReadGraphData(report, type);
    Require(reading.data.has_value() != !reading.error.empty(),
            "a report is either read or refused with a message");
    if (!reading.data || !CanDraw(*reading.data, type)) continue;
    const GraphData& graph = *reading.data;
    const FrameTexts texts{ListName(graph.DistrCode()), kCreditLine};
    const EvaluatedCurves curves = EvaluateCurvesFor(graph, type);
    for (const bool inColour : {true, false}) {
      for (const bool beltShown : {true, false}) {
        const GraphView view{inColour, beltShown};
        CheckingCanvas canvas(view);
        PaintGraph(canvas, graph, type, view, texts, curves);
        RequireLabels(canvas.XLabels(), true);
        RequireLabels(canvas.YLabels(), false);
        if (inColour && beltShown) {
          RecordingCanvas again;
          PaintGraph(again, graph, type, view, texts, curves);
          Require(again.Calls() == canvas.Calls(), "the same data draw the same");
        }
      }
    }
  }
  return 0;
}
