#pragma once
// The input grid: serial numbers in a fixed first column, the values in
// the second; a cell that is no number is marked as the controller says. A paste into the grid, or
// into a cell being edited, goes to the controller as one text, so that a whole column lands at
// once.

#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/control/window_model.h"

namespace quarlin::ui {

class ValueGrid : public QTableWidget {
 public:
  explicit ValueGrid(QWidget* parent = nullptr);

  // `row` got `text`: typed into its cell or pasted at it.
  std::function<void(int row, const std::string& text)> onCellText;

  // Shows `rows` unless the grid already shows this revision of them.
  void Show(const std::vector<GridRow>& rows, unsigned revision);
  void PasteClipboard();
  void CopySelection() const;
  void CutSelection();
  // As in a spreadsheet, Enter goes on to the value cell of the next row
  // and Tab leaves the grid for the next field.
  void MoveDown();
  void LeaveGrid(bool forward) { focusNextPrevChild(forward); }

  // Typing goes into the value cells only; the serial numbers do not jump
  // to the row that begins with what was typed.
  void keyboardSearch(const QString&) override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CellChanged(QTableWidgetItem* item);
  void ShowRow(int r, const GridRow& row);

  unsigned shownRevision_ = ~0u;
  bool filling_ = false;
};

}  // namespace quarlin::ui
