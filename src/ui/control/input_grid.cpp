// The Input page's grid and its two number fields.
#include <algorithm>

#include "common/number_text.h"
#include "data/messages.h"
#include "ui/control/grid_paste.h"
#include "ui/control/main_controller.h"
#include "ui/control/paste_texts.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {
namespace {

int GridWidthFor(int n) {
  return n > 15 ? 170 : 155;
}

}  // namespace

void MainController::RefillGrid(int lastRow) {
  auto& input = model_.input;
  input.nrOfData = Int(state_.NrOfData);
  enteredN_ = state_.NrOfData;
  const std::vector<GridRow> before = std::move(input.grid);
  input.grid.assign(std::max(lastRow + 1, 0), GridRow());
  const int known = static_cast<int>(state_.Values.size());
  for (int r = 0; r <= lastRow; ++r) {
    GridRow& row = input.grid[r];
    row.serial = Int(r + 1);
    if (!dataLoaded_) {
      row.value = "0";
    } else if (gridTyped_ && r < static_cast<int>(before.size())) {
      row = before[r];
    } else if (r < known) {
      if (r < static_cast<int>(state_.Serial.size())) row.serial = Int(state_.Serial[r]);
      row.value = numbers_.Shown(General(static_cast<double>(state_.Values[r])));
    }
  }
  if (!runDone_) {
    const int from = gridTyped_ ? std::max(loadedN_, static_cast<int>(before.size())) : loadedN_;
    for (int r = from; r < state_.NrOfData && r <= lastRow; ++r)
      input.grid[r] = {Int(r + 1), "", ""};
  }
  UpdateMarks();
  rows_ = state_.NrOfData;
  state_.GridCount = state_.NrOfData;
  ++input.gridRevision;
}

void MainController::SetEditText(int row, const std::string& text) {
  auto& grid = model_.input.grid;
  if (model_.running || row < 0 || row >= static_cast<int>(grid.size())) return;
  if (IsMultiCellPaste(text)) {
    if (!HandlePasteMultiCell(row, text)) {
      dialogs_.Message(kNoPasteMessage);
      ShowPage(Page::Input);
    }
  } else {
    grid[row].value = text;
    // What was said of the cell's earlier text does not hold for this one.
    if (!grid[row].mark.empty()) {
      grid[row].mark.clear();
      ++model_.input.gridRevision;
    }
  }
  rows_ = state_.NrOfData;
  pasting_ = true;
  NumberOfDataCheck();
  pasting_ = false;
  dataLoaded_ = true;
  gridTyped_ = true;
  unsaved_ = true;
  if (UpdateMarks()) ++model_.input.gridRevision;
}

bool MainController::HandlePasteMultiCell(int startRow, std::string_view text) {
  auto& input = model_.input;
  const char separator = numbers_.DecimalSeparator();
  PastedColumn pasted = SpreadPastedText(text, separator);
  const int count = static_cast<int>(pasted.cells.size()) + startRow;
  if (pasted.cells.empty()) return false;
  // More rows than a run takes are refused before the grid changes.
  if (count > kMaxData) {
    dialogs_.Message(kTooManyDataMessage);
    return true;
  }
  const int rowsBefore = rows_;
  if (static_cast<int>(input.grid.size()) < count) input.grid.resize(count);
  std::vector<RefusedCell> refused;
  for (size_t i = 0; i < pasted.cells.size(); ++i) {
    PastedCell& cell = pasted.cells[i];
    if (cell.refusal == Refusal::None && !cell.text.empty() && !numbers_.Reads(cell.text))
      cell.refusal = Refusal::OutOfRange;
    GridRow& row = input.grid[startRow + i];
    row.value = cell.text;
    row.mark.clear();
    if (cell.refusal != Refusal::None) {
      row.mark = PasteMark(cell.refusal);
      refused.push_back({startRow + static_cast<int>(i) + 1, cell.text, cell.refusal});
    }
  }
  if (const std::string report = PasteReport(pasted, refused, separator); !report.empty())
    dialogs_.Message(report);
  int n = count;
  if (count < rowsBefore && dialogs_.Question(kMaintainQuestion)) n = rowsBefore;
  input.grid.resize(n);
  for (int r = 0; r < n; ++r) input.grid[r].serial = Int(r + 1);
  state_.NrOfData = n;
  input.nrOfData = Int(n);
  input.gridWidth = GridWidthFor(n);
  ++input.gridRevision;

  DataArrayR values(n, 0.0L);
  for (int r = 0; r < n; ++r) {
    // An empty cell is a datum the user removed, and a marked one no
    // number; Save-Run leaves out the first and refuses the second.
    if (const auto value = numbers_.ReadEntry(input.grid[r].value)) values[r] = *value;
  }
  state_.Values = std::move(values);
  state_.Serial.resize(n);
  for (int r = 0; r < n; ++r) state_.Serial[r] = r + 1;
  state_.Removed.assign(n, 0);
  return true;
}

// A cell that Save-Run would refuse is marked, read in row order as
// Save-Run reads it: a full stop taken under a decimal comma makes the
// commas of the rows after it unreadable.
bool MainController::UpdateMarks() {
  NumberConversion reading = numbers_;
  bool changed = false;
  for (GridRow& row : model_.input.grid) {
    const bool number = row.value.empty() || reading.ReadEntry(row.value);
    std::string mark = number ? std::string() : row.mark.empty() ? kTypedMark : row.mark;
    if (mark != row.mark) {
      row.mark = std::move(mark);
      changed = true;
    }
  }
  return changed;
}

void MainController::NrOfDataEditExit() {
  if (model_.running) return;
  NumberOfDataCheck();
}

void MainController::NumberOfDataCheck() {
  auto& input = model_.input;
  const auto n = ParseInteger(input.nrOfData);
  // The field at fault is the one being left, not the grid being pasted in.
  const Field field = pasting_ ? Field::None : Field::NrOfData;
  if (!n) {
    dialogs_.Message(kNotValidIntegerMessage);
    FaultAt(field);
    return;
  }
  if (*n < kMinData) {
    dialogs_.Message(kMinimumDataMessage);
    input.nrOfData = Int(kMinData);
    FaultAt(field);
    return;
  }
  if (*n > kMaxData) {
    dialogs_.Message(kTooManyDataMessage);
    input.nrOfData = Int(enteredN_);
    FaultAt(field);
    return;
  }
  if (!pasting_ && *n > rows_) {
    dialogs_.Message(kAddDataMessage);
    loadedN_ = state_.NrOfData;
    state_.NrOfData = *n;
    CopyGridIntoState();
    RefillGrid(*n - 1);
  }
  if (!pasting_ && *n < rows_) {
    rows_ = *n;
    dialogs_.Message(kRemoveDataMessage);
  }
  input.gridWidth = GridWidthFor(*n);
  enteredN_ = *n;
}

// Keeps the values of the cells that hold numbers; the cells themselves
// stay as typed.
void MainController::CopyGridIntoState() {
  const auto& grid = model_.input.grid;
  const int rows = std::min(rows_, static_cast<int>(grid.size()));
  if (static_cast<int>(state_.Values.size()) < rows) state_.Values.resize(rows, 0.0L);
  if (static_cast<int>(state_.Serial.size()) < rows) state_.Serial.resize(rows, 0);
  for (int r = 0; r < rows; ++r) {
    state_.Serial[r] = ParseInteger(grid[r].serial).value_or(r + 1);
    if (const auto value = numbers_.ReadEntry(grid[r].value)) state_.Values[r] = *value;
  }
}

void MainController::NrOfClassesEditClick() {
  dialogs_.Message(kClassesHint);
}

void MainController::NrOfClassesEditExit() {
  if (model_.running) return;
  auto& input = model_.input;
  auto k = ParseInteger(input.nrOfClasses);
  if (!k) {
    dialogs_.Message(kClassesNotIntegerMessage);
    input.nrOfClasses = "5";
    k = 5;
    FaultAt(Field::NrOfClasses);
  }
  // Fewer than two intervals leave no histogram to draw: refused as
  // Save-Run would refuse them, and the last good number comes back.
  if (*k < 2) {
    dialogs_.Message(kClassesOutOfRangeMessage);
    input.nrOfClasses = Int(state_.NrOfClasses);
    FaultAt(Field::NrOfClasses);
    return;
  }
  state_.NrOfClassesText = input.nrOfClasses;
  if (*k > 50) {
    k = 50;
    input.nrOfClasses = "50";
    state_.NrOfClassesText = "50";
  }
  state_.NrOfClasses = *k;
}

void MainController::PasteHelpButtonClick() {
  auto& input = model_.input;
  input.pasteHelpShown = !input.pasteHelpShown;
  input.pasteHelpCaption = input.pasteHelpShown ? kCloseHelpCaption : kPasteHelpAgainCaption;
}

}  // namespace quarlin::ui
