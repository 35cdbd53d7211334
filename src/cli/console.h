#pragma once
// The batch command's answers to a run's dialogs and its progress lines.

#include <ostream>
#include <string>
#include <vector>

#include "data/dialogs.h"
#include "engine/model/progress.h"

namespace quarlin {

// How progress lines reach the error stream: one under the other (logs and
// scripts read them), or, on a terminal, as one line rewritten in place.
enum class ProgressStyle { Lines, InPlace };

// The style for the process's own error stream.
ProgressStyle ErrorStreamStyle();

class ConsoleProgress : public ProgressSink {
 public:
  // `fits`: the codes a best-of-all run fits, in their order (empty when the
  // run fits one); in place, a fit's line tells how far along the run is.
  ConsoleProgress(std::ostream& err, bool quiet, ProgressStyle style = ProgressStyle::Lines,
                  std::vector<int> fits = {})
      : err_(err), quiet_(quiet), style_(style), fits_(std::move(fits)) {}
  ~ConsoleProgress() override { EndLine(); }
  void Line(const std::string& text) override;
  // Ends a line being rewritten, so that what follows starts on its own.
  void EndLine();

 private:
  std::ostream& err_;
  bool quiet_;
  ProgressStyle style_;
  std::vector<int> fits_;
  size_t width_ = 0;  // of the line being rewritten, 0 when none is
};

// Messages go to the error stream as they are; the save file is the one the
// command line named, and an existing file is rewritten without asking. The
// command reads only the files its command line names, so no file is chosen
// to be opened.
class ConsoleDialogs : public Dialogs {
 public:
  // `progress` (may be null) has its line ended before a message.
  // Warnings go to `warnings` when given (stderr while `err` holds the
  // messages of a quiet run back), else to `err`.
  ConsoleDialogs(std::ostream& err, std::string saveFile, ConsoleProgress* progress = nullptr,
                 std::ostream* warnings = nullptr)
      : err_(err), saveFile_(std::move(saveFile)), progress_(progress), warnings_(warnings) {}
  void Message(const std::string& text) override {
    if (progress_) progress_->EndLine();
    err_ << text << '\n';
  }
  void Warning(const std::string& text) override {
    if (progress_) progress_->EndLine();
    (warnings_ ? *warnings_ : err_) << text << '\n';
  }
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
  ConsoleProgress* progress_;
  std::ostream* warnings_;
};

}  // namespace quarlin
