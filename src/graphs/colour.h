#pragma once
// The colours of the graphs.

#include <cstdint>

namespace quarlin {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBackground{192, 192, 192};
inline constexpr Rgb kPanelColour{0, 0, 139};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kGreen{0, 255, 0};

// In black and white every pen and text is black on a white panel.
inline Rgb Ink(Rgb colour, bool inColour) {
  return inColour ? colour : kBlack;
}
inline Rgb PanelFill(bool inColour) {
  return inColour ? kPanelColour : kWhite;
}

}  // namespace quarlin
