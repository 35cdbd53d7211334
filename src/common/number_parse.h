#pragma once
// Reading a number at the start of a text, as the program's own files
// print them, whatever the process locale says a decimal separator is.

#include <optional>
#include <string_view>

namespace quarlin {

// The real that starts `text` after optional blanks: an optional sign,
// digits with an optional full stop and fraction, an optional exponent.
// Whatever follows it is ignored. Nullopt when no digits start the text
// and for values beyond a double.
std::optional<double> LeadingReal(std::string_view text);

}  // namespace quarlin
