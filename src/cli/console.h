#pragma once
// The batch command's answers to a run's dialogs and its progress lines.

#include <ostream>
#include <string>
#include <vector>

#include "data/dialogs.h"
#include "engine/model/progress.h"

namespace quarlin {

// Messages go to the error stream as they are; the save file is the one the
// command line named, and an existing file is rewritten without asking. The
// command reads only the files its command line names, so no file is chosen
// to be opened.
class ConsoleDialogs : public Dialogs {
 public:
  ConsoleDialogs(std::ostream& err, std::string saveFile)
      : err_(err), saveFile_(std::move(saveFile)) {}
  void Message(const std::string& text) override { err_ << text << '\n'; }
  bool Question(const std::string&) override { return true; }
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>&) override {
    return saveFile_;
  }
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>&) override {
    return std::nullopt;
  }

 private:
  std::ostream& err_;
  std::string saveFile_;
};

class ConsoleProgress : public ProgressSink {
 public:
  ConsoleProgress(std::ostream& err, bool quiet) : err_(err), quiet_(quiet) {}
  void Line(const std::string& text) override {
    if (!quiet_) err_ << text << '\n';
  }

 private:
  std::ostream& err_;
  bool quiet_;
};

}  // namespace quarlin
