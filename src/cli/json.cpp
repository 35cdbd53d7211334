#include "cli/json.h"

#include <charconv>
#include <cmath>

namespace quarlin {

std::string JsonNumber(std::optional<double> value) {
  if (!value || !std::isfinite(*value)) return "null";
  // As "%.17g" would print it, but never with the locale's decimal comma.
  char text[40];
  const auto written =
      std::to_chars(text, text + sizeof text, *value, std::chars_format::general, 17);
  return std::string(text, written.ptr);
}

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr char kHex[] = "0123456789abcdef";
          quoted += "\\u00";
          quoted += kHex[(c >> 4) & 0xf];
          quoted += kHex[c & 0xf];
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

}  // namespace quarlin
