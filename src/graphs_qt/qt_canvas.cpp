#include "graphs_qt/qt_canvas.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/text_file.h"

namespace quarlin {
namespace {

// Point sizes are those of a 96 dots-per-inch screen.
constexpr int kDotsPerInch = 96;

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

QPen ToQPen(const Pen& pen) {
  QPen qpen(ToQColor(pen.colour));
  qpen.setWidth(pen.width);
  switch (pen.style) {
    case PenStyle::kSolid:
      qpen.setStyle(Qt::SolidLine);
      break;
    case PenStyle::kDotted:
      qpen.setStyle(Qt::DotLine);
      break;
    case PenStyle::kDashed:
      qpen.setStyle(Qt::DashLine);
      break;
  }
  return qpen;
}

QFont ToQFont(const Font& font) {
  QFont qfont(QString::fromStdString(FaceFor(font.name)));
  qfont.setPixelSize(std::max(1, (font.size * kDotsPerInch + 36) / 72));
  // Pixel positions are part of the layout; smoothing would blur them.
  qfont.setStyleStrategy(QFont::NoAntialias);
  return qfont;
}

// Qt's warnings about the desktop it runs on (no runtime folder, no
// display) say nothing about the images; only its errors are shown.
void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fputs(message.toLocal8Bit().append('\n').constData(), stderr);
  }
}

}  // namespace

GraphicsSession::GraphicsSession() {
  if (QGuiApplication::instance() != nullptr) return;
  qInstallMessageHandler(ErrorsOnly);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GraphicsSession::~GraphicsSession() = default;

std::string FaceFor(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "arial" ? "Liberation Sans" : name;
}

QtCanvas::QtCanvas() : image_(kGraphWidth, kGraphHeight, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

void QtCanvas::FillRectangle(int left, int top, int right, int bottom, Rgb colour) {
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
  QPainter painter(&image_);
  painter.setPen(ToQPen(pen));
  painter.drawLine(x1, y1, x2, y2);
}

void QtCanvas::EllipseOutline(int left, int top, int right, int bottom, const Pen& pen) {
  QPainter painter(&image_);
  painter.setPen(ToQPen(pen));
  painter.setBrush(Qt::NoBrush);
  // Qt's outline covers one pixel more than its rectangle; the right and
  // bottom edges are outside the ellipse's box.
  painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::Text(int x, int y, const std::string& text, const Font& font) {
  QPainter painter(&image_);
  painter.setFont(ToQFont(font));
  painter.setPen(ToQColor(font.colour));
  painter.drawText(QRect(x, y, kGraphWidth, kGraphHeight), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(text));
}

TextExtent QtCanvas::MeasureText(const std::string& text, const Font& font) {
  const QFontMetrics metrics(ToQFont(font));
  return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

Rgb QtCanvas::PixelAt(int x, int y) const {
  const QRgb pixel = image_.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
          static_cast<std::uint8_t>(qBlue(pixel))};
}

std::optional<ImageFormat> ImageFormatOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return ImageFormat::kPng;
  if (extension == ".bmp") return ImageFormat::kBmp;
  return std::nullopt;
}

std::string EncodeImage(const QImage& image, ImageFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // Qt writes an image without alpha as 24 bits a pixel.
  const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
  if (!opaque.save(&buffer, format == ImageFormat::kPng ? "PNG" : "BMP")) return {};
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool SaveImage(const QImage& image, const std::filesystem::path& path, ImageFormat format,
               std::string* reason) {
  const std::string content = EncodeImage(image, format);
  if (content.empty()) {
    if (reason) *reason = "the image could not be encoded";
    return false;
  }
  return WriteFileAtomically(path, content, reason);
}

}  // namespace quarlin
