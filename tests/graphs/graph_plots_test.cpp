#include "graphs/graph_plots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "graphs/graph_data_reader.h"
#include "graphs/recording_canvas.h"

namespace quarlin {
namespace {

GraphData Sleep(GraphType type) {
  const auto path = std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / "sleep.out";
  GraphDataReading reading = ReadGraphData(path, type);
  EXPECT_TRUE(reading.data) << reading.error;
  return reading.data.value_or(GraphData{});
}

long Count(const RecordingCanvas& canvas, const std::string& start, const std::string& end = "") {
  return std::count_if(canvas.Calls().begin(), canvas.Calls().end(), [&](const std::string& c) {
    return c.starts_with(start) && c.ends_with(end);
  });
}

TEST(GraphPlotsTest, CumulativePointsCurveAndBelt) {
  const GraphData data = Sleep(GraphType::kCumulative);
  const GraphScales scales = ScalesFor(data.columns, GraphType::kCumulative);
  ASSERT_EQ(scales.x.min, -3);
  ASSERT_EQ(scales.x.max, 7);
  RecordingCanvas canvas;
  PaintObservedPoints(canvas, data.columns, scales, {});
  EXPECT_EQ(Count(canvas, "ellipse", "0,255,255 w1 solid"), 20);
  // X -1.6 at 70 + round(1.4 * 50); 4.76% at 350 - round(11.9).
  EXPECT_EQ(canvas.Calls().front(), "ellipse 138,336 142,340 0,255,255 w1 solid");

  canvas.Clear();
  PaintCalculatedCurve(canvas, GraphType::kCumulative, data.columns, scales, {});
  EXPECT_EQ(Count(canvas, "line", "255,255,255 w1 solid"), 19);
  EXPECT_EQ(Count(canvas, "line", "255,255,0 w1 dotted"), 38);
  canvas.Clear();
  PaintCalculatedCurve(canvas, GraphType::kCumulative, data.columns, scales, {false, false});
  EXPECT_EQ(Count(canvas, "line", "0,0,0 w1 solid"), 19);
  EXPECT_EQ(Count(canvas, "line"), 19);
}

TEST(GraphPlotsTest, ReturnPeriodSegmentsStayInsideTheScale) {
  GraphColumns columns{
      {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5}, {1, 2, 500, 3, 4}, {2, 3, 600, 4, 5}, {0.5, -1, 1, 2, 3}};
  const GraphScales scales{{0, 4, 4, 2, 1}, {0, 10, 10, 2, 1}};
  RecordingCanvas canvas;
  PaintCalculatedCurve(canvas, GraphType::kReturnPeriods, columns, scales, {});
  // The segment ending at 500 is left out, of the curve and of its upper limit;
  // the lower limit leaves out the segment ending at -1.
  EXPECT_EQ(Count(canvas, "line", "255,255,255 w1 solid"), 3);
  EXPECT_EQ(Count(canvas, "line", "255,255,0 w1 dotted"), 3 + 3);
}

TEST(GraphPlotsTest, SeparationLineByColourMode) {
  GraphData data;
  data.separationPoint = 4;
  data.frequencyPastSeparation = 60;
  const GraphScales scales{{0, 8, 4, 2, 1}, {0, 120, 12, 0, 1}};
  RecordingCanvas canvas;
  PaintSeparationLine(canvas, data, scales, {});
  PaintSeparationLine(canvas, data, scales, {false, true});
  EXPECT_EQ(canvas.Calls(), (std::vector<std::string>{"line 320,350 320,200 0,255,0 w1 dotted",
                                                      "line 320,350 320,200 0,0,0 w1 dashed"}));
  canvas.Clear();
  PaintSeparationLine(canvas, GraphData{}, scales, {});
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST(GraphPlotsTest, HistogramDrawsTheInnerClasses) {
  for (GraphType type : {GraphType::kIntervalCalculated, GraphType::kIntervalObserved}) {
    const GraphData data = Sleep(type);
    ASSERT_EQ(data.NrOfClasses(), 7);
    RecordingCanvas canvas;
    PaintHistogram(canvas, type, data.columns, ScalesFor(data.columns, type), {});
    EXPECT_EQ(Count(canvas, "line"), 5 * 3);
    EXPECT_EQ(Count(canvas, "text", "\"#\" Arial 10 255,255,255"),
              type == GraphType::kIntervalCalculated ? 5 : 0);
  }
}

TEST(GraphPlotsTest, EmptyClassStillShowsALowBar) {
  GraphColumns columns{{0, 1, 2, 3}, {1, 2, 3, 4}, {0, 0, 0, 0}, {9, 0, 4, 0}, {}};
  const GraphScales scales{{0, 4, 4, 2, 1}, {0, 100, 10, 1, 1}};
  RecordingCanvas canvas;
  PaintHistogram(canvas, GraphType::kIntervalObserved, columns, scales, {});
  // Class 1 holds 0: raised to half a percent of 100, 350 - round(1.5).
  EXPECT_EQ(canvas.Calls().front(), "line 195,350 195,348 255,255,255 w1 solid");
  EXPECT_EQ(Count(canvas, "line"), 6);
}

TEST(GraphPlotsTest, BeltOfXOnlyForFewData) {
  const GraphData data = Sleep(GraphType::kConfidenceBeltOfX);
  const GraphScales scales = ScalesFor(data.columns, GraphType::kConfidenceBeltOfX);
  for (const auto& [nrOfData, beltLines] : {std::pair{20, 38}, std::pair{260, 0}}) {
    RecordingCanvas canvas;
    PaintBeltOfX(canvas, data.columns, nrOfData, scales, {});
    EXPECT_EQ(Count(canvas, "line", "255,255,255 w1 solid"), 19);
    EXPECT_EQ(Count(canvas, "line", "dotted"), beltLines);
  }
}

TEST(GraphPlotsTest, PredictedObservedPointsAndDiagonal) {
  const GraphData data = Sleep(GraphType::kPredictedObserved);
  const GraphScales scales = ScalesFor(data.columns, GraphType::kPredictedObserved);
  RecordingCanvas canvas;
  PaintPredictedObserved(canvas, data.columns, scales, {});
  EXPECT_EQ(Count(canvas, "ellipse"), 20);
  // From (4.76, 4.76) to (95.24, 95.24) on axes of 0 to 100.
  EXPECT_EQ(canvas.Calls().back(), "line 94,336 546,64 255,255,255 w1 dashed");
}

}  // namespace
}  // namespace quarlin
