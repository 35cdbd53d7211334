#pragma once
// Message boxes and file dialogs of the desktop program.

#include <QWidget>
#include <functional>

#include "data/dialogs.h"

namespace quarlin::ui {

class QtDialogs : public Dialogs {
 public:
  // `folder` gives the folder the file dialogs open in.
  explicit QtDialogs(std::function<std::string()> folder) : folder_(std::move(folder)) {}
  // The window messages come up over when no window of the program is
  // active.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(const std::string& text) override;
  bool Question(const std::string& text) override;
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>& filters) override;
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>& filters) override;

 private:
  std::optional<std::string> Choose(const std::vector<FileFilter>& filters, bool save);
  // The window the user is working in, whose event asked the question.
  QWidget* Owner() const;

  std::function<std::string()> folder_;
  QWidget* parent_ = nullptr;
};

}  // namespace quarlin::ui
