#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_command.h"
#include "cli/calc_command.h"
#include "cli/distributions_command.h"
#ifdef QUARLIN_HAVE_GRAPHS
#include "cli/graphs/graph_command.h"
#endif
#include "cli/run_command.h"
#include "cli/signal_stop.h"
#include "data/messages.h"
#include "data/preference_names.h"

namespace quarlin {
namespace {

constexpr int kUsageError = 2;

// Titles become single lines of the input file.
const CLI::Validator kOneLine(
    [](std::string& text) {
      return text.find_first_of("\r\n") == std::string::npos
                 ? std::string()
                 : std::string("a title must be one line");
    },
    "TEXT");

// The queries in the order the command line gives them: CLI11 keeps each
// option's values apart, so the order is taken from the words themselves.
std::vector<CalcQuery> QueriesInOrder(int argc, char** argv, const std::vector<std::string>& xs,
                                      const std::vector<std::string>& freqs,
                                      const std::vector<std::string>& periods) {
  std::vector<CalcQuery> queries;
  size_t x = 0, freq = 0, period = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    const std::string name = word.substr(0, word.find('='));
    if (name == "--x" && x < xs.size()) queries.push_back({CalcQueryKind::X, xs[x++]});
    if (name == "--freq" && freq < freqs.size())
      queries.push_back({CalcQueryKind::Freq, freqs[freq++]});
    if (name == "--period" && period < periods.size())
      queries.push_back({CalcQueryKind::Period, periods[period++]});
  }
  return queries;
}

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

int UsageError(const std::string& program, const std::string& what) {
  std::cerr << program << ": " << what << "\nRun with --help for more information.\n";
  return kUsageError;
}

int ParseAndRun(int argc, char** argv, const std::string& program, RunSession& session) {
  CLI::App app{"Cumulative frequency analysis of a series of values", program};
  app.require_subcommand(1);
  app.set_version_flag("--version", program + " " + QUARLIN_VERSION);
  CLI::App* run =
      app.add_subcommand("run", "Fit the distributions to a series and write the report");

  RunOptions options;
  std::string prefer = "1", title1, title2, output;
  int classes = 0;
  std::vector<std::string> inputs;
  run->add_option("INPUT", inputs,
                  "Input files (*.inp) or columns of values (text/CSV); several are each "
                  "analysed into their own files")
      ->required()
      ->check(CLI::ExistingFile);
  int jobs = 1;
  run->add_option("--jobs", jobs, "With several INPUTs: how many run side by side")
      ->check(CLI::PositiveNumber);
  CLI::Option* preferOption =
      run->add_option("--prefer", prefer,
                      "Preferred distribution: its number (\"1\" = best of all) or its name in "
                      "the selection dialog or the composite list")
          ->transform(kPreference);
  bool allowComposite = false, refuseComposite = false;
  CLI::Option* composite =
      run->add_flag("--composite", allowComposite, "Allow composite distributions");
  CLI::Option* noComposite =
      run->add_flag("--no-composite", refuseComposite, "Do not allow composite distributions");
  composite->excludes(noComposite);
  CLI::Option* classesOption =
      run->add_option("--classes", classes, "Number of classes of the interval analysis (2-50)");
  CLI::Option* title1Option =
      run->add_option("--title1", title1, "First title line")->check(kOneLine);
  CLI::Option* title2Option =
      run->add_option("--title2", title2, "Second title line (variable, units)")->check(kOneLine);
  CLI::Option* outputOption = run->add_option(
      "--output", output,
      "Base name of the files written (default: INPUT's); with several INPUTs, their "
      "folder");
  run->add_flag("--quiet", options.quiet, "Print nothing unless the run fails");
  bool noWait = false;
  run->add_flag("--no-wait", noWait,
                "Refuse at once when another run writes the same output base, instead of "
                "waiting for it");
  run->add_flag("--json", options.json, "One JSON object on stdout; the other lines on stderr");

  CLI::App* distributions = app.add_subcommand(
      "distributions", "List the distributions a run fits and the --prefer text of each");
  bool distributionsJson = false;
  distributions->add_flag("--json", distributionsJson, "One JSON array instead of text lines");

  CLI::App* calc =
      app.add_subcommand("calc", "Answer the calculator's questions from a report's files");
  CalcOptions calcOptions;
  std::vector<std::string> xs, freqs, periods;
  calc->add_option("BASE", calcOptions.base, "The report (.out, .aux, .inp or no extension)")
      ->required();
  calc->add_option("--x", xs, "An X-value: its cumulative frequency and return period")
      ->expected(1)
      ->take_all();
  calc->add_option("--freq", freqs, "A cumulative frequency: its X-value")->expected(1)->take_all();
  calc->add_option("--period", periods, "A return period: its X-value")->expected(1)->take_all();
  calc->add_flag("--json", calcOptions.json, "One JSON array instead of text lines");

#ifdef QUARLIN_HAVE_GRAPHS
  CLI::App* graph = app.add_subcommand("graph", "Draw a graph of a report as a BMP or PNG image");
  GraphOptions graphOptions;
  graph->add_option("BASE", graphOptions.base, "The report (.out, .aux, .inp or no extension)")
      ->required();
  graph
      ->add_option("--type", graphOptions.type,
                   "1-6, cumulative, interval, x-confidence, return, predicted-observed, "
                   "histogram, or all")
      ->required()
      ->check([](const std::string& text) {
        return text == "all" || GraphTypeOf(text) ? std::string()
                                                  : std::string("unknown graph type " + text);
      });
  graph->add_flag("--bw", graphOptions.blackAndWhite, "Black and white instead of colour");
  bool noBelt = false;
  graph->add_flag("--no-belt", noBelt, "Leave out the confidence belt");
  graph
      ->add_option("--output", graphOptions.output,
                   "The image (.bmp or .png); with --type all, the folder for the six images")
      ->required();
  graph->add_option("--format", graphOptions.format, "Format of the images of --type all")
      ->check(CLI::IsMember({"png", "bmp"}));
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

  if (distributions->parsed()) return DistributionsCommand(distributionsJson, std::cout);

  if (calc->parsed()) {
    calcOptions.queries = QueriesInOrder(argc, argv, xs, freqs, periods);
    return CalcCommand(calcOptions, std::cout, std::cerr);
  }

#ifdef QUARLIN_HAVE_GRAPHS
  if (graph->parsed()) {
    graphOptions.belt = !noBelt;
    return GraphCommand(graphOptions, std::cerr);
  }
#endif

  if (*preferOption) options.prefer = prefer;
  if (allowComposite) options.composite = true;
  if (refuseComposite) options.composite = false;
  if (*classesOption) options.classes = classes;
  if (*title1Option) options.title1 = title1;
  if (*title2Option) options.title2 = title2;
  if (*outputOption) options.output = output;
  options.wait = !noWait;
  if (options.output)
    if (const std::string problem = OutputProblem(*options.output, inputs.size() > 1);
        !problem.empty())
      return UsageError(program, problem);
  for (const auto& input : inputs)
    if (HasControlCharacter(input))
      return UsageError(program,
                        "INPUT: a file name with a control character cannot name the "
                        "files of a run");

  // Made before the runs start their threads, so that none of them takes
  // the signals.
  SignalStop signals;
  options.stop = &signals.Request();
  int status = 0;
  if (inputs.size() > 1) {
    BatchOptions batch{.inputs = inputs, .run = options, .folder = options.output, .jobs = jobs};
    batch.run.output.reset();
    status = BatchCommand(batch, session, std::cout, std::cerr);
  } else {
    options.input = inputs.front();
    options.progress = ErrorStreamStyle();
    status = RunCommand(options, session, std::cout, std::cerr);
  }
  return signals.Signal() != 0 ? 128 + signals.Signal() : status;
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
