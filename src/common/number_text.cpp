#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace quarlin {
namespace {

// Decimal digits of |value| as the program has always printed them: the
// value is first taken to 18 significant digits, then rounded half up in
// decimal, so that 9.995 prints as 10.00 with two decimals.
struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, first one non-zero unless value is 0
  int exponent = 0;    // decimal exponent of the first digit
};

constexpr int kDecimalDigits = 18;

Decimal ToDecimal(long double value) {
  Decimal d;
  d.negative = std::signbit(value) && value != 0.0L;
  // to_chars, unlike printf, never writes the locale's decimal comma.
  char buf[64];
  const auto written = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                     std::chars_format::scientific, kDecimalDigits - 1);
  const std::string_view s(buf, written.ptr - buf);
  const auto e = s.find('e');
  for (size_t i = 0; i < e; ++i)
    if (s[i] != '.') d.digits.push_back(s[i]);
  const char* exponent = s.data() + e + 1;
  if (*exponent == '+') ++exponent;
  std::from_chars(exponent, written.ptr, d.exponent);
  return d;
}

// Keeps the digits down to decimal position 10^lowest, rounding half up;
// a carry may add a leading digit. The result has at least one digit.
Decimal RoundAt(Decimal d, int lowest) {
  const int keep = d.exponent - lowest + 1;
  if (keep >= static_cast<int>(d.digits.size())) {
    d.digits.append(keep - d.digits.size(), '0');
    return d;
  }
  const bool up = keep >= 0 && d.digits[keep] >= '5';
  if (keep <= 0) {
    d.digits = (keep == 0 && d.digits[0] >= '5') ? "1" : "0";
    d.exponent = lowest;
    if (d.digits == "0") d.negative = false;
    return d;
  }
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  return d;
}

// Rounds to `digits` significant digits; a carry (9.99 -> 10.0) moves the
// exponent and keeps the digit count.
Decimal ToSignificant(long double value, int digits) {
  Decimal d = ToDecimal(value);
  if (value == 0.0L) {
    d.digits.assign(digits, '0');
    d.exponent = 0;
    return d;
  }
  d = RoundAt(d, d.exponent - digits + 1);
  d.digits.resize(digits);
  return d;
}

std::string ExponentText(int exponent, int minDigits) {
  std::string digits = std::to_string(std::abs(exponent));
  while (static_cast<int>(digits.size()) < minDigits) digits.insert(digits.begin(), '0');
  return std::string(exponent < 0 ? "-" : "+") + digits;
}

std::string Mantissa(const Decimal& d) {
  std::string m(1, d.digits[0]);
  if (d.digits.size() > 1) m += "." + d.digits.substr(1);
  return m;
}

// A slope of 0 or an overflowing exponent must still print as something
// rather than be taken apart digit by digit.
std::string NonFiniteText(long double value) {
  return std::isnan(value) ? "Nan" : (value > 0 ? "+Inf" : "-Inf");
}

}  // namespace

std::string PadLeft(const std::string& text, int width) {
  if (static_cast<int>(text.size()) >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

std::string PadRight(const std::string& text, int width) {
  if (static_cast<int>(text.size()) >= width) return text;
  return text + std::string(width - text.size(), ' ');
}

std::string Fix(long double value, int width, int decimals) {
  if (!std::isfinite(value)) return PadLeft(NonFiniteText(value), width);
  const Decimal d = value == 0.0L ? Decimal{false, "0", 0} : RoundAt(ToDecimal(value), -decimals);
  std::string integer, fraction;
  for (int pos = std::max(d.exponent, 0); pos >= -decimals; --pos) {
    const int index = d.exponent - pos;
    const char digit =
        index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
    (pos >= 0 ? integer : fraction).push_back(digit);
  }
  const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                    fraction.find_first_not_of('0') == std::string::npos;
  std::string text = (d.negative && !zero ? "-" : "") + integer;
  if (decimals > 0) text += "." + fraction;
  return PadLeft(text, width);
}

std::string Ext(long double value, int width) {
  if (!std::isfinite(value)) return PadLeft(NonFiniteText(value), width);
  const int fraction = width < 10 ? 1 : width - 9;
  const Decimal d = ToSignificant(value, fraction + 1);
  return std::string(d.negative ? "-" : " ") + Mantissa(d) + "E" + ExponentText(d.exponent, 4);
}

std::string SciDigits(long double value, int digits, int width) {
  if (!std::isfinite(value)) return PadLeft(NonFiniteText(value), width);
  const Decimal d = ToSignificant(value, digits);
  return PadLeft(
      std::string(d.negative ? "-" : "") + Mantissa(d) + "E" + ExponentText(d.exponent, 3), width);
}

std::string Int(long long value, int width) {
  return PadLeft(std::to_string(value), width);
}

std::string General(double value) {
  if (value == 0.0) return "0";
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  Decimal d = ToSignificant(value, 15);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  const std::string sign = d.negative ? "-" : "";
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent >= 15 || d.exponent < -5) {
    std::string text = sign + Mantissa(d) + "E";
    return text + (d.exponent < 0 ? "-" : "") + std::to_string(std::abs(d.exponent));
  }
  if (d.exponent < 0) return sign + "0." + std::string(-d.exponent - 1, '0') + d.digits;
  if (digitCount <= d.exponent + 1)
    return sign + d.digits + std::string(d.exponent + 1 - digitCount, '0');
  return sign + d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
}

}  // namespace quarlin
