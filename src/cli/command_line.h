#pragma once
// The command line of the batch command: its options and its exit statuses,
// shared by every build of the command.

#include <string>

#include "data/run_session.h"

namespace quarlin {

// Parses the command line, runs it in `session` and returns the exit
// status. `program` names the command in its help and its usage errors.
int RunCommandLine(int argc, char** argv, const std::string& program, RunSession& session);

}  // namespace quarlin
