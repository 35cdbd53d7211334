#pragma once
// A canvas that keeps a line of text per drawing call, so that a test can
// compare what a graph draws without any raster library.

#include <string>
#include <vector>

#include "graphs/canvas.h"

namespace quarlin {

class RecordingCanvas : public Canvas {
 public:
  // Text is measured as `charWidthPerPoint` times the font size per
  // character, rounded down, and `heightPerPoint` times the size high.
  explicit RecordingCanvas(double charWidthPerPoint = 0.6, double heightPerPoint = 1.5)
      : charWidthPerPoint_(charWidthPerPoint), heightPerPoint_(heightPerPoint) {}

  void FillRectangle(int left, int top, int right, int bottom, Rgb colour) override;
  void Line(int x1, int y1, int x2, int y2, const Pen& pen) override;
  void EllipseOutline(int left, int top, int right, int bottom, const Pen& pen) override;
  void Text(int x, int y, const std::string& text, const Font& font) override;
  TextExtent MeasureText(const std::string& text, const Font& font) override;

  // One line per call in the order made, e.g.
  // "line 70,350 570,350 255,255,255 w1 solid" or
  // "text 45,2 \"Title\" Arial 12 0,0,0". Measuring draws nothing and is not
  // recorded.
  const std::vector<std::string>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }

 private:
  double charWidthPerPoint_;
  double heightPerPoint_;
  std::vector<std::string> calls_;
};

std::string Describe(Rgb colour);
std::string Describe(const Pen& pen);

}  // namespace quarlin
