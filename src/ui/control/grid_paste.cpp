#include "ui/control/grid_paste.h"

#include <algorithm>

namespace quarlin::ui {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSeparatorSign(char c) {
  return c == ',' || c == '.' || c == ' ' || c == '\'';
}

bool IsBlankOnly(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// Spreadsheets copy the blanks that group thousands as no-break spaces and
// a minus as the sign U+2212; they mean what the plain signs mean.
std::string Normalized(std::string_view field) {
  std::string plain;
  for (size_t i = 0; i < field.size(); ++i) {
    const std::string_view rest = field.substr(i);
    if (rest.starts_with("\xC2\xA0")) {
      plain += ' ';
      i += 1;
    } else if (rest.starts_with("\xE2\x80\xAF") || rest.starts_with("\xE2\x80\x89")) {
      plain += ' ';
      i += 2;
    } else if (rest.starts_with("\xE2\x88\x92")) {
      plain += '-';
      i += 2;
    } else {
      plain += field[i];
    }
  }
  return plain;
}

// The number in a field: from its first digit, or the separator right
// before it, to its last digit. What stands around it is dropped, but for
// a minus sign before it (blanks between allowed).
struct Core {
  bool found = false;
  bool negative = false;
  std::string_view text;
  Refusal refusal = Refusal::None;
};

Core FindCore(std::string_view field) {
  Core core;
  const size_t first = field.find_first_of("0123456789");
  if (first == std::string_view::npos) return core;
  core.found = true;
  size_t start = first;
  if (start > 0 && (field[start - 1] == '.' || field[start - 1] == ',')) --start;
  const size_t last = field.find_last_of("0123456789");
  core.text = field.substr(start, last + 1 - start);
  size_t before = start;
  while (before > 0 && field[before - 1] == ' ') --before;
  core.negative = before > 0 && field[before - 1] == '-';
  // "m3" or "Q1": the digits belong to a word, not to a value.
  if (start > 0 && IsLetter(field[start - 1]))
    core.refusal = Refusal::LetterBefore;
  else if (last + 1 < field.size() && field[last + 1] == '-')
    core.refusal = Refusal::MinusAfter;
  return core;
}

// One comma, no full stop, and not before a group of three digits.
bool HasDecimalComma(std::string_view core) {
  if (std::ranges::count(core, ',') != 1 || core.find('.') != std::string_view::npos) return false;
  size_t digits = 0;
  for (size_t i = core.find(',') + 1; i < core.size() && IsDigit(core[i]); ++i) ++digits;
  return digits != 3;
}

struct Reading {
  std::string number;
  Refusal refusal = Refusal::None;
};

// Separators out of place, or other signs between the digits; an exponent
// at the end does not count as other signs.
Reading Refused(std::string_view core) {
  const size_t e = core.find_last_of("Ee");
  if (e != std::string_view::npos) {
    std::string_view exponent = core.substr(e + 1);
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-'))
      exponent.remove_prefix(1);
    if (!exponent.empty() && std::ranges::all_of(exponent, IsDigit)) core = core.substr(0, e);
  }
  const bool others =
      std::ranges::any_of(core, [](char c) { return !IsDigit(c) && !IsSeparatorSign(c); });
  return {{}, others ? Refusal::BetweenDigits : Refusal::Separator};
}

// Reads [digits [group digits]...] [decimal digits] [E [sign] digits] and
// writes it with `separator` as its decimal separator.
Reading ReadCore(const Core& core, char separator, bool decimalCommas) {
  const std::string_view t = core.text;
  char decimal = separator;
  std::string_view groups = ". '";
  if (separator == '.') {
    decimal = decimalCommas ? ',' : '.';
    groups = decimalCommas ? " '" : ", '";
  } else if (t.find(',') == std::string_view::npos && std::ranges::count(t, '.') == 1) {
    // A copied "47.1" under a decimal comma is 47,1, not 471.
    decimal = '.';
    groups = " '";
  }
  Reading reading;
  if (core.negative) reading.number = "-";
  size_t i = 0;
  const auto digits = [&] {
    const size_t from = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    return t.substr(from, i - from);
  };
  const std::string_view lead = digits();
  reading.number += lead;
  size_t mantissa = lead.size();
  char groupSign = 0;
  while (i < t.size() && groups.find(t[i]) != std::string_view::npos) {
    if (lead.empty() || lead.size() > 3 || (groupSign && t[i] != groupSign)) return Refused(t);
    groupSign = t[i++];
    const std::string_view group = digits();
    if (group.size() != 3) return Refused(t);
    reading.number += group;
    mantissa += 3;
  }
  if (i < t.size() && t[i] == decimal) {
    ++i;
    const std::string_view fraction = digits();
    reading.number += separator;
    reading.number += fraction;
    mantissa += fraction.size();
  }
  if (mantissa > 0 && i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    reading.number += t[i++];
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) reading.number += t[i++];
    const std::string_view exponent = digits();
    if (exponent.empty()) return Refused(t);
    reading.number += exponent;
  }
  if (mantissa == 0 || i != t.size()) return Refused(t);
  return reading;
}

struct ColumnReading {
  std::vector<PastedCell> cells;
  bool decimalCommas = false;
  bool hasNumber = false;
};

ColumnReading ReadColumn(const std::vector<std::vector<std::string_view>>& lines, size_t column,
                         char separator) {
  std::vector<std::string> fields;
  fields.reserve(lines.size());
  for (const auto& line : lines)
    fields.push_back(column < line.size() ? Normalized(line[column]) : "");
  std::vector<Core> cores;
  for (const std::string& field : fields) cores.push_back(FindCore(field));

  ColumnReading reading;
  if (separator == '.') {
    bool voted = false;
    bool all = true;
    for (const Core& core : cores) {
      if (!core.found || core.refusal != Refusal::None) continue;
      voted = true;
      all = all && HasDecimalComma(core.text);
    }
    reading.decimalCommas = voted && all;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    const Core& core = cores[i];
    PastedCell cell;
    if (core.found) {
      const Reading read = core.refusal == Refusal::None
                               ? ReadCore(core, separator, reading.decimalCommas)
                               : Reading{{}, core.refusal};
      cell.refusal = read.refusal;
      if (read.refusal == Refusal::None) {
        cell.text = read.number;
        reading.hasNumber = true;
      } else {
        cell.text = Trimmed(column < lines[i].size() ? lines[i][column] : "");
      }
    }
    reading.cells.push_back(std::move(cell));
  }
  return reading;
}

// CR LF, LF and CR each end a line; text after the last line end is a line
// too unless it holds nothing but blanks and tabs.
std::vector<std::vector<std::string_view>> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t begin = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(begin, i - begin));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size() && !IsBlankOnly(text.substr(begin))) lines.push_back(text.substr(begin));
  std::vector<std::vector<std::string_view>> split;
  for (std::string_view line : lines) {
    auto& fields = split.emplace_back();
    size_t from = 0;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', from)) {
      fields.push_back(line.substr(from, tab - from));
      from = tab + 1;
    }
    fields.push_back(line.substr(from));
  }
  return split;
}

}  // namespace

bool IsMultiCellPaste(std::string_view text) {
  return text.find_first_of("\t\r\n") != std::string_view::npos;
}

PastedColumn SpreadPastedText(std::string_view text, char decimalSeparator) {
  const auto lines = SplitLines(text);
  PastedColumn pasted;
  for (const auto& fields : lines)
    for (size_t k = fields.size(); k > 0; --k)
      if (!IsBlankOnly(fields[k - 1])) {
        pasted.columns = std::max(pasted.columns, static_cast<int>(k));
        break;
      }
  // The last column that holds a number is the one of the values: a
  // spreadsheet puts the years or dates before them.
  for (int k = pasted.columns - 1; k >= 0; --k) {
    ColumnReading column = ReadColumn(lines, k, decimalSeparator);
    if (column.hasNumber || k == 0) {
      pasted.cells = std::move(column.cells);
      pasted.taken = k;
      pasted.decimalCommas = column.decimalCommas;
      break;
    }
  }
  return pasted;
}

}  // namespace quarlin::ui
