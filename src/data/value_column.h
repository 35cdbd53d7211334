#pragma once
// A plain column of values (one per line, or CSV) as the cells of the input
// grid, for the batch command.

#include <filesystem>
#include <string>
#include <vector>

#include "data/status.h"

namespace quarlin {

// The cells of the column that holds the first number of the first row
// with a number in it. The fields of every line are split at tabs if any
// line has one, else at semicolons, else at commas, else at blanks; a
// field in double quotes may hold the separator, and fields lose
// surrounding blanks and quotes. A first line without any number is a
// header and is skipped; blank lines are not rows. A row without that field
// gives an empty cell (a dropped datum).
//
// Commas are read as the user meant them where that is clear: in a file
// split at tabs or semicolons a comma is a decimal comma; "1,234.5" has a
// thousands separator. A comma that could be either, a row with more fields
// than the header, a field that is not a number, a value beyond the range of
// a double, a line that is not plain text, the value past the kMaxData a run
// takes and the row without a value past as many are refused with a message
// naming `path` and the line; the rows are judged in file order, so the
// first fault is the one named.
Status ValueColumnCells(const std::vector<std::string>& lines, const std::string& path,
                        std::vector<std::string>& cells);

// A line of a file with its number (from 1).
struct NumberedLine {
  size_t number = 0;
  std::string text;
};
// The same, from the lines of a file that hold more than blanks.
Status ValueColumnCells(const std::vector<NumberedLine>& lines, const std::string& path,
                        std::vector<std::string>& cells);

// Reads `path` with ValueColumnCells, line by line: no line may be longer
// than kMaxLineLength, and the reading stops at the line past the most rows
// a column can have, so that any file is refused in bounded time and
// memory. Fails also when the file cannot be read.
Status ReadValueColumn(const std::filesystem::path& path, std::vector<std::string>& cells);

}  // namespace quarlin
