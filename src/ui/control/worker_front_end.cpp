#include "ui/control/worker_front_end.h"

namespace quarlin::ui {

void WorkerDialogs::Message(const std::string& text) {
  thread_.Call([&] { window_.Message(text); });
}

bool WorkerDialogs::Question(const std::string& text) {
  bool answer = false;
  thread_.Call([&] { answer = window_.Question(text); });
  return answer;
}

std::optional<std::string> WorkerDialogs::ChooseSaveFile(const std::vector<FileFilter>& filters) {
  std::optional<std::string> chosen;
  thread_.Call([&] { chosen = window_.ChooseSaveFile(filters); });
  return chosen;
}

std::optional<std::string> WorkerDialogs::ChooseOpenFile(const std::vector<FileFilter>& filters) {
  std::optional<std::string> chosen;
  thread_.Call([&] { chosen = window_.ChooseOpenFile(filters); });
  return chosen;
}

}  // namespace quarlin::ui
