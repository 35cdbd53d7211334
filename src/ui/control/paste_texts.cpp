#include "ui/control/paste_texts.h"

namespace quarlin::ui {
namespace {

// The rows a message lists; the others are counted.
constexpr size_t kListedRows = 10;

std::string Reason(Refusal why) {
  switch (why) {
    case Refusal::Separator:
      return "a comma, full stop or blank out of place";
    case Refusal::BetweenDigits:
      return "other characters between the digits";
    case Refusal::LetterBefore:
      return "letters right before the digits, as in a unit or a name";
    case Refusal::MinusAfter:
      return "a minus sign after the number";
    case Refusal::OutOfRange:
      return "too large or too small a number";
    case Refusal::None:
      break;
  }
  return {};
}

std::string Quoted(const std::string& text) {
  constexpr size_t kShown = 30;
  return "\"" + (text.size() <= kShown ? text : text.substr(0, kShown) + "...") + "\"";
}

std::string ColumnsReport(const PastedColumn& pasted) {
  return "The pasted text has " + std::to_string(pasted.columns) +
         " columns. The grid took the values of column " + std::to_string(pasted.taken + 1) +
         ", the last one that holds numbers; the other columns were left out. To analyse another "
         "column, copy that column alone and paste it.";
}

std::string RefusalReport(const std::vector<RefusedCell>& refused, char decimalSeparator) {
  std::string text =
      "These rows were not taken as numbers; they are marked in the grid, and Save-Run waits "
      "until they are corrected or emptied:";
  bool between = false;
  bool comma = false;
  for (size_t i = 0; i < refused.size(); ++i) {
    const RefusedCell& cell = refused[i];
    between = between || cell.why == Refusal::Separator || cell.why == Refusal::BetweenDigits;
    comma = comma || (cell.why == Refusal::Separator && cell.text.find(',') != std::string::npos);
    if (i < kListedRows)
      text +=
          "\nrow " + std::to_string(cell.row) + " " + Quoted(cell.text) + ": " + Reason(cell.why);
  }
  if (refused.size() > kListedRows)
    text += "\nand " + std::to_string(refused.size() - kListedRows) + " more rows";
  if (between)
    text += std::string("\nBetween the digits only the decimal separator \"") + decimalSeparator +
            "\" may stand, and thousands separators before groups of three digits.";
  if (comma && decimalSeparator == '.')
    text +=
        " A comma is read as a decimal comma only when every pasted value has one and none "
        "stands before a group of three digits.";
  return text;
}

}  // namespace

std::string PasteReport(const PastedColumn& pasted, const std::vector<RefusedCell>& refused,
                        char decimalSeparator) {
  std::string report;
  if (pasted.columns > 1) report = ColumnsReport(pasted);
  if (!refused.empty()) {
    if (!report.empty()) report += "\n\n";
    report += RefusalReport(refused, decimalSeparator);
  }
  return report;
}

std::string PasteMark(Refusal why) {
  return "Not taken as a number: " + Reason(why) + ". Correct or empty the cell.";
}

}  // namespace quarlin::ui
