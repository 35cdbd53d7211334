#include "graphs/graph_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "graphs/graph_data_reader.h"
#include "graphs/recording_canvas.h"

namespace quarlin {
namespace {

constexpr GraphType kAllTypes[] = {GraphType::kCumulative,        GraphType::kIntervalCalculated,
                                   GraphType::kConfidenceBeltOfX, GraphType::kReturnPeriods,
                                   GraphType::kPredictedObserved, GraphType::kIntervalObserved};

GraphData Sleep(GraphType type) {
  const auto path = std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / "sleep.out";
  GraphDataReading reading = ReadGraphData(path, type);
  EXPECT_TRUE(reading.data) << reading.error;
  return reading.data.value_or(GraphData{});
}

long Count(const RecordingCanvas& canvas, const std::string& start, const std::string& end) {
  return std::count_if(canvas.Calls().begin(), canvas.Calls().end(), [&](const std::string& c) {
    return c.starts_with(start) && c.ends_with(end);
  });
}

// Every graph starts with the background and ends with the axes; in black
// and white nothing but the fills has a colour other than black.
TEST(GraphPainterTest, EveryTypeInBothColourModes) {
  for (GraphType type : kAllTypes) {
    const GraphData data = Sleep(type);
    for (bool inColour : {true, false}) {
      RecordingCanvas canvas;
      PaintGraph(canvas, data, type, {inColour, true}, {"Name", "Credit"});
      const auto& calls = canvas.Calls();
      ASSERT_GT(calls.size(), 20u);
      EXPECT_EQ(calls.front(), "fill 0,0 623,441 192,192,192");
      EXPECT_TRUE(calls.back().starts_with("text ")) << calls.back();
      EXPECT_TRUE(calls.back().ends_with(" Arial 8 " + Describe(Ink(kWhite, inColour))));
      for (const auto& call : calls) {
        if (!inColour && !call.starts_with("fill")) {
          EXPECT_NE(call.find(" 0,0,0"), std::string::npos) << static_cast<int>(type) << call;
        }
      }
    }
  }
}

struct DrawableCase {
  GraphType type;
  std::vector<long double> x, y;
  bool drawable;
};

TEST(GraphPainterTest, OnlyATableWithRangesOnBothAxesIsDrawn) {
  for (GraphType type : kAllTypes) EXPECT_TRUE(CanDraw(Sleep(type), type));
  const DrawableCase cases[] = {
      {GraphType::kReturnPeriods, {}, {}, false},
      // Half-even rounding would close this axis at 600; it is widened.
      {GraphType::kReturnPeriods, {600, 600}, {2, 3}, true},
      {GraphType::kReturnPeriods, {600, 601}, {2, 3}, true},
      {GraphType::kReturnPeriods, {3, 3}, {2, 3}, true},
      {GraphType::kCumulative, {5, 5}, {10, 20}, true},
  };
  for (const DrawableCase& c : cases) {
    GraphData data;
    data.columns = GraphColumns{c.x, c.y, c.y, c.y, c.y};
    EXPECT_EQ(CanDraw(data, c.type), c.drawable) << c.x.size();
  }
}

TEST(GraphPainterTest, SparseCumulativeGraphDrawsTheEvaluatedCurve) {
  GraphData data = Sleep(GraphType::kCumulative);
  data.sparseData = true;
  GraphColumns curve{{-1, 0, 1, 2}, {}, {10, 30, 50, 70}, {20, 40, 60, 80}, {5, 20, 40, 60}};
  RecordingCanvas canvas;
  PaintGraph(canvas, data, GraphType::kCumulative, {}, {}, {curve, {}});
  EXPECT_EQ(Count(canvas, "line", "255,255,255 w1 solid"), 3 + 2 + 11 + 11);
  EXPECT_EQ(Count(canvas, "ellipse", ""), 20);
  canvas.Clear();
  data.sparseData = false;
  PaintGraph(canvas, data, GraphType::kCumulative, {}, {}, {curve, {}});
  EXPECT_EQ(Count(canvas, "line", "255,255,255 w1 solid"), 19 + 2 + 11 + 11);
}

TEST(GraphPainterTest, DensitySegmentsCrossingTheSeparationPointAreDotted) {
  const GraphScales scales{{0, 8, 4, 2, 1}, {0, 100, 10, 1, 1}};
  const std::vector<CurvePoint> points{{1, 10}, {2, 20}, {3, 30}, {4, 40}};
  RecordingCanvas canvas;
  PaintDensityCurve(canvas, points, 2.5, scales, {});
  EXPECT_EQ(canvas.Calls(), (std::vector<std::string>{
                                "line 132,320 195,290 0,255,255 w1 dashed",
                                "line 195,290 258,260 0,255,255 w1 dotted",
                                "line 258,260 320,230 0,255,255 w1 dashed",
                            }));
  canvas.Clear();
  PaintDensityCurve(canvas, points, std::nullopt, scales, {false, true});
  EXPECT_EQ(Count(canvas, "line", "0,0,0 w1 dashed"), 3);
}

}  // namespace
}  // namespace quarlin
