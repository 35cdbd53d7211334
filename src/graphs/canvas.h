#pragma once
// The raster operations the graphs are drawn with. The desktop program draws
// into an image; the tests record the calls.

#include <string>

#include "graphs/colour.h"

namespace quarlin {

enum class PenStyle { kSolid, kDotted, kDashed };

struct Pen {
  Rgb colour;
  int width = 1;
  PenStyle style = PenStyle::kSolid;

  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Font {
  std::string name = "Arial";
  int size = 10;
  Rgb colour;

  friend bool operator==(const Font&, const Font&) = default;
};

struct TextExtent {
  int width = 0;
  int height = 0;

  friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

// Pixel coordinates from the image's top left corner, y downwards.
// Rectangles include their left and top edges and exclude the right and
// bottom ones.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRectangle(int left, int top, int right, int bottom, Rgb colour) = 0;
  virtual void Line(int x1, int y1, int x2, int y2, const Pen& pen) = 0;
  // The outline of the ellipse inscribed in the rectangle.
  virtual void EllipseOutline(int left, int top, int right, int bottom, const Pen& pen) = 0;
  // Text whose top left corner is at (x, y), on a transparent background.
  virtual void Text(int x, int y, const std::string& text, const Font& font) = 0;
  virtual TextExtent MeasureText(const std::string& text, const Font& font) = 0;
};

}  // namespace quarlin
