#pragma once
// Text forms of numbers shared by every file the program writes.

#include <string>

namespace quarlin {

// Fixed point with `decimals` decimals, right-aligned in `width` characters;
// a longer number widens the field.
std::string Fix(long double value, int width, int decimals);

// Exponent notation of `width` characters: a blank or minus, one digit, a
// point, width - 9 fraction digits, "E", the exponent sign and four exponent
// digits. Width 23 gives " 1.23450000000000E+0002"; width 10 " 5.0E-0001".
std::string Ext(long double value, int width = 23);

// Scientific with `digits` significant digits in total and an exponent of a
// sign and at least three digits ("1.23E+002"), padded on the left to
// `width` characters: the forms "%8.3e" and "%8.5e".
std::string SciDigits(long double value, int digits, int width = 8);
inline std::string Sci3(long double value) {
  return SciDigits(value, 3);
}
inline std::string Sci5(long double value) {
  return SciDigits(value, 5);
}

// "%8.3f": fixed point with 3 decimals, at least 8 characters.
inline std::string Fix3(long double value) {
  return Fix(value, 8, 3);
}

// An integer with no leading blanks, right-aligned in `width` when given.
std::string Int(long long value, int width = 0);

// The shortest general decimal text of a double, up to 15 significant
// digits; scientific ("1E-6", "1.5E20") only for very small or large values.
std::string General(double value);

// Pads `text` on the left with blanks to at least `width` characters.
std::string PadLeft(const std::string& text, int width);

// Pads `text` on the right with blanks to at least `width` characters.
std::string PadRight(const std::string& text, int width);

}  // namespace quarlin
