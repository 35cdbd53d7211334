#pragma once
// Turning text into numbers the way the program's files and entry fields
// expect, independent of the process locale (the GUI toolkit may set one).

#include <optional>
#include <string>
#include <string_view>

namespace quarlin {

// A whole text holding one integer: optional blanks, an optional sign,
// digits, optional blanks.
std::optional<int> ParseInteger(std::string_view text);

// A whole text holding one real in fixed or exponent notation ("12",
// "-3.5", ".5", "5.", "1.5E+0003"), with optional blanks around it and a
// full stop as decimal separator. Infinities, NaN and values out of range
// are not numbers.
std::optional<long double> ParseReal(std::string_view text);

// True when `text` (blanks around it allowed) is written as ParseReal reads
// a real, whether or not its value is in range: "1e5000" is, "abc" is not.
bool HasRealShape(std::string_view text);

// True for a value that a double cannot hold: beyond its range, or so
// small that it would be read as 0.
bool IsBeyondADouble(long double value);

// Typed numbers under the user's decimal separator. When a conversion fails
// under a comma, the separator becomes a full stop for the rest of the
// session and the text is tried once more.
class NumberConversion {
 public:
  explicit NumberConversion(char decimalSeparator = '.') : separator_(decimalSeparator) {}

  std::optional<double> StringToFloat(std::string_view text);
  // As StringToFloat, but a text that neither separator reads leaves the
  // separator as it was: one mistyped cell must not make the decimal
  // commas of all the others unreadable.
  std::optional<double> ReadEntry(std::string_view text);
  // Whether ReadEntry takes `text`; nothing changes.
  bool Reads(std::string_view text) const;
  char DecimalSeparator() const { return separator_; }

  // A number text of the program's own (full stop) as the user sees it,
  // under the separator StringToFloat reads, so that it reads back.
  std::string Shown(std::string text) const;

 private:
  std::optional<double> Convert(std::string_view text) const { return Convert(text, separator_); }
  static std::optional<double> Convert(std::string_view text, char separator);

  char separator_;
};

}  // namespace quarlin
