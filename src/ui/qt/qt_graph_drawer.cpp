#include "ui/qt/qt_graph_drawer.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "engine/catalogue/catalogue.h"
#include "graphs/graph_curves.h"
#include "graphs/graph_data_reader.h"
#include "graphs/graph_painter.h"
#include "graphs_qt/qt_canvas.h"
#include "ui/control/graphics_texts.h"

namespace quarlin::ui {
namespace {

// A file without any write permission is one its owner protected; the
// atomic rename would replace it regardless, so it is refused here.
bool IsReadOnlyFile(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  using std::filesystem::perms;
  return (status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) ==
         perms::none;
}

std::string NotWrittenMessage(const std::string& path, const std::string& reason) {
  return "The graph could not be written to " + path + " (" + reason + ")";
}

}  // namespace

DrawnGraph QtGraphDrawer::Draw(const std::string& outPath, int type, bool colour, bool belt) {
  if (type < kCumulativeGraph || type > kIntervalObservedGraph)
    return {Status::Error(kNoGraphTypeMessage), 0};
  const auto graphType = static_cast<GraphType>(type);
  const GraphDataReading reading = ReadGraphData(outPath, graphType);
  if (!reading.data) return {Status::Error(reading.error), 0};
  const GraphData& data = *reading.data;
  if (!CanDraw(data, graphType)) {
    return {Status::Error("The report " + outPath + " holds no range of values for the graph \"" +
                          kGraphChoiceCaptions[type - 1] + "\""),
            data.nrOfData};
  }
  QtCanvas canvas;
  PaintGraph(canvas, data, graphType, {colour, belt},
             {ListName(data.DistrCode()), std::string(kCreditLine)},
             EvaluateCurvesFor(data, graphType));
  image_ = canvas.Image();
  return {Status::Ok(), data.nrOfData};
}

Status QtGraphDrawer::SaveBmp(const std::string& path) {
  if (image_.isNull()) return Status::Error(NotWrittenMessage(path, "no graph has been drawn"));
  if (IsReadOnlyFile(path))
    return Status::Error(NotWrittenMessage(path, std::generic_category().message(EACCES)));
  if (std::string reason; !SaveImage(image_, path, ImageFormat::kBmp, &reason))
    return Status::Error(NotWrittenMessage(path, reason));
  return Status::Ok();
}

Status QtGraphDrawer::LoadPicture(const std::string& path) {
  QImage picture;
  if (!picture.load(QString::fromStdString(path)))
    return Status::Error("The file " + path + " could not be read as a picture");
  picture_ = picture;
  return Status::Ok();
}

}  // namespace quarlin::ui
