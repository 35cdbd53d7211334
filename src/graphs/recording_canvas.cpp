#include "graphs/recording_canvas.h"

#include <cmath>

namespace quarlin {
namespace {

std::string Point(int x, int y) {
  return std::to_string(x) + "," + std::to_string(y);
}

std::string Box(int left, int top, int right, int bottom) {
  return Point(left, top) + " " + Point(right, bottom);
}

}  // namespace

std::string Describe(Rgb colour) {
  return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
         std::to_string(colour.blue);
}

std::string Describe(const Pen& pen) {
  const char* style = pen.style == PenStyle::kSolid    ? "solid"
                      : pen.style == PenStyle::kDotted ? "dotted"
                                                       : "dashed";
  return Describe(pen.colour) + " w" + std::to_string(pen.width) + " " + style;
}

void RecordingCanvas::FillRectangle(int left, int top, int right, int bottom, Rgb colour) {
  calls_.push_back("fill " + Box(left, top, right, bottom) + " " + Describe(colour));
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
  calls_.push_back("line " + Box(x1, y1, x2, y2) + " " + Describe(pen));
}

void RecordingCanvas::EllipseOutline(int left, int top, int right, int bottom, const Pen& pen) {
  calls_.push_back("ellipse " + Box(left, top, right, bottom) + " " + Describe(pen));
}

void RecordingCanvas::Text(int x, int y, const std::string& text, const Font& font) {
  calls_.push_back("text " + Point(x, y) + " \"" + text + "\" " + font.name + " " +
                   std::to_string(font.size) + " " + Describe(font.colour));
}

TextExtent RecordingCanvas::MeasureText(const std::string& text, const Font& font) {
  return {static_cast<int>(std::floor(charWidthPerPoint_ * font.size * text.size())),
          static_cast<int>(std::floor(heightPerPoint_ * font.size))};
}

}  // namespace quarlin
