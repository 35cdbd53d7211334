#include "ui/control/grid_paste.h"

namespace quarlin::ui {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsExponentLetter(char c) {
  return c == 'E' || c == 'e';
}

// An E belongs to a number when digits stand before it, the cell holds no E
// yet, and a digit or a sign follows.
bool StartsExponent(const std::string& cell, std::string_view rest) {
  if (cell.empty() || rest.empty()) return false;
  bool digits = false;
  for (char c : cell) {
    if (IsExponentLetter(c)) return false;
    digits = digits || IsDigit(c);
  }
  const char next = rest.front();
  return digits && (IsDigit(next) || next == '+' || next == '-');
}

}  // namespace

bool IsMultiCellPaste(std::string_view text) {
  return text.find_first_of("\t\r\n") != std::string_view::npos;
}

PastedColumn SpreadPastedText(std::string_view text, char decimalSeparator) {
  PastedColumn pasted;
  pasted.cells.emplace_back();
  bool pastFirstColumn = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++pasted.lineEnds;
      pastFirstColumn = false;
      if (i + 1 < text.size()) pasted.cells.emplace_back();
      continue;
    }
    if (c == '\t') pastFirstColumn = true;
    if (pastFirstColumn) continue;
    std::string& cell = pasted.cells.back();
    const bool afterExponent = !cell.empty() && IsExponentLetter(cell.back());
    // Under a decimal comma a full stop is kept too: "47.1" copied from a
    // file must not become 471; the conversion reads it with its fallback.
    const bool point = c == '.' && decimalSeparator == ',';
    if (IsDigit(c) || c == '-' || c == decimalSeparator || point || (c == '+' && afterExponent) ||
        (IsExponentLetter(c) && StartsExponent(cell, text.substr(i + 1))))
      cell += c;
  }
  // Beside a comma, full stops group thousands ("1.234,5").
  if (decimalSeparator == ',')
    for (std::string& cell : pasted.cells)
      if (cell.find(',') != std::string::npos) std::erase(cell, '.');
  return pasted;
}

}  // namespace quarlin::ui
