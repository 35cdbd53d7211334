#pragma once
// Each subcommand adds itself to the command line in a file of its own, over
// an options struct of its own. Parsing only fills those structs; the
// callback of the subcommand that was given checks what the parser cannot
// and leaves the work to do in `chosen`, which runs once parsing is over.

#include <functional>
#include <string>

namespace CLI {
class App;
}

namespace quarlin {

class RunSession;

// The work of the subcommand the command line named, returning the exit
// status. A subcommand's callback may throw CLI::ValidationError instead:
// that is a usage error, told as the parser's own are.
using ChosenCommand = std::function<int()>;

void AddRunCommand(CLI::App& app, RunSession& session, ChosenCommand& chosen);
void AddDistributionsCommand(CLI::App& app, ChosenCommand& chosen);
void AddCalcCommand(CLI::App& app, ChosenCommand& chosen);
#ifdef QUARLIN_HAVE_GRAPHS
void AddGraphCommand(CLI::App& app, ChosenCommand& chosen);
#endif

}  // namespace quarlin
