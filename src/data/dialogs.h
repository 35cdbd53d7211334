#pragma once
// The questions and messages a run puts to its user. The GUI shows message
// boxes and file dialogs; the batch command and the tests answer them
// without a screen.

#include <optional>
#include <string>

namespace quarlin {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message with one OK button.
  virtual void Message(const std::string& text) = 0;
  // A Yes/No question; true only for Yes.
  virtual bool Question(const std::string& text) = 0;
  // The save-file choice under `filter` ("Input files (*.inp)|*.inp");
  // nullopt when the user cancels.
  virtual std::optional<std::string> ChooseSaveFile(const std::string& filter) = 0;
};

}  // namespace quarlin
