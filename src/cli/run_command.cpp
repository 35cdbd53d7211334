#include "cli/run_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cli/console.h"
#include "common/number_text.h"
#include "data/engine_data.h"
#include "data/input_file.h"
#include "data/messages.h"
#include "data/run_state.h"
#include "data/save_run.h"
#include "data/value_column.h"
#include "engine/catalogue.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;

constexpr int kMinimumData = 6;

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
  return fs::absolute(base).lexically_normal().string();
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

const std::vector<std::string>& PreferenceTexts() {
  static const std::vector<std::string> texts = {
      "1",  "20", "21", "22", "23", "24", "25", "26", "53", "54", "55", "31", "64", "65", "32",
      "6",  "3",  "66", "58", "67", "34", "4",  "51", "5",  "52", "68", "73", "56", "57", "60",
      "62", "59", "33", "35", "39", "69", "61", "8",  "9",  "7",  "15", "18", "14", "12", "16",
      "13", "10", "11", "17", "70", "71", "90", "72", "80", "81", "82", "83", "84", "85"};
  return texts;
}

int RunCommand(const RunOptions& options, EngineSteps& steps, std::ostream& out,
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
  if (static_cast<int>(input.Cells.size()) < kMinimumData) {
    err << kMinimumDataMessage << '\n';
    return 1;
  }

  EngineData engine;
  ConsoleDialogs dialogs(err, InputFileFor(options));
  ConsoleProgress progress(err, options.quiet);
  NumberConversion numbers('.');
  RunEnvironment env{dialogs, progress, steps, numbers, {}};
  const RunResult result = SaveRun(state, engine, input, env);
  if (result.outcome != RunOutcome::Done) return 1;
  out << "Report: " << state.FileName << '\n';
  if (engine.ChosenCode == 0) {
    out << "No distribution could be fitted.\n";
    return 1;
  }
  out << "Chosen distribution: " << ListName(engine.ChosenCode) << " (code " << engine.ChosenCode
      << ")\n"
      << "Average absolute difference: " << Fix(state.AvAbsDiff, 0, 2) << " %\n";
  return 0;
}

}  // namespace quarlin
