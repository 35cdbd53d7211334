#include "graphs_qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "graphs/graph_curves.h"
#include "graphs/graph_data_reader.h"
#include "graphs/graph_painter.h"

namespace quarlin {
namespace {

class QtCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new GraphicsSession; }
  static void TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
  }

  static GraphData Read(GraphType type) {
    const auto path = std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / "sleep.out";
    const GraphDataReading reading = ReadGraphData(path, type);
    EXPECT_TRUE(reading.data) << reading.error;
    return reading.data.value_or(GraphData{});
  }

  static QtCanvas Draw(GraphType type, bool inColour) { return Draw(Read(type), type, inColour); }

  static QtCanvas Draw(const GraphData& data, GraphType type, bool inColour) {
    QtCanvas canvas;
    PaintGraph(canvas, data, type, {inColour, true}, {"sleep", "Credit"},
               EvaluateCurvesFor(data, type));
    return canvas;
  }

 private:
  static GraphicsSession* session_;
};

GraphicsSession* QtCanvasTest::session_ = nullptr;

struct Probe {
  int x, y;
  Rgb colour, blackAndWhite;
};

// The panel covers (20,19) up to but not including (605,420); the axes run
// along x = 70 and y = 350 with the ticks below and to the left.
constexpr Probe kProbes[] = {
    {0, 0, kBackground, kBackground},
    {19, 19, kBackground, kBackground},
    {20, 19, kPanelColour, kWhite},
    {604, 419, kPanelColour, kWhite},
    {605, 419, kBackground, kBackground},
    {604, 420, kBackground, kBackground},
    {600, 400, kPanelColour, kWhite},
    {70, 200, kWhite, kBlack},
    {300, 350, kWhite, kBlack},
    {70, 353, kWhite, kBlack},
    {67, 350, kWhite, kBlack},
    {622, 440, kBackground, kBackground},
};

TEST_F(QtCanvasTest, PanelAxesAndTicksAtTheirPixels) {
  for (GraphType type : {GraphType::kCumulative, GraphType::kIntervalCalculated,
                         GraphType::kReturnPeriods, GraphType::kPredictedObserved}) {
    for (bool inColour : {true, false}) {
      const QtCanvas canvas = Draw(type, inColour);
      for (const Probe& p : kProbes) {
        EXPECT_EQ(canvas.PixelAt(p.x, p.y), inColour ? p.colour : p.blackAndWhite)
            << static_cast<int>(type) << " at " << p.x << "," << p.y << " colour " << inColour;
      }
    }
  }
}

// The first title is black on the background at (45,2): some of its pixels
// are black, none are outside the two colours but for smoothing, which is off.
TEST_F(QtCanvasTest, TitleIsDrawnInTheLiberationFace) {
  const QtCanvas canvas = Draw(GraphType::kCumulative, true);
  int black = 0;
  for (int x = 45; x < 120; ++x) {
    for (int y = 2; y < 18; ++y) {
      const Rgb pixel = canvas.PixelAt(x, y);
      black += pixel == kBlack;
      EXPECT_TRUE(pixel == kBlack || pixel == kBackground) << x << "," << y;
    }
  }
  EXPECT_GT(black, 20);
  QtCanvas empty;
  const TextExtent small = empty.MeasureText("Cumulative", {"Arial", 8, kBlack});
  const TextExtent large = empty.MeasureText("Cumulative", {"Arial", 12, kBlack});
  EXPECT_GT(small.width, 20);
  EXPECT_GT(large.width, small.width);
  EXPECT_GT(large.height, small.height);
  EXPECT_EQ(FaceFor("Arial"), "Liberation Sans");
  EXPECT_EQ(FaceFor("Courier"), "Courier");
}

int CountInBox(const QtCanvas& canvas, int left, int top, int right, int bottom, Rgb colour) {
  int count = 0;
  for (int x = left; x <= right; ++x) {
    for (int y = top; y <= bottom; ++y) count += canvas.PixelAt(x, y) == colour;
  }
  return count;
}

// Each observed point is a circle outline in the 5 by 5 box around its
// pixel: cyan in colour, black in black and white.
TEST_F(QtCanvasTest, ObservedCirclesAtTheirPixels) {
  const GraphData data = Read(GraphType::kReturnPeriods);
  const GraphScales scales = ScalesFor(data.columns, GraphType::kReturnPeriods);
  for (bool inColour : {true, false}) {
    const QtCanvas canvas = Draw(data, GraphType::kReturnPeriods, inColour);
    for (size_t r = 0; r < data.columns.Rows(); r += 5) {
      const int x = XPixel(data.columns.x[r], scales.x);
      const int y = YPixel(data.columns.observed[r], scales.y);
      EXPECT_GE(CountInBox(canvas, x - 2, y - 2, x + 2, y + 2, Ink(kCyan, inColour)), 4)
          << r << " colour " << inColour;
    }
  }
}

// The separation line runs up from the X axis at P to the frequency past
// it: dotted green in colour, dashed black in black and white; none without P.
TEST_F(QtCanvasTest, SeparationLineAtP) {
  GraphData data = Read(GraphType::kCumulative);
  const GraphScales scales = ScalesFor(data.columns, GraphType::kCumulative);
  const long double p = data.columns.x[data.columns.Rows() / 2];
  const int x = XPixel(p, scales.x);
  const int top = YPixel(60, scales.y);
  // Clear of the curve and the points, which cross the line near P.
  const int low = YPixel(15, scales.y);
  EXPECT_EQ(CountInBox(Draw(data, GraphType::kCumulative, true), x, top, x, low, kGreen), 0);
  data.separationPoint = p;
  data.frequencyPastSeparation = 60;
  const QtCanvas colour = Draw(data, GraphType::kCumulative, true);
  const int green = CountInBox(colour, x, low - 40, x, low, kGreen);
  EXPECT_GE(green, 10);
  EXPECT_LT(green, 41);
  // Above the line, below the green legend line.
  EXPECT_EQ(CountInBox(colour, x, 100, x, top - 2, kGreen), 0);
  const QtCanvas blackAndWhite = Draw(data, GraphType::kCumulative, false);
  EXPECT_GE(CountInBox(blackAndWhite, x, low - 40, x, low, kBlack), 10);
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t LittleEndian(const std::string& bytes, size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST_F(QtCanvasTest, SavesA24BitBmpAndAPngThatReadBack) {
  const QtCanvas canvas = Draw(GraphType::kCumulative, true);
  const auto folder = std::filesystem::temp_directory_path() / "quarlin_qt_canvas_test";
  std::filesystem::create_directories(folder);
  const auto bmp = folder / "graph.BMP";
  const auto png = folder / "graph.png";
  ASSERT_EQ(ImageFormatOf(bmp), ImageFormat::kBmp);
  ASSERT_EQ(ImageFormatOf(png), ImageFormat::kPng);
  EXPECT_EQ(ImageFormatOf(folder / "graph.jpg"), std::nullopt);
  EXPECT_EQ(ImageFormatOf(folder / "graph"), std::nullopt);
  ASSERT_TRUE(SaveImage(canvas.Image(), bmp, ImageFormat::kBmp));
  ASSERT_TRUE(SaveImage(canvas.Image(), png, ImageFormat::kPng));

  const std::string header = ReadAll(bmp);
  ASSERT_GT(header.size(), 54u);
  EXPECT_EQ(header.substr(0, 2), "BM");
  EXPECT_EQ(LittleEndian(header, 18, 4), 623u);
  EXPECT_EQ(LittleEndian(header, 22, 4), 441u);
  EXPECT_EQ(LittleEndian(header, 28, 2), 24u);
  EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");

  for (const auto& file : {bmp, png}) {
    const QImage read(QString::fromStdString(file.string()));
    ASSERT_EQ(read.width(), 623) << file;
    ASSERT_EQ(read.height(), 441) << file;
    for (const Probe& p : kProbes) {
      const QRgb pixel = read.pixel(p.x, p.y);
      EXPECT_EQ(
          (Rgb{static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
               static_cast<std::uint8_t>(qBlue(pixel))}),
          canvas.PixelAt(p.x, p.y))
          << file;
    }
  }
  // A folder that does not exist takes no image and leaves nothing behind.
  EXPECT_FALSE(SaveImage(canvas.Image(), folder / "missing" / "graph.png", ImageFormat::kPng));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quarlin
