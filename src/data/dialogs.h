#pragma once
// The questions and messages a run puts to its user. The GUI shows message
// boxes and file dialogs; the batch command and the tests answer them
// without a screen.

#include <optional>
#include <string>
#include <vector>

namespace quarlin {

// One entry of a file dialog's type list: what the user reads and the
// pattern the names must match.
struct FileFilter {
  std::string description;  // "Input files (*.inp)"
  std::string pattern;      // "*.inp"
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message with one OK button.
  virtual void Message(const std::string& text) = 0;
  // A message the user must see even where plain messages are held back
  // (a quiet batch run): the run goes on, but not with what was entered.
  virtual void Warning(const std::string& text) { Message(text); }
  // A Yes/No question; true only for Yes.
  virtual bool Question(const std::string& text) = 0;
  // The file to write, offered under `filters` (the first one selected);
  // nullopt when the user cancels.
  virtual std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>& filters) = 0;
  // The existing file to read, offered under `filters` (the first one
  // selected); nullopt when the user cancels.
  virtual std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>& filters) = 0;
};

}  // namespace quarlin
