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

// Enter and Tab end the edit as in a spreadsheet: Enter goes down a row,
// Tab leaves the grid (the view would edit every cell in turn).
class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(ValueGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* editor = new CellEditor(parent, grid_);
    editor->setFrame(false);
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
      if (enter || tab) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (enter) grid_->MoveDown();
        if (tab)
          grid_->LeaveGrid(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  ValueGrid* grid_;
};

// Light red, with the dark text still easy to read.
QColor MarkColour() {
  return {255, 205, 205};
}

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
  setTabKeyNavigation(false);
  setItemDelegateForColumn(1, new CellDelegate(this));
  connect(this, &QTableWidget::itemChanged, this,
          [this](QTableWidgetItem* item) { CellChanged(item); });
  // The serial numbers are no place to type: the row's value cell is.
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
    if (column == 0 && row >= 0) setCurrentCell(row, 1);
  });
}

// Only what changed is rewritten, so that a cell being edited, the current
// cell and the scrolling stay where they are.
void ValueGrid::Show(const std::vector<GridRow>& rows, unsigned revision) {
  if (revision == shownRevision_ && rowCount() == static_cast<int>(rows.size())) return;
  shownRevision_ = revision;
  filling_ = true;
  setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) ShowRow(r, rows[r]);
  filling_ = false;
}

void ValueGrid::ShowRow(int r, const GridRow& row) {
  QTableWidgetItem* serial = item(r, 0);
  if (!serial) {
    serial = new QTableWidgetItem;
    serial->setFlags(Qt::ItemIsEnabled);
    serial->setBackground(palette().color(QPalette::Button));
    serial->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(r, 0, serial);
  }
  if (serial->text() != QString::fromStdString(row.serial))
    serial->setText(QString::fromStdString(row.serial));
  QTableWidgetItem* value = item(r, 1);
  if (!value) {
    value = new QTableWidgetItem;
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(r, 1, value);
  }
  if (value->text() != QString::fromStdString(row.value))
    value->setText(QString::fromStdString(row.value));
  const QString mark = QString::fromStdString(row.mark);
  if (value->toolTip() != mark) {
    value->setToolTip(mark);
    value->setData(Qt::AccessibleDescriptionRole, mark);
    value->setBackground(mark.isEmpty() ? QBrush() : QBrush(MarkColour()));
  }
}

void ValueGrid::CellChanged(QTableWidgetItem* item) {
  if (filling_ || item->column() != 1 || !onCellText) return;
  onCellText(item->row(), item->text().toStdString());
}

void ValueGrid::MoveDown() {
  const int row = currentRow();
  if (row + 1 < rowCount()) setCurrentCell(row + 1, 1);
}

void ValueGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    MoveDown();
    return;
  }
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
