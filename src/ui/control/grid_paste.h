#pragma once
// Spreading text copied from a spreadsheet over the input grid's value
// column, one line per row. What stands around a number (blanks, a unit,
// a word) is dropped, and so are thousands separators in groups of three;
// anything else between the digits makes the cell no number, so that no
// pasted text turns into a value the user never had.

#include <string>
#include <string_view>
#include <vector>

namespace quarlin::ui {

// Why a pasted cell was not taken as a number.
enum class Refusal {
  None,
  // A comma, full stop, blank or apostrophe between the digits that is
  // neither the decimal separator nor a thousands separator in groups of
  // three ("14,2" under a full stop, "1.2.3").
  Separator,
  // Other characters between the digits ("13x7", "1990-05-01").
  BetweenDigits,
  // Letters right before the digits, as in a unit or a name ("m3", "Q1").
  LetterBefore,
  // A minus sign right after the number ("12-").
  MinusAfter,
  // A number beyond the range the program reads ("1e999"); the grid's
  // conversion decides this, not the spreading.
  OutOfRange,
};

struct PastedCell {
  // The number under the grid's decimal separator; empty when the line has
  // no number there; the field as pasted when it is refused.
  std::string text;
  Refusal refusal = Refusal::None;
};

struct PastedColumn {
  // One cell per line of the text, from the start row on. A last line
  // without a line end counts like the others.
  std::vector<PastedCell> cells;
  // Tab-separated columns of the widest line, up to its last one with
  // text, and the one whose cells were taken (from 0): the last that holds
  // a number.
  int columns = 1;
  int taken = 0;
  // Under a full stop, every value of that column had one comma and none
  // before a group of three digits: the commas were read as decimal commas.
  bool decimalCommas = false;
};

// A paste is a text with a tab or a line end in it; anything else is typed
// into one cell.
bool IsMultiCellPaste(std::string_view text);

// `decimalSeparator` is the grid's. Under a comma, a cell's single full
// stop is taken as a decimal point too (a copied "47.1" is 47,1), and
// beside a comma full stops group thousands ("1.234,5"). CR LF, LF and CR
// each end a line.
PastedColumn SpreadPastedText(std::string_view text, char decimalSeparator);

}  // namespace quarlin::ui
