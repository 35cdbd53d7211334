// The Input page's grid and its two number fields.
#include <algorithm>

#include "common/number_text.h"
#include "data/messages.h"
#include "ui/control/grid_paste.h"
#include "ui/control/main_controller.h"
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
    for (int r = from; r < state_.NrOfData && r <= lastRow; ++r) input.grid[r] = {Int(r + 1), ""};
  }
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
  }
  rows_ = state_.NrOfData;
  pasting_ = true;
  NumberOfDataCheck();
  pasting_ = false;
  dataLoaded_ = true;
  gridTyped_ = true;
}

bool MainController::HandlePasteMultiCell(int startRow, std::string_view text) {
  auto& input = model_.input;
  const PastedColumn pasted = SpreadPastedText(text, numbers_.DecimalSeparator());
  const int count = pasted.lineEnds + startRow;
  if (count < 1) return false;
  // More rows than a run takes are refused before the grid changes.
  if (count > kMaxData) {
    dialogs_.Message(kTooManyDataMessage);
    return true;
  }
  const int rowsBefore = rows_;
  const int reach = startRow + static_cast<int>(pasted.cells.size());
  if (static_cast<int>(input.grid.size()) < reach) input.grid.resize(reach);
  for (size_t i = 0; i < pasted.cells.size(); ++i) input.grid[startRow + i].value = pasted.cells[i];
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
    // An empty cell is a datum the user removed; Save-Run leaves it out.
    if (input.grid[r].value.empty()) continue;
    const auto value = numbers_.StringToFloat(input.grid[r].value);
    if (!value) return false;
    values[r] = *value;
  }
  state_.Values = std::move(values);
  state_.Serial.resize(n);
  for (int r = 0; r < n; ++r) state_.Serial[r] = r + 1;
  state_.Removed.assign(n, 0);
  return true;
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
    if (const auto value = numbers_.StringToFloat(grid[r].value)) state_.Values[r] = *value;
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
