#pragma once
// `quarlin-cli run` on several inputs: each analysed into its own files, a
// few side by side.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/run_command.h"
#include "data/run_session.h"

namespace quarlin {

struct BatchOptions {
  std::vector<std::string> inputs;
  RunOptions run;                     // what every run takes; its input and output are set per run
  std::optional<std::string> folder;  // where the files go (created if missing)
  int jobs = 1;                       // runs side by side, each fitting on one thread
};

// One summary line per input on `out` (with `run.json`, one JSON array of
// the runs that were done, in the order given), the failures' messages on
// `err` with their input's name in front. `session` does the runs when they
// are made one after the other. Exit status 1 when any run failed.
int BatchCommand(const BatchOptions& options, RunSession& session, std::ostream& out,
                 std::ostream& err);

}  // namespace quarlin
