#pragma once
// The dialogs and the progress sink a run uses on its own thread: every
// question and message goes to the window's thread and the run waits for
// the answer; progress lines are handed over without waiting.

#include <functional>
#include <string>

#include "data/dialogs.h"
#include "engine/model/progress.h"
#include "ui/control/window_thread.h"

namespace quarlin::ui {

class WorkerDialogs : public Dialogs {
 public:
  WorkerDialogs(Dialogs& window, WindowThread& thread) : window_(window), thread_(thread) {}
  void Message(const std::string& text) override;
  bool Question(const std::string& text) override;
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>& filters) override;
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>& filters) override;

 private:
  Dialogs& window_;
  WindowThread& thread_;
};

class WorkerProgress : public ProgressSink {
 public:
  WorkerProgress(std::function<void(const std::string&)> line, WindowThread& thread)
      : line_(std::move(line)), thread_(thread) {}
  void Line(const std::string& text) override {
    thread_.Post([this, text] { line_(text); });
  }

 private:
  std::function<void(const std::string&)> line_;
  WindowThread& thread_;
};

}  // namespace quarlin::ui
