#include "cli/run_command.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "cli/console.h"
#include "cli/run_json.h"
#include "common/number_text.h"
#include "data/input_file.h"
#include "data/messages.h"
#include "data/run_files.h"
#include "data/run_session.h"
#include "data/run_state.h"
#include "data/value_column.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/codes.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;

bool HasInputExtension(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return extension == ".inp";
}

// BASE.inp as an absolute path: the input file names itself on line 7.
std::string InputFileFor(const RunOptions& options) {
  fs::path base = options.output
                      ? fs::path(*options.output)
                      : fs::path(options.input).parent_path() / fs::path(options.input).stem();
  if (!HasInputExtension(base)) base += ".inp";
  // Without a current folder the name stays relative; the write says why.
  std::error_code error;
  const fs::path absolute = fs::absolute(base, error);
  return (error ? base : absolute).lexically_normal().string();
}

// Fills `input` and the composite option from the INPUT file.
Status LoadInput(const RunOptions& options, RunState& state, SaveRunInput& input) {
  if (!HasInputExtension(options.input)) return ReadValueColumn(options.input, input.Cells);
  RunState read = state;
  read.FileName = options.input;
  if (Status status = ReadInputFile(read); !status.ok()) return status;
  input.Title1 = read.Title1;
  input.Title2 = read.Title2;
  input.NrOfClassesText = Int(read.NrOfClasses);
  for (int i = 0; i < read.NrOfData; ++i)
    input.Cells.push_back(General(static_cast<double>(read.Values[i])));
  state.OptionIndex = read.CompositeAllowed ? 1 : 0;
  return Status::Ok();
}

}  // namespace

int RunCommand(const RunOptions& options, RunSession& session, std::ostream& out,
               std::ostream& err) {
  RunState state;
  DataModuleCreate(state);
  SaveRunInput input;
  if (Status loaded = LoadInput(options, state, input); !loaded.ok()) {
    err << loaded.message() << '\n';
    return 1;
  }
  if (options.title1) input.Title1 = *options.title1;
  if (options.title2) input.Title2 = *options.title2;
  if (options.classes) input.NrOfClassesText = Int(*options.classes);
  if (options.composite) state.OptionIndex = *options.composite ? 1 : 0;
  state.Preference = options.prefer;

  // A quiet run holds its messages back until it is known to have failed.
  const bool hold = options.quiet || options.summaryLine;
  std::ostringstream held;
  std::ostream& messages = hold ? held : err;
  const std::string inputFile = InputFileFor(options);
  std::vector<int> fits;
  if (state.Preference == "1") fits = FitSequence(state.OptionIndex == 1);
  ConsoleProgress progress(err, hold, options.progress, std::move(fits));
  ConsoleDialogs dialogs(messages, inputFile, &progress, &err);
  NumberConversion numbers('.');
  FrontEnd frontEnd{dialogs, progress, numbers};
  frontEnd.stop = options.stop;
  frontEnd.waitForOtherRuns = options.wait;
  RunResult result;
  std::string fault;
  // A fault inside the run ends it here, after its temporary files and its
  // lock went as it ended.
  try {
    result = session.SaveRun(state, input, frontEnd);
  } catch (...) {
    fault = RunFaultMessage(std::current_exception());
  }
  progress.EndLine();
  const int chosenCode = session.Engine().ChosenCode;
  // The held messages first, then why the run failed.
  const auto fail = [&](const std::string& why) {
    if (hold) err << held.str();
    if (!why.empty()) err << why << '\n';
    return 1;
  };
  if (!fault.empty()) return fail(fault);
  if (result.outcome != RunOutcome::Done) return fail("");
  std::ostream& human = options.json ? err : out;
  if (chosenCode == kNoDistribution) {
    if (hold) return fail("No distribution could be fitted.");
    human << "Report: " << state.FileName << '\n' << "No distribution could be fitted.\n";
    return 1;
  }
  if (options.json) {
    const RunJson json = RunJsonOf({.input = options.input,
                                    .files = CompanionFiles(inputFile),
                                    .rankedList = state.Preference == "1",
                                    .n = session.Engine().sample.N,
                                    .avAbsDiff = state.AvAbsDiff,
                                    .prefer = state.Preference,
                                    .composite = state.OptionIndex == 1,
                                    .classes = state.NrOfClasses});
    if (!json.text) return fail(json.error);
    out << *json.text << '\n';
  }
  if (options.quiet) return 0;
  if (options.summaryLine) {
    human << options.input << ": " << ListName(chosenCode) << " (code " << chosenCode
          << "), average absolute difference " << Fix(state.AvAbsDiff, 0, 2) << " %, report "
          << state.FileName << '\n';
    return 0;
  }
  human << "Report: " << state.FileName << '\n'
        << "Chosen distribution: " << ListName(chosenCode) << " (code " << chosenCode << ")\n"
        << "Average absolute difference: " << Fix(state.AvAbsDiff, 0, 2) << " %\n";
  return 0;
}

}  // namespace quarlin
