#pragma once
// The Graphics page's drawer: the graphs library painting into a Qt image,
// which is kept for the page to show and saved as a BMP file; and a saved
// BMP file loaded for viewing.

#include <QImage>
#include <string>

#include "ui/control/graphics_controller.h"

namespace quarlin::ui {

class QtGraphDrawer : public GraphDrawer {
 public:
  DrawnGraph Draw(const std::string& outPath, int type, bool colour, bool belt) override;
  Status SaveBmp(const std::string& path) override;
  Status LoadPicture(const std::string& path) override;

  // The graph last drawn; null before the first.
  const QImage& Image() const { return image_; }
  // The saved graph last loaded; null before the first.
  const QImage& Picture() const { return picture_; }

 private:
  QImage image_;
  QImage picture_;
};

}  // namespace quarlin::ui
