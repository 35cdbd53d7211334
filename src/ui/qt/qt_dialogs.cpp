#include "ui/qt/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

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

}  // namespace

void QtDialogs::Message(const std::string& text) {
  QMessageBox::information(parent_, kApplicationTitle, Q(text));
}

bool QtDialogs::Question(const std::string& text) {
  return QMessageBox::question(parent_, "Confirm", Q(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const std::vector<FileFilter>& filters) {
  return Choose(filters, true);
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::vector<FileFilter>& filters) {
  return Choose(filters, false);
}

std::optional<std::string> QtDialogs::Choose(const std::vector<FileFilter>& filters, bool save) {
  QFileDialog dialog(parent_);
  dialog.setDirectory(Q(folder_()));
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
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace quarlin::ui
