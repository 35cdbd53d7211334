#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/subcommands.h"

namespace quarlin {
namespace {

// The queries in the order the command line gives them: the parser records
// each value's option in that order, and each option keeps its own values
// in order.
std::vector<CalcQuery> QueriesInOrder(const CLI::App& command,
                                      const std::map<const CLI::Option*, CalcQueryKind>& kinds) {
  std::map<const CLI::Option*, size_t> taken;
  std::vector<CalcQuery> queries;
  for (const CLI::Option* option : command.parse_order()) {
    const auto kind = kinds.find(option);
    if (kind == kinds.end()) continue;
    const std::vector<std::string>& values = option->results();
    size_t& next = taken[option];
    if (next < values.size()) queries.push_back({kind->second, values[next++]});
  }
  return queries;
}

}  // namespace

void AddCalcCommand(CLI::App& app, ChosenCommand& chosen) {
  CLI::App* command =
      app.add_subcommand("calc", "Answer the calculator's questions from a report's files");
  auto options = std::make_shared<CalcOptions>();
  command->add_option("BASE", options->base, "The report (.out, .aux, .inp or no extension)")
      ->required();
  const std::map<const CLI::Option*, CalcQueryKind> kinds = {
      {command->add_option("--x", "An X-value: its cumulative frequency and return period")
           ->expected(1)
           ->take_all(),
       CalcQueryKind::X},
      {command->add_option("--freq", "A cumulative frequency: its X-value")
           ->expected(1)
           ->take_all(),
       CalcQueryKind::Freq},
      {command->add_option("--period", "A return period: its X-value")->expected(1)->take_all(),
       CalcQueryKind::Period},
  };
  command->add_flag("--json", options->json, "One JSON array instead of text lines");
  command->callback([command, kinds, options, &chosen] {
    options->queries = QueriesInOrder(*command, kinds);
    chosen = [options] { return CalcCommand(*options, std::cout, std::cerr); };
  });
}

}  // namespace quarlin
