#include "graphs/recording_canvas.h"

#include <gtest/gtest.h>

namespace quarlin {
namespace {

TEST(RecordingCanvasTest, RecordsEachCallInOrder) {
  RecordingCanvas canvas;
  Canvas& drawing = canvas;
  drawing.FillRectangle(20, 19, 605, 420, kPanelColour);
  drawing.Line(70, 350, 570, 350, {kWhite, 1, PenStyle::kSolid});
  drawing.Line(70, 350, 70, 50, {kYellow, 2, PenStyle::kDotted});
  drawing.EllipseOutline(98, 198, 102, 202, {kCyan, 1, PenStyle::kDashed});
  drawing.Text(45, 2, "Title", {"Arial", 12, kBlack});
  EXPECT_EQ(drawing.MeasureText("Title", {"Arial", 10, kBlack}), (TextExtent{30, 15}));
  EXPECT_EQ(canvas.Calls(), (std::vector<std::string>{
                                "fill 20,19 605,420 0,0,139",
                                "line 70,350 570,350 255,255,255 w1 solid",
                                "line 70,350 70,50 255,255,0 w2 dotted",
                                "ellipse 98,198 102,202 0,255,255 w1 dashed",
                                "text 45,2 \"Title\" Arial 12 0,0,0",
                            }));
  canvas.Clear();
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST(RecordingCanvasTest, BlackAndWhiteInk) {
  EXPECT_EQ(Ink(kCyan, true), kCyan);
  EXPECT_EQ(Ink(kCyan, false), kBlack);
  EXPECT_EQ(PanelFill(true), kPanelColour);
  EXPECT_EQ(PanelFill(false), kWhite);
}

}  // namespace
}  // namespace quarlin
