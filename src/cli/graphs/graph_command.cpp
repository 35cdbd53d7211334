#include "cli/graphs/graph_command.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

#include "common/text_file.h"
#include "data/messages.h"
#include "engine/catalogue/catalogue.h"
#include "engine/report/report_landmarks.h"
#include "graphs/graph_curves.h"
#include "graphs/graph_data_reader.h"
#include "graphs/graph_painter.h"
#include "graphs/graph_scales.h"
#include "graphs_qt/qt_canvas.h"

namespace quarlin {
namespace {

constexpr GraphType kAllTypes[] = {GraphType::kCumulative,        GraphType::kIntervalCalculated,
                                   GraphType::kConfidenceBeltOfX, GraphType::kReturnPeriods,
                                   GraphType::kPredictedObserved, GraphType::kIntervalObserved};

std::string ReportName(const std::string& base) {
  const auto extension = std::filesystem::path(base).extension();
  if (extension == ".out" || extension == ".aux" || extension == ".inp") return base;
  return base + ".out";
}

// Says at once what a report that is not whole lacks. False, with nothing
// drawn, when one of `types` needs a part it lacks; the other graphs are
// drawn from the parts it holds. A report that cannot be read is left to
// the drawing, which says why.
bool ReportWholeEnough(const std::filesystem::path& report, std::span<const GraphType> types,
                       std::ostream& err) {
  const auto lines = ReadLines(report);
  if (!lines) return true;
  const ReportLandmarks landmarks = CheckReportLandmarks(*lines);
  // The first part, in file order, that a graph asked for misses.
  for (const PartCheck& check : landmarks.parts) {
    if (check.state == PartState::kWhole) continue;
    for (GraphType type : types) {
      const auto needed = ReportPartsFor(type);
      if (std::find(needed.begin(), needed.end(), check.part) == needed.end()) continue;
      const std::string missing =
          landmarks.empty ? DamageText(landmarks) : DamageText(check, landmarks.nrOfData);
      err << IncompleteReportMessage(report.string(), missing) << kIncompleteReportNoGraph << '\n';
      return false;
    }
  }
  if (const std::string what = DamageText(landmarks); !what.empty())
    err << IncompleteReportMessage(report.string(), what)
        << (types.size() > 1 ? kIncompleteReportGraphsDrawn : kIncompleteReportGraphDrawn) << '\n';
  return true;
}

bool DrawOne(const std::filesystem::path& report, GraphType type, const GraphOptions& options,
             const std::filesystem::path& image, ImageFormat format, std::ostream& err) {
  const GraphDataReading reading = ReadGraphData(report, type);
  if (!reading.data) {
    err << reading.error << '\n';
    return false;
  }
  const GraphData& data = *reading.data;
  if (!CanDraw(data, type)) {
    err << "The report " << report.string() << " holds no range of values for the "
        << GraphTypeName(type) << " graph\n";
    return false;
  }
  QtCanvas canvas;
  PaintGraph(canvas, data, type, {!options.blackAndWhite, options.belt},
             {ListName(data.DistrCode()), std::string(kCreditLine)}, EvaluateCurvesFor(data, type));
  if (std::string reason; !SaveImage(canvas.Image(), image, format, &reason)) {
    err << "The graph could not be written to " << image.string() << " (" << reason << ")\n";
    return false;
  }
  return true;
}

}  // namespace

std::string GraphTypeName(GraphType type) {
  switch (type) {
    case GraphType::kCumulative:
      return "cumulative";
    case GraphType::kIntervalCalculated:
      return "interval";
    case GraphType::kConfidenceBeltOfX:
      return "x-confidence";
    case GraphType::kReturnPeriods:
      return "return";
    case GraphType::kPredictedObserved:
      return "predicted-observed";
    case GraphType::kIntervalObserved:
      return "histogram";
  }
  return {};
}

std::optional<GraphType> GraphTypeOf(const std::string& text) {
  for (GraphType type : kAllTypes) {
    if (text == GraphTypeName(type) || text == std::to_string(static_cast<int>(type))) return type;
  }
  return std::nullopt;
}

int GraphCommand(const GraphOptions& options, std::ostream& err) {
  const std::filesystem::path report = ReportName(options.base);
  const GraphicsSession session;
  if (options.type == "all") {
    if (!ReportWholeEnough(report, kAllTypes, err)) return 1;
    const ImageFormat format = options.format == "bmp" ? ImageFormat::kBmp : ImageFormat::kPng;
    const std::filesystem::path folder = options.output;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
      err << "The folder " << folder.string() << " could not be made\n";
      return 1;
    }
    const std::string stem = std::filesystem::path(report).stem().string();
    for (GraphType type : kAllTypes) {
      const auto image = folder / (stem + "-" + GraphTypeName(type) + "." + options.format);
      if (!DrawOne(report, type, options, image, format, err)) return 1;
    }
    return 0;
  }
  const std::optional<GraphType> type = GraphTypeOf(options.type);
  const std::optional<ImageFormat> format = ImageFormatOf(options.output);
  if (!type || !format) {
    err << (type ? "The image file must end in .bmp or .png: " + options.output
                 : "Unknown graph type: " + options.type)
        << '\n';
    return 1;
  }
  if (!ReportWholeEnough(report, std::span(&*type, 1), err)) return 1;
  return DrawOne(report, *type, options, options.output, *format, err) ? 0 : 1;
}

}  // namespace quarlin
