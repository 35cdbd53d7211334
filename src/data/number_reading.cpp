#include "data/number_reading.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace quarlin {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Checks the shape [sign] digits [. digits] [E [sign] digits] with at least
// one mantissa digit; from_chars alone would also take "inf" and "nan".
bool IsRealShape(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  int digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    int exponentDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsBeyondADouble(long double value) {
  const long double size = std::fabs(value);
  return size > DBL_MAX || (size != 0 && size < DBL_TRUE_MIN);
}

bool HasRealShape(std::string_view text) {
  return IsRealShape(Trim(text));
}

std::optional<long double> ParseReal(std::string_view text) {
  text = Trim(text);
  if (!IsRealShape(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  long double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> NumberConversion::Convert(std::string_view text, char separator) {
  std::string normal(text);
  const char other = separator == '.' ? ',' : '.';
  if (normal.find(other) != std::string::npos) return std::nullopt;
  for (char& c : normal)
    if (c == separator) c = '.';
  const auto value = ParseReal(normal);
  if (!value) return std::nullopt;
  const double result = static_cast<double>(*value);
  // Beyond a double either way: the value would be taken as another.
  if (!std::isfinite(result) || (result == 0 && *value != 0)) return std::nullopt;
  return result;
}

std::string NumberConversion::Shown(std::string text) const {
  for (char& c : text)
    if (c == '.') c = separator_;
  return text;
}

std::optional<double> NumberConversion::StringToFloat(std::string_view text) {
  if (auto value = Convert(text)) return value;
  if (separator_ != ',') return std::nullopt;
  separator_ = '.';
  return Convert(text);
}

std::optional<double> NumberConversion::ReadEntry(std::string_view text) {
  if (!Reads(text)) return std::nullopt;
  return StringToFloat(text);
}

bool NumberConversion::Reads(std::string_view text) const {
  return Convert(text) || (separator_ == ',' && Convert(text, '.'));
}

}  // namespace quarlin
