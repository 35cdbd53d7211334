#include "ui/qt/value_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/control/grid_paste.h"

namespace quarlin::ui {
namespace {

// The cell editor hands a pasted column to the grid instead of squeezing
// it into one cell.
class CellEditor : public QLineEdit {
 public:
  CellEditor(QWidget* parent, ValueGrid* grid) : QLineEdit(parent), grid_(grid) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QString text = QApplication::clipboard()->text();
    if (event->matches(QKeySequence::Paste) && IsMultiCellPaste(text.toStdString())) {
      const int row = grid_->currentRow();
      // The paste replaces what is being typed; the editor closes first so
      // that its text does not come back over the pasted cells.
      setText(QString());
      grid_->setFocus();
      if (grid_->onCellText) grid_->onCellText(row, text.toStdString());
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

 private:
  ValueGrid* grid_;
};

class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(ValueGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* editor = new CellEditor(parent, grid_);
    editor->setFrame(false);
    return editor;
  }

 private:
  ValueGrid* grid_;
};

}  // namespace

ValueGrid::ValueGrid(QWidget* parent) : QTableWidget(0, 2, parent) {
  setObjectName("StringGrid1");
  setHorizontalHeaderLabels({"Serial Nr.", "Data value"});
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(20);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  setColumnWidth(0, 62);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setItemDelegateForColumn(1, new CellDelegate(this));
  connect(this, &QTableWidget::itemChanged, this,
          [this](QTableWidgetItem* item) { CellChanged(item); });
}

void ValueGrid::Show(const std::vector<GridRow>& rows, unsigned revision) {
  if (revision == shownRevision_ && rowCount() == static_cast<int>(rows.size())) return;
  shownRevision_ = revision;
  filling_ = true;
  setRowCount(static_cast<int>(rows.size()));
  const QColor fixed = palette().color(QPalette::Button);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    auto* serial = new QTableWidgetItem(QString::fromStdString(rows[r].serial));
    serial->setFlags(Qt::ItemIsEnabled);
    serial->setBackground(fixed);
    serial->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(r, 0, serial);
    auto* value = new QTableWidgetItem(QString::fromStdString(rows[r].value));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(r, 1, value);
  }
  filling_ = false;
}

void ValueGrid::CellChanged(QTableWidgetItem* item) {
  if (filling_ || item->column() != 1 || !onCellText) return;
  onCellText(item->row(), item->text().toStdString());
}

void ValueGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteClipboard();
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    CutSelection();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void ValueGrid::PasteClipboard() {
  const int row = std::max(currentRow(), 0);
  if (onCellText && rowCount() > 0)
    onCellText(row, QApplication::clipboard()->text().toStdString());
}

void ValueGrid::CopySelection() const {
  QStringList lines;
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < 2; ++c)
      if (item(r, c) && item(r, c)->isSelected() && c == 1) lines << item(r, c)->text();
  if (!lines.isEmpty()) QApplication::clipboard()->setText(lines.join("\n") + "\n");
}

void ValueGrid::CutSelection() {
  CopySelection();
  for (int r = 0; r < rowCount(); ++r)
    if (item(r, 1) && item(r, 1)->isSelected() && onCellText) onCellText(r, std::string());
}

}  // namespace quarlin::ui
