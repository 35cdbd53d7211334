#pragma once
// Loading a report for the Output page, after a run or when the user opens
// an older one.

#include <optional>
#include <string>
#include <vector>

#include "data/dialogs.h"
#include "data/run_state.h"

namespace quarlin {

// Where the report comes from.
enum class OutputOrigin {
  kThisRun,  // the run has just written it, and read its tables back
  kOpened,   // the user opens a report from disk, which may have been cut short
};

// `state.FileName` names the *.out. Returns its lines, or nullopt after
// telling the user it could not be opened. An opened report that is not
// whole is returned as far as it goes, after telling the user what it
// lacks. Sets state.AuxCode from the *.aux beside it (0, with a hint about
// the calculator, when there is none or it cannot be read). FileName names
// the *.out again afterwards.
std::optional<std::vector<std::string>> OpenOutput(RunState& state, Dialogs& dialogs,
                                                   OutputOrigin origin);

}  // namespace quarlin
