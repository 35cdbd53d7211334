#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>

#include "cli/subcommands.h"
#include "data/messages.h"

namespace quarlin {
namespace {

constexpr int kUsageError = 2;

int UsageError(const std::string& program, const std::string& what) {
  std::cerr << program << ": " << what << "\nRun with --help for more information.\n";
  return kUsageError;
}

int ParseAndRun(int argc, char** argv, const std::string& program, RunSession& session) {
  CLI::App app{"Cumulative frequency analysis of a series of values", program};
  app.require_subcommand(1);
  app.set_version_flag("--version", program + " " + QUARLIN_VERSION);
  ChosenCommand chosen;
  AddRunCommand(app, session, chosen);
  AddDistributionsCommand(app, chosen);
  AddCalcCommand(app, chosen);
#ifdef QUARLIN_HAVE_GRAPHS
  AddGraphCommand(app, chosen);
#endif

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return UsageError(program, e.what());
  }
  return chosen();
}

}  // namespace

int CommandOrFault(const std::function<int()>& command, std::ostream& err) {
  try {
    return command();
  } catch (...) {
    err << ProgramFaultMessage(std::current_exception()) << '\n';
    err.flush();
    return 1;
  }
}

int RunCommandLine(int argc, char** argv, const std::string& program, RunSession& session) {
  return CommandOrFault([&] { return ParseAndRun(argc, argv, program, session); }, std::cerr);
}

}  // namespace quarlin
