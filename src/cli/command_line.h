#pragma once
// The command line of the batch command: its options and its exit statuses,
// shared by every build of the command.

#include <functional>
#include <ostream>
#include <string>

#include "data/run_session.h"

namespace quarlin {

// Parses the command line, runs it in `session` and returns the exit
// status. `program` names the command in its help and its usage errors.
// Nothing escapes it: a fault is told on stderr as CommandOrFault tells it.
int RunCommandLine(int argc, char** argv, const std::string& program, RunSession& session);

// The exit status of `command`; a fault that escapes it is told on `err`
// (ProgramFaultMessage) and gives exit status 1, so that no fault ends the
// command without a word, and the files and locks of a run it was making
// are removed on the way out.
int CommandOrFault(const std::function<int()>& command, std::ostream& err);

}  // namespace quarlin
