#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "cli/distributions_command.h"
#include "cli/subcommands.h"

namespace quarlin {

void AddDistributionsCommand(CLI::App& app, ChosenCommand& chosen) {
  CLI::App* command = app.add_subcommand(
      "distributions", "List the distributions a run fits and the --prefer text of each");
  auto json = std::make_shared<bool>(false);
  command->add_flag("--json", *json, "One JSON array instead of text lines");
  command->callback(
      [json, &chosen] { chosen = [json] { return DistributionsCommand(*json, std::cout); }; });
}

}  // namespace quarlin
