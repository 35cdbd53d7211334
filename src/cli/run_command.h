#pragma once
// `quarlin-cli run`: the GUI's Save-Run for one series, without a screen.

#include <optional>
#include <ostream>
#include <string>

#include "cli/console.h"
#include "data/run_session.h"

namespace quarlin {

struct RunOptions {
  std::string input;              // an *.inp, or a plain column / CSV of values
  std::string prefer = "1";       // preference text, "1" = best of all
  std::optional<bool> composite;  // unset: as the input file says (CSV: not allowed)
  std::optional<int> classes;
  std::optional<std::string> title1;
  std::optional<std::string> title2;
  std::optional<std::string> output;  // base name of the run's files
  bool quiet = false;                 // nothing on success; the messages of a failure still
  bool json = false;                  // one JSON object on `out`, the human lines on `err`
  // One of several inputs: no progress, the messages held back as by `quiet`,
  // and on success one line naming INPUT and what was chosen.
  bool summaryLine = false;
  ProgressStyle progress = ProgressStyle::Lines;  // InPlace when `err` is a terminal
  // Another run on the same output base is waited for; when false, this
  // one refuses at once.
  bool wait = true;
  const StopRequest* stop = nullptr;  // ends the run between two steps
};

// Exit status: 0 when the report was made, 1 when the data were refused,
// the files could not be written, the run stopped or a fault ended it (the
// reason is on `err`, and nothing is on `out`).
int RunCommand(const RunOptions& options, RunSession& session, std::ostream& out,
               std::ostream& err);

}  // namespace quarlin
