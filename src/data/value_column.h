#pragma once
// A plain column of values (one per line, or CSV) as the cells of the input
// grid, for the batch command.

#include <filesystem>
#include <string>
#include <vector>

#include "data/status.h"

namespace quarlin {

// The cells of the column that holds the first number of the first row
// with a number in it: fields are split at tabs, else at
// semicolons, else at commas, else at blanks, and lose surrounding blanks
// and double quotes. A first line without any number is a header and is
// skipped; blank lines are not rows. A row without that field gives an
// empty cell (a dropped datum); a field that is not a number stays as it is
// for the value check of the run to refuse.
std::vector<std::string> ValueColumnCells(const std::vector<std::string>& lines);

// Reads `path` with ValueColumnCells; fails when the file cannot be read.
Status ReadValueColumn(const std::filesystem::path& path, std::vector<std::string>& cells);

}  // namespace quarlin
