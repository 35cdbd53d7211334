// The number text that every reader shares, and the forms the program writes
// numbers in, which its readers must take back.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "common/number_text.h"
#include "data/number_reading.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

namespace {

// Written by `form` and read again, `value` keeps at least the digits the
// form promises (`relative`).
template <class Form>
void RequireReadBack(long double value, Form form, long double relative, const char* promise) {
  const auto back = ParseReal(form(value));
  Require(back.has_value(), promise);
  Require(std::fabs(*back - value) <= relative * std::fabs(value), promise);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = fuzz::Bytes(data, size);
  if (const auto integer = ParseInteger(text))
    Require(ParseInteger(Int(*integer)) == integer, "an integer reads back as written");
  for (const char separator : {'.', ','}) {
    NumberConversion conversion(separator);
    if (const auto typed = conversion.StringToFloat(text))
      Require(std::isfinite(*typed), "a typed number is finite");
  }
  const auto real = ParseReal(text);
  if (!real) return 0;
  const long double value = *real;
  Require(std::isfinite(value), "infinities and NaN are not numbers");
  // The program keeps nothing beyond the range of a double.
  if (!(std::fabs(value) <= std::numeric_limits<double>::max())) return 0;
  RequireReadBack(
      value, [](long double v) { return Ext(v); }, 1e-14L, "Ext reads back");
  RequireReadBack(
      value, [](long double v) { return SciDigits(v, 5); }, 1e-4L, "%8.5e reads back");
  RequireReadBack(
      static_cast<double>(value), [](long double v) { return General(static_cast<double>(v)); },
      1e-14L, "General reads back");
  const auto fixed = ParseReal(Fix(value, 10, 2));
  Require(fixed && std::fabs(*fixed - value) <= 0.005L + 1e-15L * std::fabs(value),
          "fixed point reads back to its decimals");
  return 0;
}
