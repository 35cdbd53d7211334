#pragma once
// The few JSON forms the batch command prints for scripts.

#include <optional>
#include <string>
#include <string_view>

namespace quarlin {

// 17 significant digits, so that a script reads back the very double;
// "null" for nothing and for values that are not finite.
std::string JsonNumber(std::optional<double> value);

// A quoted string with the characters JSON requires escaped.
std::string JsonString(std::string_view text);

}  // namespace quarlin
