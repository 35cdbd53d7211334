#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "cli/graphs/graph_command.h"
#include "cli/subcommands.h"

namespace quarlin {

void AddGraphCommand(CLI::App& app, ChosenCommand& chosen) {
  CLI::App* command = app.add_subcommand("graph", "Draw a graph of a report as a BMP or PNG image");
  auto options = std::make_shared<GraphOptions>();
  auto noBelt = std::make_shared<bool>(false);
  command->add_option("BASE", options->base, "The report (.out, .aux, .inp or no extension)")
      ->required();
  command
      ->add_option("--type", options->type,
                   "1-6, cumulative, interval, x-confidence, return, predicted-observed, "
                   "histogram, or all")
      ->required()
      ->check([](const std::string& text) {
        return text == "all" || GraphTypeOf(text) ? std::string()
                                                  : std::string("unknown graph type " + text);
      });
  command->add_flag("--bw", options->blackAndWhite, "Black and white instead of colour");
  command->add_flag("--no-belt", *noBelt, "Leave out the confidence belt");
  command
      ->add_option("--output", options->output,
                   "The image (.bmp or .png); with --type all, the folder for the six images")
      ->required();
  command->add_option("--format", options->format, "Format of the images of --type all")
      ->check(CLI::IsMember({"png", "bmp"}));
  command->callback([options, noBelt, &chosen] {
    options->belt = !*noBelt;
    chosen = [options] { return GraphCommand(*options, std::cerr); };
  });
}

}  // namespace quarlin
