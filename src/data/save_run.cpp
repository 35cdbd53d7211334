#include "data/save_run.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "common/file_lock.h"
#include "common/text_file.h"
#include "data/calculation_driver.h"
#include "data/input_file.h"
#include "data/messages.h"
#include "data/open_output.h"
#include "data/progress_lines.h"
#include "data/run_files.h"
#include "data/stored_values.h"
#include "engine/analysis/interval_evaluation.h"

namespace quarlin {
namespace {

struct Entries {
  DataArrayR values;
  RemoveSet removed;
  int classes = 5;
};

std::vector<long double> KeptValues(const Entries& entries) {
  std::vector<long double> kept;
  for (size_t i = 0; i < entries.values.size(); ++i)
    if (!entries.removed[i]) kept.push_back(entries.values[i]);
  return kept;
}

// Converts and checks the Input page's cells. Every refusal happens here
// and in CheckClasses, before any file is touched.
Status CheckEntries(const SaveRunInput& input, NumberConversion& numbers, Entries& entries) {
  const int rows = static_cast<int>(input.Cells.size());
  int zeros = 0;
  int kept = 0;
  bool tooLow = false;
  // Sums of squares of the data and of their spread, as the fits will
  // build them: beyond a double, every parameter would be infinite.
  long double squares = 0, lowest = 0, highest = 0;
  // Every cell that is no number is named, so that the user finds them all
  // at once.
  std::vector<NotRealCell> notReal;
  for (const auto& cell : input.Cells) {
    if (cell.empty()) {
      entries.values.push_back(0.0L);
      entries.removed.push_back(1);
      continue;
    }
    const auto value = numbers.ReadEntry(cell);
    if (!value) {
      notReal.push_back({static_cast<int>(entries.values.size()) + 1, cell});
      entries.values.push_back(0.0L);
      entries.removed.push_back(0);
      continue;
    }
    entries.values.push_back(*value);
    entries.removed.push_back(0);
    lowest = kept == 0 ? *value : std::min<long double>(lowest, *value);
    highest = kept == 0 ? *value : std::max<long double>(highest, *value);
    ++kept;
    squares += static_cast<long double>(*value) * *value;
    if (*value == 0.0) ++zeros;
    // As the input file will hold it: the run reads the value back.
    if (StoredValue(*value) <= kLowLimit) tooLow = true;
  }
  if (!notReal.empty()) return Status::Error(NotRealMessage(notReal));
  if (kept < kMinData) return Status::Error(kMinimumDataMessage);
  if (zeros > 0.5 * rows) return Status::Error(kTooManyZerosMessage);
  if (kept > kMaxData) return Status::Error(kTooManyDataMessage);
  if (tooLow) return Status::Error(kValueTooLowMessage);
  const long double spread = (highest - lowest) * (highest - lowest) * kept;
  if (squares > std::numeric_limits<double>::max() || spread > std::numeric_limits<double>::max())
    return Status::Error(kSquaresOverflowMessage);
  if (auto refusal = IndistinctValuesRefusal(KeptValues(entries))) return Status::Error(*refusal);
  return Status::Ok();
}

// The number of classes, checked after the values.
Status CheckClasses(const SaveRunInput& input, Entries& entries) {
  const auto classes = ParseInteger(input.NrOfClassesText);
  if (!classes || !IsValidClassCount(*classes)) return Status::Error(kClassesOutOfRangeMessage);
  entries.classes = *classes;
  return Status::Ok();
}

// The file choice. False when the user gave none or refused to
// overwrite.
bool ChooseSaveFile(RunState& state, Dialogs& dialogs) {
  const auto chosen = dialogs.ChooseSaveFile({kInputFilter});
  if (chosen) {
    state.FileName = *chosen;
    // A name the system cannot look up (too long, a looping link, a folder
    // that may not be entered) is taken as new: writing it then fails with
    // the system's reason.
    std::error_code error;
    if (!std::filesystem::exists(state.FileName, error) || dialogs.Question(kOverwriteQuestion))
      return true;
  }
  dialogs.Message(kNotSavedMessage);
  return false;
}

// Showing the results of a successful calculation.
RunResult ShowResults(RunState& state, EngineData& engine, FrontEnd& frontEnd, EngineSteps& steps) {
  for (int i = 1; i < static_cast<int>(state.SortedValues.size()); ++i)
    state.SortedValues[i - 1] = state.SortedValues[i];
  frontEnd.progress.Line(kFilingResultsLine);
  if (frontEnd.pause) frontEnd.pause();
  const std::string inputName = ChangeExtension(state.FileName, ".inp").string();
  state.FileName = ChangeExtension(state.FileName, ".out").string();
  RunResult result;
  auto lines = OpenOutput(state, frontEnd.dialogs, OutputOrigin::kThisRun);
  if (!lines) {
    result.outcome = RunOutcome::OutputNotShown;
    return result;
  }
  result.outputLines = std::move(*lines);
  if (state.Preference == "1") {
    const RunFiles files = CompanionFiles(inputName);
    RunContext run{state, engine, files, frontEnd.progress};
    const Status resorted = steps.ResortRankedList(run);
    if (resorted.ok())
      result.rankedListShown = true;
    else
      frontEnd.dialogs.Message(resorted.message());
  }
  frontEnd.dialogs.Message("The input is saved in " + inputName +
                           "   Calculations were done and the output is saved in  " +
                           state.FileName);
  result.outcome = RunOutcome::Done;
  return result;
}

}  // namespace

RunResult SaveRun(RunState& state, EngineData& engine, const SaveRunInput& input,
                  FrontEnd& frontEnd, EngineSteps& steps) {
  RunResult result;
  engine.GraphMode = false;
  if (!ChooseSaveFile(state, frontEnd.dialogs)) return result;
  state.Title1 = input.Title1;
  state.Title2 = input.Title2;
  state.Threshold = kLowLimit;

  Entries entries;
  Status checked = CheckEntries(input, frontEnd.numbers, entries);
  result.refused = RefusedEntry::Values;
  if (checked.ok()) {
    checked = CheckClasses(input, entries);
    result.refused = RefusedEntry::Classes;
  }
  if (!checked.ok()) {
    frontEnd.dialogs.Message(checked.message());
    result.outcome = RunOutcome::Refused;
    return result;
  }
  result.refused = RefusedEntry::None;
  // The input file keeps fewer digits than may have been entered; the user
  // hears of it when the data change by it, and the run goes on.
  if (auto warning = ReductionWarning(KeptValues(entries))) frontEnd.dialogs.Warning(*warning);
  RunState entered = state;
  entered.NrOfData = static_cast<int>(input.Cells.size());
  entered.Serial.resize(entered.NrOfData);
  for (int i = 0; i < entered.NrOfData; ++i) entered.Serial[i] = i + 1;
  entered.Values = std::move(entries.values);
  entered.Removed = std::move(entries.removed);
  entered.NrOfClasses = entries.classes;
  entered.NrOfClassesText = input.NrOfClassesText;

  // One run at a time on a set of files: another process may be writing
  // the same base.
  FileLock lock;
  const std::string inputPath = entered.FileName;
  const auto taken = lock.Take(
      ChangeExtension(inputPath, ".lock"), frontEnd.waitForOtherRuns,
      [&] { frontEnd.progress.Line(WaitingForBaseLine(inputPath)); },
      [&] { return frontEnd.stop && frontEnd.stop->Requested(); });
  if (taken == FileLock::Outcome::Busy) {
    const bool stopped = frontEnd.stop && frontEnd.stop->Requested();
    frontEnd.dialogs.Message(stopped ? kRunStoppedMessage : BaseInUseMessage(inputPath));
    result.outcome = stopped ? RunOutcome::Cancelled : RunOutcome::NotWritten;
    return result;
  }
  // A lock file that cannot be made means a folder that takes no files, or
  // a base name too long for ".lock": writing the input file says why, or
  // the run goes on unguarded.
  RunFiles files = CompanionFiles(inputPath);
  if (taken == FileLock::Outcome::Held) RemoveLeftTemporaries(files);
  TemporaryFiles temporaries;
  Status written = CheckReplaceable(files);
  if (written.ok()) written = CreateTemporaryRunFiles(files, temporaries);
  if (written.ok()) written = WriteInputFileTo(entered, files.NewInput);
  if (!written.ok()) {
    frontEnd.dialogs.Message(written.message());
    result.outcome = RunOutcome::NotWritten;
    return result;
  }
  state = std::move(entered);
  engine.InputPath = state.FileName;
  engine.CompositeWanted = state.OptionIndex == 1;

  result.outcome = DriveCalculation(state, engine, frontEnd, steps, files);
  if (result.outcome != RunOutcome::Done) return result;
  return ShowResults(state, engine, frontEnd, steps);
}

}  // namespace quarlin
