#pragma once
// A number in a column of one of the report's tables.

#include <string>

namespace quarlin {

// The fixed form of `value` with `decimals` decimals, right-aligned in
// `width` characters. A value too long for its field widens it, as the
// fixed form does, but the field keeps a blank before it: the tables are
// read back by splitting their rows at blanks, and a widened field glued to
// the one before would read as one number.
std::string TableField(long double value, int width, int decimals);

}  // namespace quarlin
