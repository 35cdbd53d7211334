#pragma once
// Where the main window opens: 100 pixels from the left and 760 wide on a
// wide screen; on a narrow one as wide as the screen allows.

namespace quarlin::ui {

struct WindowPlace {
  int left = 100;
  int width = 760;
};

inline WindowPlace PlaceMainWindow(int screenWidth, int windowWidth) {
  if (screenWidth > 860) return {100, 760};
  if (screenWidth < windowWidth) return {5, screenWidth - 5};
  return {100, windowWidth};
}

}  // namespace quarlin::ui
