#include "data/value_column.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <optional>
#include <sstream>

#include "data/file_reading.h"
#include "data/messages.h"
#include "data/number_reading.h"

namespace quarlin {
namespace {

// ' ' stands for "at runs of blanks".
char SeparatorOf(const std::vector<std::string>& lines) {
  for (const char separator : {'\t', ';', ','})
    for (const auto& line : lines)
      if (line.find(separator) != std::string::npos) return separator;
  return ' ';
}

struct Field {
  std::string text;
  bool quoted = false;
};

Field Clean(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return {text.substr(1, text.size() - 2), true};
  return {text};
}

// Splits at `separator` outside double quotes.
std::vector<Field> Fields(const std::string& line, char separator) {
  std::vector<Field> fields;
  if (separator == ' ') {
    std::istringstream in(line);
    for (std::string field; in >> field;) fields.push_back(Clean(field));
    return fields;
  }
  std::string field;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == separator && !quoted) {
      fields.push_back(Clean(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(Clean(field));
  return fields;
}

// Fields up to the last one that holds something: separators at the end of
// a line name no field.
size_t Count(const std::vector<Field>& fields) {
  size_t n = fields.size();
  while (n > 0 && fields[n - 1].text.empty()) --n;
  return n;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string_view Unsigned(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  return text;
}

// "1,234" or "1,234,567.5": groups of three digits after the first comma.
bool HasThousandsGroups(std::string_view text) {
  text = Unsigned(text);
  const auto point = text.find('.');
  if (point != std::string_view::npos) {
    if (!AllDigits(text.substr(point + 1)) && point + 1 != text.size()) return false;
    text = text.substr(0, point);
  }
  const auto comma = text.find(',');
  if (comma == 0 || comma > 3 || !AllDigits(text.substr(0, comma))) return false;
  for (size_t at = comma; at < text.size(); at += 4)
    if (text[at] != ',' || at + 4 > text.size() || !AllDigits(text.substr(at + 1, 3))) return false;
  return true;
}

// "12,3": digits, one comma, digits.
bool IsDecimalCommaShape(std::string_view text) {
  text = Unsigned(text);
  const auto comma = text.find(',');
  return comma != std::string_view::npos && AllDigits(text.substr(comma + 1)) &&
         (comma == 0 || AllDigits(text.substr(0, comma)));
}

// The field as a number with a decimal point; nullopt when its commas could
// mean more than one number. `decimalComma`: the file's separator leaves a
// comma free to be a decimal comma.
std::optional<std::string> WithoutCommas(const std::string& text, bool decimalComma) {
  if (text.find(',') == std::string::npos) return text;
  const bool thousands = HasThousandsGroups(text);
  if (thousands && text.find('.') != std::string::npos) {
    std::string plain = text;
    std::erase(plain, ',');
    return plain;
  }
  if (IsDecimalCommaShape(text) && (decimalComma || !thousands)) {
    std::string decimal = text;
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    return decimal;
  }
  return std::nullopt;
}

// A line split at commas that reads as one number with a decimal comma or
// thousands separators.
bool LooksLikeOneNumber(const std::string& line) {
  const std::string text = Clean(line).text;
  return HasThousandsGroups(text) || IsDecimalCommaShape(text);
}

bool IsNotANumberWord(std::string text) {
  text = std::string(Unsigned(text));
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return text == "nan" || text == "inf" || text == "infinity" || text.starts_with("nan(");
}

// A number the run would take as something else: no number, an infinite
// one, or one that a double cannot hold.
bool IsBeyondADouble(const std::string& text) {
  if (IsNotANumberWord(text)) return true;
  const auto value = ParseReal(text);
  if (!value) return false;
  const long double size = std::fabs(*value);
  return size > DBL_MAX || (size != 0 && size < DBL_TRUE_MIN);
}

bool IsPlainText(const std::string& line, size_t number) {
  if (line.find('\0') != std::string::npos) return false;
  return number > 1 || !(line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF"));
}

struct Row {
  int line = 0;  // from 1
  std::vector<Field> fields;
  std::vector<std::optional<std::string>> numbers;  // nullopt: a comma that could mean two
  bool splitAtCommas = false;
};

int NumericAt(const Row& row) {
  for (size_t i = 0; i < row.fields.size(); ++i)
    if (row.numbers[i] && ParseReal(*row.numbers[i])) return static_cast<int>(i);
  return -1;
}

}  // namespace

Status ValueColumnCells(const std::vector<std::string>& lines, const std::string& path,
                        std::vector<std::string>& cells) {
  const char separator = SeparatorOf(lines);
  std::vector<Row> rows;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!IsPlainText(lines[i], i + 1))
      return Status::Error(NotPlainTextMessage(path, static_cast<int>(i + 1)));
    if (lines[i].find_first_not_of(" \t") == std::string::npos) continue;
    Row row;
    row.line = static_cast<int>(i + 1);
    row.fields = Fields(lines[i], separator);
    row.splitAtCommas = separator == ',' && row.fields.size() > 1;
    for (const auto& field : row.fields)
      row.numbers.push_back(WithoutCommas(field.text, separator == '\t' || separator == ';'));
    rows.push_back(std::move(row));
  }
  const bool header = !rows.empty() && NumericAt(rows[0]) < 0;
  const size_t first = header ? 1 : 0;
  for (size_t r = first; r < rows.size(); ++r) {
    // Without a header a pair such as "12,3" could be a number or two
    // fields; a header says how many fields a row has.
    const Row& row = rows[r];
    const bool oneNumber = row.splitAtCommas && LooksLikeOneNumber(lines[row.line - 1]);
    const bool moreFields =
        header && Count(row.fields) > std::max<size_t>(Count(rows[0].fields), 1);
    if (oneNumber && (moreFields || !header))
      return Status::Error(UnclearCommaMessage(path, row.line));
    if (moreFields) return Status::Error(MoreFieldsMessage(path, row.line));
  }
  // The column of the first number in the first row that holds one.
  int column = 0;
  for (size_t r = first; r < rows.size(); ++r) {
    if (const int at = NumericAt(rows[r]); at >= 0) {
      column = at;
      break;
    }
  }
  cells.clear();
  for (size_t r = first; r < rows.size(); ++r) {
    const Row& row = rows[r];
    if (column >= static_cast<int>(row.fields.size())) {
      cells.emplace_back();
      continue;
    }
    const auto& number = row.numbers[column];
    if (!number) return Status::Error(UnclearCommaMessage(path, row.line));
    if (IsBeyondADouble(*number))
      return Status::Error(NotFiniteMessage(path, row.line, row.fields[column].text));
    cells.push_back(*number);
  }
  return Status::Ok();
}

Status ReadValueColumn(const std::filesystem::path& path, std::vector<std::string>& cells) {
  std::vector<std::string> lines;
  if (Status read = ReadFileLines(path, lines); !read.ok()) return read;
  return ValueColumnCells(lines, path.string(), cells);
}

}  // namespace quarlin
