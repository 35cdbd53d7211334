#include "data/value_column.h"

#include <sstream>

#include "common/text_file.h"
#include "data/messages.h"
#include "data/number_reading.h"

namespace quarlin {
namespace {

std::string Clean(std::string field) {
  const auto first = field.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
    field = field.substr(1, field.size() - 2);
  return field;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  for (const char separator : {'\t', ';', ','}) {
    if (line.find(separator) == std::string::npos) continue;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(Clean(field));
    if (line.back() == separator) fields.emplace_back();
    return fields;
  }
  std::istringstream in(line);
  for (std::string field; in >> field;) fields.push_back(Clean(field));
  return fields;
}

bool IsBlank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::vector<std::string> ValueColumnCells(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& line : lines)
    if (!IsBlank(line)) rows.push_back(Fields(line));
  const auto numericAt = [](const std::vector<std::string>& row) {
    for (size_t i = 0; i < row.size(); ++i)
      if (ParseReal(row[i])) return static_cast<int>(i);
    return -1;
  };
  size_t first = 0;
  if (!rows.empty() && numericAt(rows[0]) < 0) first = 1;
  // The column of the first number in the first row that holds one.
  int column = 0;
  for (size_t r = first; r < rows.size(); ++r) {
    if (const int at = numericAt(rows[r]); at >= 0) {
      column = at;
      break;
    }
  }
  std::vector<std::string> cells;
  for (size_t r = first; r < rows.size(); ++r)
    cells.push_back(column < static_cast<int>(rows[r].size()) ? rows[r][column] : std::string());
  return cells;
}

Status ReadValueColumn(const std::filesystem::path& path, std::vector<std::string>& cells) {
  const auto lines = ReadLines(path);
  if (!lines) return Status::Error(CouldNotOpenMessage(path.string()));
  cells = ValueColumnCells(*lines);
  return Status::Ok();
}

}  // namespace quarlin
