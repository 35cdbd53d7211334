#pragma once
// The command line of the batch command: its options and its exit statuses,
// shared by every build of the command.

#include <string>

#include "data/engine_steps.h"

namespace quarlin {

// Parses the command line, runs it with `steps` and returns the exit
// status. `program` names the command in its help and its usage errors.
int RunCommandLine(int argc, char** argv, const std::string& program, EngineSteps& steps);

}  // namespace quarlin
