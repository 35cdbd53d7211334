#pragma once
// The input grid: serial numbers in a fixed first column, the values in
// the second. A paste into the grid, or into a cell being edited, goes to
// the controller as one text, so that a whole column lands at once.

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

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CellChanged(QTableWidgetItem* item);

  unsigned shownRevision_ = ~0u;
  bool filling_ = false;
};

}  // namespace quarlin::ui
