#include "cli/graphs/graph_command.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/catalogue/catalogue.h"
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
  return DrawOne(report, *type, options, options.output, *format, err) ? 0 : 1;
}

}  // namespace quarlin
