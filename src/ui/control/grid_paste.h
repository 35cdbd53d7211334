#pragma once
// Spreading a column copied from a spreadsheet over the input grid's value
// column, one line per row.

#include <string>
#include <string_view>
#include <vector>

namespace quarlin::ui {

struct PastedColumn {
  // The value cell of each row the text reaches, from the start row on.
  // Text after the last line end fills one more row that is not counted.
  std::vector<std::string> cells;
  int lineEnds = 0;
};

// A paste is a text with a tab or a line end in it; anything else is typed
// into one cell.
bool IsMultiCellPaste(std::string_view text);

// Keeps, per line, what stands before the first tab (further columns have
// no place in the grid): digits, minus signs and the decimal separator (a
// full stop too under a comma, unless the cell has a comma), and the E and
// sign of a number in exponent notation; blanks, letters and thousands
// separators are dropped. CR LF, LF and CR each end a line.
PastedColumn SpreadPastedText(std::string_view text, char decimalSeparator);

}  // namespace quarlin::ui
