#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/console.h"
#include "cli/run_command.h"
#include "cli/signal_stop.h"
#include "cli/subcommands.h"
#include "data/preference_names.h"

namespace quarlin {
namespace {

// What `run` is given, before it becomes the options of one run or of a
// batch: an option left out keeps what the input file says.
struct RunCommandLine {
  std::vector<std::string> inputs;
  int jobs = 1;
  std::string prefer = "1", title1, title2, output;
  int classes = 0;
  bool composite = false, noComposite = false, noWait = false;
  bool quiet = false, json = false;
};

// Titles become single lines of the input file.
const CLI::Validator kOneLine(
    [](std::string& text) {
      return text.find_first_of("\r\n") == std::string::npos
                 ? std::string()
                 : std::string("a title must be one line");
    },
    "TEXT");

// A preference text, or a choice's name (or an unambiguous beginning of it)
// turned into its text.
const CLI::Validator kPreference(
    [](std::string& typed) {
      const PreferenceMatch match = MatchPreference(typed);
      if (!match.text.empty()) {
        typed = match.text;
        return std::string();
      }
      if (match.names.empty())
        return "unknown distribution '" + typed + "' (the distributions command lists them)";
      std::string message = "'" + typed + "' could mean:";
      for (const auto name : match.names) message += "\n  " + std::string(name);
      return message;
    },
    "NAME|TEXT");

bool HasControlCharacter(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

// Why `output` cannot name the files of a run (empty when it can): one
// input's files are named after it, several inputs' go into it as a folder.
std::string OutputProblem(const std::string& output, bool folder) {
  if (output.empty()) return "--output: the name is empty";
  if (HasControlCharacter(output)) return "--output: the name holds a control character";
  const std::string name = std::filesystem::path(output).filename().string();
  if (!folder && (name.empty() || name == "." || name == ".."))
    return "--output: the name ends in a folder, not a file name (use a base name such as " +
           output + (output.back() == '/' ? "" : "/") + "NAME)";
  return {};
}

// The run's options from what was given; throws CLI::ValidationError for
// what no single option could check.
RunOptions OptionsOf(const RunCommandLine& given, const CLI::App& command) {
  RunOptions options;
  if (command.count("--prefer")) options.prefer = given.prefer;
  if (given.composite) options.composite = true;
  if (given.noComposite) options.composite = false;
  if (command.count("--classes")) options.classes = given.classes;
  if (command.count("--title1")) options.title1 = given.title1;
  if (command.count("--title2")) options.title2 = given.title2;
  if (command.count("--output")) options.output = given.output;
  options.quiet = given.quiet;
  options.json = given.json;
  options.wait = !given.noWait;
  if (options.output)
    if (const std::string problem = OutputProblem(*options.output, given.inputs.size() > 1);
        !problem.empty())
      throw CLI::ValidationError(problem);
  for (const auto& input : given.inputs)
    if (HasControlCharacter(input))
      throw CLI::ValidationError(
          "INPUT: a file name with a control character cannot name the files of a run");
  return options;
}

int RunGiven(const RunCommandLine& given, RunOptions options, RunSession& session) {
  // Made before the runs start their threads, so that none of them takes
  // the signals.
  SignalStop signals;
  options.stop = &signals.Request();
  int status = 0;
  if (given.inputs.size() > 1) {
    BatchOptions batch{
        .inputs = given.inputs, .run = options, .folder = options.output, .jobs = given.jobs};
    batch.run.output.reset();
    status = BatchCommand(batch, session, std::cout, std::cerr);
  } else {
    options.input = given.inputs.front();
    options.progress = ErrorStreamStyle();
    status = RunCommand(options, session, std::cout, std::cerr);
  }
  return signals.Signal() != 0 ? 128 + signals.Signal() : status;
}

}  // namespace

void AddRunCommand(CLI::App& app, RunSession& session, ChosenCommand& chosen) {
  CLI::App* command =
      app.add_subcommand("run", "Fit the distributions to a series and write the report");
  auto given = std::make_shared<RunCommandLine>();
  command
      ->add_option("INPUT", given->inputs,
                   "Input files (*.inp) or columns of values (text/CSV); several are each "
                   "analysed into their own files")
      ->required()
      ->check(CLI::ExistingFile);
  command->add_option("--jobs", given->jobs, "With several INPUTs: how many run side by side")
      ->check(CLI::PositiveNumber);
  command
      ->add_option("--prefer", given->prefer,
                   "Preferred distribution: its number (\"1\" = best of all) or its name in "
                   "the selection dialog or the composite list")
      ->transform(kPreference);
  CLI::Option* composite =
      command->add_flag("--composite", given->composite, "Allow composite distributions");
  CLI::Option* noComposite = command->add_flag("--no-composite", given->noComposite,
                                               "Do not allow composite distributions");
  composite->excludes(noComposite);
  command->add_option("--classes", given->classes,
                      "Number of classes of the interval analysis (2-50)");
  command->add_option("--title1", given->title1, "First title line")->check(kOneLine);
  command->add_option("--title2", given->title2, "Second title line (variable, units)")
      ->check(kOneLine);
  command->add_option("--output", given->output,
                      "Base name of the files written (default: INPUT's); with several INPUTs, "
                      "their folder");
  command->add_flag("--quiet", given->quiet, "Print nothing unless the run fails");
  command->add_flag("--no-wait", given->noWait,
                    "Refuse at once when another run writes the same output base, instead of "
                    "waiting for it");
  command->add_flag("--json", given->json, "One JSON object on stdout; the other lines on stderr");
  command->callback([command, given, &session, &chosen] {
    RunOptions options = OptionsOf(*given, *command);
    chosen = [given, options, &session] { return RunGiven(*given, options, session); };
  });
}

}  // namespace quarlin
