#pragma once
// The graphs drawn into a 623 by 441 image with Qt, and the image saved as
// a 24-bit BMP or a PNG. Only this library links Qt; the painter draws
// through the abstract Canvas.

#include <QImage>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "graphs/canvas.h"

class QGuiApplication;

namespace quarlin {

inline constexpr int kGraphWidth = 623;
inline constexpr int kGraphHeight = 441;

// Qt draws text only inside a GUI application. Creates one when none is
// running, on the offscreen platform unless QT_QPA_PLATFORM names another,
// so that graphs are drawn without a display. Keep it alive while drawing.
class GraphicsSession {
 public:
  GraphicsSession();
  ~GraphicsSession();
  GraphicsSession(const GraphicsSession&) = delete;
  GraphicsSession& operator=(const GraphicsSession&) = delete;

 private:
  // Qt keeps references to the arguments for the application's lifetime.
  int argc_ = 1;
  char programName_[8] = "quarlin";
  char* argv_[2] = {programName_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

// The metric-compatible face that stands in for a font name of the graphs.
std::string FaceFor(const std::string& name);

class QtCanvas : public Canvas {
 public:
  QtCanvas();

  void FillRectangle(int left, int top, int right, int bottom, Rgb colour) override;
  void Line(int x1, int y1, int x2, int y2, const Pen& pen) override;
  void EllipseOutline(int left, int top, int right, int bottom, const Pen& pen) override;
  void Text(int x, int y, const std::string& text, const Font& font) override;
  TextExtent MeasureText(const std::string& text, const Font& font) override;

  const QImage& Image() const { return image_; }
  Rgb PixelAt(int x, int y) const;

 private:
  QImage image_;
};

enum class ImageFormat { kBmp, kPng };

// By the extension, case ignored: ".png" is PNG, ".bmp" BMP; anything else
// is not an image format of the graphs.
std::optional<ImageFormat> ImageFormatOf(const std::filesystem::path& path);

// The image encoded as a file of the format (BMP with 24 bits a pixel).
std::string EncodeImage(const QImage& image, ImageFormat format);

// Writes the image atomically (file_writing.h); false when it could not be
// written, the target then untouched and `reason`, when given, saying why.
bool SaveImage(const QImage& image, const std::filesystem::path& path, ImageFormat format,
               std::string* reason = nullptr);

}  // namespace quarlin
