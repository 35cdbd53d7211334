#pragma once
// Save-Run, the user command: from the values on the Input page to a
// finished report. The file choice, checking the entries, writing the input
// file, the calculation (calculation_driver.h) and showing the results.
// Front ends run it through RunSession (run_session.h), which wires the
// engine in.

#include <functional>
#include <string>
#include <vector>

#include "data/dialogs.h"
#include "data/engine_data.h"
#include "data/engine_steps.h"
#include "data/number_reading.h"
#include "data/run_state.h"
#include "data/stop_request.h"
#include "engine/model/progress.h"

namespace quarlin {

// What the Input page holds when Save-Run is pressed.
struct SaveRunInput {
  std::string Title1;
  std::string Title2;
  // The value cell of every grid row; an empty cell drops its row.
  std::vector<std::string> Cells;
  std::string NrOfClassesText = "5";
};

// What a front end lends a run: its questions and messages to the user,
// the place for the progress lines, its reading of typed numbers, its pause
// and its stop request.
struct FrontEnd {
  Dialogs& dialogs;
  ProgressSink& progress;
  NumberConversion& numbers;
  // Called between the pipeline's own progress lines; the GUI waits there
  // so that the lines can be read, the batch command and the tests do not.
  std::function<void()> pause = {};
  // The front end's way to stop the run; null when it offers none.
  const StopRequest* stop = nullptr;
  // Another run on the same files (in this or another process) is waited
  // for; when false, the run refuses at once.
  bool waitForOtherRuns = true;
};

enum class RunOutcome {
  NotSaved,  // no file chosen, or overwriting refused
  Refused,   // the values were refused; nothing written
  // The input file could not be written, or another run holds its files;
  // the run stopped.
  NotWritten,
  // No variation, or a step failed. The *.inp, *.out, *.aux and *.Lst of an
  // earlier run stay as they were: the new input file is kept only with
  // the outputs made from it.
  Stopped,
  Cancelled,       // the front end asked the run to stop; as for Stopped
  OutputNotShown,  // the run finished but its *.out could not be opened
  Done,
};

// The entry a refusal is about, so that a window can take its user there.
enum class RefusedEntry { None, Values, Classes };

struct RunResult {
  RunOutcome outcome = RunOutcome::NotSaved;
  RefusedEntry refused = RefusedEntry::None;
  // The *.out for the Output page (Done only).
  std::vector<std::string> outputLines;
  // The ranked list was re-sorted and may be offered to the user.
  bool rankedListShown = false;
};

inline const FileFilter kInputFilter{"Input files (*.inp)", "*.inp"};

RunResult SaveRun(RunState& state, EngineData& engine, const SaveRunInput& input,
                  FrontEnd& frontEnd, EngineSteps& steps);

}  // namespace quarlin
