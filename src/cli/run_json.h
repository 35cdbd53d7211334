#pragma once
// The one JSON object `quarlin-cli run --json` prints after a run: what was
// written and what was chosen, read back from the run's own files so that a
// script sees what the calculator and the graphs will see.

#include <optional>
#include <string>

#include "data/run_files.h"

namespace quarlin {

struct RunSummary {
  std::string input;        // as the command line named it
  RunFiles files;           // Input, Output, Aux, RankedList of the run
  bool rankedList = false;  // a best-of-all run, whose ranked list was written
  int n = 0;                // data used
  double avAbsDiff = 0;     // percent
  std::string prefer;
  bool composite = false;
  int classes = 0;
};

struct RunJson {
  std::optional<std::string> text;  // the object, one line, no line end
  std::string error;                // when a file of the run could not be read
};

RunJson RunJsonOf(const RunSummary& summary);

}  // namespace quarlin
