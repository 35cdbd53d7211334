#include "data/value_column.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

#include "data/file_reading.h"
#include "data/messages.h"
#include "data/number_reading.h"

namespace quarlin {
namespace {

// ' ' stands for "at runs of blanks".
char SeparatorOf(const std::vector<NumberedLine>& lines) {
  for (const char separator : {'\t', ';', ','})
    for (const auto& line : lines)
      if (line.text.find(separator) != std::string::npos) return separator;
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
bool IsNotADoubleField(const std::string& text) {
  if (IsNotANumberWord(text)) return true;
  if (const auto value = ParseReal(text)) return IsBeyondADouble(*value);
  return HasRealShape(text);
}

bool IsBlankLine(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

bool IsPlainText(const std::string& line, size_t number) {
  if (line.find('\0') != std::string::npos) return false;
  return number > 1 || !(line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF"));
}

struct Row {
  size_t line = 0;  // from 1
  std::vector<Field> fields;
  std::vector<std::optional<std::string>> numbers;  // nullopt: a comma that could mean two
  bool splitAtCommas = false;
};

Row RowOf(const NumberedLine& line, char separator) {
  Row row;
  row.line = line.number;
  row.fields = Fields(line.text, separator);
  row.splitAtCommas = separator == ',' && row.fields.size() > 1;
  for (const auto& field : row.fields)
    row.numbers.push_back(WithoutCommas(field.text, separator == '\t' || separator == ';'));
  return row;
}

int NumericAt(const Row& row) {
  for (size_t i = 0; i < row.fields.size(); ++i)
    if (row.numbers[i] && ParseReal(*row.numbers[i])) return static_cast<int>(i);
  return -1;
}

int LineNumber(const Row& row) {
  return static_cast<int>(row.line);
}

// The cell of `row` in `column`, or the refusal of the row.
Status CellOf(const Row& row, const std::string& text, const Row* header, int column,
              const std::string& path, std::string& cell) {
  if (!IsPlainText(text, row.line))
    return Status::Error(NotPlainTextMessage(path, LineNumber(row)));
  // Without a header a pair such as "12,3" could be a number or two
  // fields; a header says how many fields a row has.
  const bool oneNumber = row.splitAtCommas && LooksLikeOneNumber(text);
  const bool moreFields = header && Count(row.fields) > std::max<size_t>(Count(header->fields), 1);
  if (oneNumber && (moreFields || !header))
    return Status::Error(UnclearCommaMessage(path, LineNumber(row)));
  if (moreFields) return Status::Error(MoreFieldsMessage(path, LineNumber(row)));
  cell.clear();
  if (column >= static_cast<int>(row.fields.size())) return Status::Ok();
  const auto& number = row.numbers[column];
  if (!number) return Status::Error(UnclearCommaMessage(path, LineNumber(row)));
  const std::string& field = row.fields[column].text;
  if (IsNotADoubleField(*number))
    return Status::Error(NotFiniteMessage(path, LineNumber(row), field));
  if (!number->empty() && !ParseReal(*number))
    return Status::Error(NotANumberMessage(path, LineNumber(row), field));
  cell = *number;
  return Status::Ok();
}

}  // namespace

Status ValueColumnCells(const std::vector<NumberedLine>& lines, const std::string& path,
                        std::vector<std::string>& cells) {
  cells.clear();
  if (lines.empty()) return Status::Ok();
  const char separator = SeparatorOf(lines);
  const Row first = RowOf(lines[0], separator);
  if (!IsPlainText(lines[0].text, first.line))
    return Status::Error(NotPlainTextMessage(path, LineNumber(first)));
  const bool header = NumericAt(first) < 0;
  // The column of the first number in the first row that holds one.
  int column = 0;
  for (size_t r = header ? 1 : 0; r < lines.size(); ++r) {
    if (const int at = NumericAt(RowOf(lines[r], separator)); at >= 0) {
      column = at;
      break;
    }
  }
  // Row by row, so that the first fault in the file is the one reported and
  // nothing past the last value a run can take is looked at.
  int values = 0;
  int empty = 0;
  for (size_t r = header ? 1 : 0; r < lines.size(); ++r) {
    const Row row = r == 0 ? first : RowOf(lines[r], separator);
    std::string cell;
    if (Status status = CellOf(row, lines[r].text, header ? &first : nullptr, column, path, cell);
        !status.ok())
      return status;
    if (cell.empty() ? ++empty > kMaxData : ++values > kMaxData)
      return Status::Error(cell.empty() ? TooManyEmptyRowsMessage(path, LineNumber(row))
                                        : TooManyValuesMessage(path, LineNumber(row)));
    cells.push_back(std::move(cell));
  }
  return Status::Ok();
}

Status ValueColumnCells(const std::vector<std::string>& lines, const std::string& path,
                        std::vector<std::string>& cells) {
  std::vector<NumberedLine> numbered;
  for (size_t i = 0; i < lines.size(); ++i)
    if (!IsBlankLine(lines[i])) numbered.push_back({i + 1, lines[i]});
  return ValueColumnCells(numbered, path, cells);
}

Status ReadValueColumn(const std::filesystem::path& path, std::vector<std::string>& cells) {
  // A column that a run can take has a header, kMaxData values and at most
  // as many rows without one: a line past those is never needed, since the
  // column is refused at one of the rows before it.
  constexpr size_t kMostRows = 2 * kMaxData + 1;
  std::vector<NumberedLine> lines;
  const Status read = ScanFileLines(path, [&](size_t number, const std::string& line) {
    if (IsBlankLine(line)) return true;
    lines.push_back({number, line});
    return lines.size() <= kMostRows;
  });
  // The rows before a fault of the reading are judged first: a fault there
  // comes first in the file.
  if (Status cellsRead = ValueColumnCells(lines, path.string(), cells);
      !cellsRead.ok() || !read.ok()) {
    cells.clear();
    return cellsRead.ok() ? read : cellsRead;
  }
  return Status::Ok();
}

}  // namespace quarlin
