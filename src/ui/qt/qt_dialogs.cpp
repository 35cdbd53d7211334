#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QSpacerItem>
#include <QStringList>
#include <QTreeView>
#include <algorithm>

#include "ui/control/window_texts.h"
#include "ui/qt/qt_text.h"

namespace quarlin::ui {
namespace {

// "Input files (*.inp)" already names its pattern; other descriptions get
// it added, as the dialog needs it in the text.
QString FilterText(const FileFilter& filter) {
  const QString description = Q(filter.description);
  const QString pattern = Q(filter.pattern);
  return description.contains(pattern) ? description : description + " (" + pattern + ")";
}

// A name of this many letters shows whole in the file dialogs.
constexpr int kFileNameChars = 36;

// Room for the window's own buttons beside its title, which the window
// manager draws in a font of its own.
constexpr int kTitleBarRoom = 160;

// The box is made as wide as its text needs; a short message would cut
// the title.
int Shown(QMessageBox& box) {
  const int title = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle());
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(title * 6 / 5 + kTitleBarRoom, 0, QSizePolicy::Minimum,
                                  QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  return box.exec();
}

// Qt's own file dialog gives its columns fixed widths, which cut a date
// written in a larger font. Each column gets the width of what it shows,
// and the dialog the width of its columns beside the list of places.
void WidenColumns(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>("treeView");
  if (!view) return;  // the desktop's own dialog
  const QFontMetrics metrics = view->fontMetrics();
  const int room = 3 * metrics.averageCharWidth();
  // What each column shows at its widest, in the words of the desktop's
  // language: a long name, a size, the kinds of file a folder of reports
  // holds, a date.
  const QMimeDatabase kinds;
  const QDateTime date(QDate(2028, 12, 28), QTime(23, 59, 59));
  const QStringList texts[] = {{QString(kFileNameChars, QChar('n'))},
                               {QLocale().formattedDataSize(999'900'000)},
                               {kinds.mimeTypeForName("text/plain").comment(),
                                kinds.mimeTypeForName("inode/directory").comment(),
                                kinds.mimeTypeForName("application/octet-stream").comment()},
                               {QLocale().toString(date, QLocale::ShortFormat)}};
  QHeaderView* header = view->header();
  const QFontMetrics headerMetrics = header->fontMetrics();
  int columns = 0;
  for (int column = 0; column < header->count() && column < 4; ++column) {
    int width = headerMetrics.horizontalAdvance(
                    view->model()->headerData(column, Qt::Horizontal).toString()) +
                room;
    for (const QString& text : texts[column])
      width = std::max(width, metrics.horizontalAdvance(text));
    header->resizeSection(column, width + room);
    columns += header->sectionSize(column);
  }
  const QWidget* places = dialog.findChild<QWidget*>("sidebar");
  const int besides = (places ? places->sizeHint().width() : 0) + 8 * room;
  dialog.resize(std::max(dialog.width(), columns + besides),
                std::max(dialog.height(), 28 * metrics.lineSpacing()));
}

}  // namespace

QWidget* QtDialogs::Owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow(); active && active->isVisible()) return active;
  return parent_;
}

void QtDialogs::Message(const std::string& text) {
  QMessageBox box(QMessageBox::Information, kApplicationTitle, Q(text), QMessageBox::Ok, Owner());
  Shown(box);
}

bool QtDialogs::Question(const std::string& text) {
  QMessageBox box(QMessageBox::Question, "Confirm", Q(text), QMessageBox::Yes | QMessageBox::No,
                  Owner());
  return Shown(box) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const std::vector<FileFilter>& filters) {
  return Choose(filters, true);
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::vector<FileFilter>& filters) {
  return Choose(filters, false);
}

std::optional<std::string> QtDialogs::Choose(const std::vector<FileFilter>& filters, bool save) {
  QFileDialog dialog(Owner());
  dialog.setDirectory(Q(folder_()));
  dialog.setViewMode(QFileDialog::Detail);
  QStringList names;
  for (const auto& filter : filters) names << FilterText(filter);
  dialog.setNameFilters(names);
  if (!filters.empty()) {
    QString suffix = Q(filters.front().pattern);
    dialog.setDefaultSuffix(suffix.mid(suffix.lastIndexOf('.') + 1));
  }
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The run asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  WidenColumns(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace quarlin::ui
