#pragma once
// What the Input page tells the user about a paste and about the cells it
// marks as no number, word for word.

#include <string>
#include <vector>

#include "ui/control/grid_paste.h"

namespace quarlin::ui {

struct RefusedCell {
  int row = 0;       // as the grid numbers its rows, from 1
  std::string text;  // as pasted
  Refusal why = Refusal::None;
};

// The one message after a paste: which column was taken when the text had
// several, and which rows were not taken as numbers, and why. Empty when
// there is nothing to tell.
std::string PasteReport(const PastedColumn& pasted, const std::vector<RefusedCell>& refused,
                        char decimalSeparator);

// The words over a pasted cell that was not taken as a number.
std::string PasteMark(Refusal why);

}  // namespace quarlin::ui
