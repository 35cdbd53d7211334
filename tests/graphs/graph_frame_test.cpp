#include "graphs/graph_frame.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graphs/recording_canvas.h"

namespace quarlin {
namespace {

bool Has(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

GraphData Data(bool separated) {
  GraphData data;
  data.title1 = "First";
  data.title2 = "Second";
  data.nrOfData = 100;
  if (separated) data.separationPoint = 4;
  return data;
}

const GraphScales kScales{{0, 8, 4, 2, 1}, {0, 120, 12, 0, 1}};

TEST(GraphFrameTest, ColourFrameOfACumulativeGraph) {
  RecordingCanvas canvas;
  PaintFrame(canvas, Data(true), GraphType::kCumulative, kScales, {}, {"Composite", "Credit"});
  const auto& calls = canvas.Calls();
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "fill 0,0 623,441 192,192,192");
  EXPECT_EQ(calls[1], "text 45,2 \"First\" Arial 12 0,0,0");
  EXPECT_EQ(calls[2], "text 20,425 \"Credit\" Arial 10 0,0,0");
  EXPECT_EQ(calls[3], "fill 20,19 605,420 0,0,139");
  EXPECT_TRUE(Has(calls, "text 45,22 \"Second\" Arial 10 255,255,255"));
  EXPECT_TRUE(Has(calls, "text 470,375 \"         X-Data\" Arial 10 255,255,255"));
  EXPECT_TRUE(Has(calls, "text 82,50 \"Cumulative frequency (%)\" Arial 10 255,255,255"));
  EXPECT_TRUE(Has(calls, "text 270,35 \"Composite\" Arial 10 255,255,255"));
  EXPECT_TRUE(
      Has(calls, "text 270,50 \"The separation line is shown as - - - -\" Arial 10 0,255,0"));
  EXPECT_TRUE(Has(calls, "text 195,80 \"- - -  90% conf. limit\" Arial 10 255,255,0"));
}

TEST(GraphFrameTest, BlackAndWhiteFrameOfAPredictedObservedGraph) {
  RecordingCanvas canvas;
  PaintFrame(canvas, Data(true), GraphType::kPredictedObserved, kScales, {false, true},
             {"Name", ""});
  const auto& calls = canvas.Calls();
  EXPECT_TRUE(Has(calls, "fill 20,19 605,420 255,255,255"));
  EXPECT_TRUE(Has(calls, "text 400,375 \"Cumulative frequency observed (%)\" Arial 10 0,0,0"));
  // The name moves up only for a cumulative graph's separation legend.
  EXPECT_TRUE(Has(calls, "text 270,50 \"Name\" Arial 10 0,0,0"));
  for (const auto& call : calls) {
    if (call.starts_with("text")) {
      EXPECT_TRUE(call.ends_with(" 0,0,0")) << call;
    }
  }
}

TEST(GraphFrameTest, AxesWithTicksAndLabels) {
  RecordingCanvas canvas;
  PaintAxes(canvas, kScales, {});
  const auto& calls = canvas.Calls();
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                          [](const std::string& c) { return c.starts_with("line"); }),
            2 + 11 + 5);
  EXPECT_EQ(calls.front(), "line 70,350 70,50 255,255,255 w1 solid");
  // "100" is 14 by 12 pixels in the recording canvas's measure.
  EXPECT_TRUE(Has(calls, "line 70,100 66,100 255,255,255 w1 solid"));
  EXPECT_TRUE(Has(calls, "text 50,94 \"100\" Arial 8 255,255,255"));
  EXPECT_TRUE(Has(calls, "line 195,350 195,354 255,255,255 w1 solid"));
  EXPECT_TRUE(Has(calls, "text 187,362 \"2.00\" Arial 8 255,255,255"));
  EXPECT_FALSE(Has(calls, "text 62,362 \"120\" Arial 8 255,255,255"));
}

}  // namespace
}  // namespace quarlin
