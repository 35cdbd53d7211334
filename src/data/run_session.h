#pragma once
// The one way in for every front end (the batch command, the desktop
// program, the tests): a RunSession wires the engine in, with its fits and
// threads, and runs Save-Run on what a front end hands it. The data rules
// (6 to 2500 values, the class count, the zeros) are checked on the way,
// and the front end's StopRequest can end a run between two fits.

#include <memory>
#include <string>
#include <vector>

#include "data/engine_adapter.h"
#include "data/engine_data.h"
#include "data/engine_steps.h"
#include "data/run_state.h"
#include "data/save_run.h"
#include "engine/driver/fit_all.h"

namespace quarlin {

class RunSession {
 public:
  // The product's fits, computed ahead on one thread per processor.
  RunSession() : adapter_(std::make_unique<EngineAdapter>()), steps_(*adapter_) {}
  // Other fits (the reference, test fits) on `threads` threads as
  // FitAllRequest::threads counts them; `fits` must outlive the session.
  RunSession(const CandidateFits& fits, int threads)
      : adapter_(std::make_unique<EngineAdapter>(fits, threads)), steps_(*adapter_) {}
  // Other engine steps altogether (test doubles); `steps` must outlive the
  // session.
  explicit RunSession(EngineSteps& steps) : steps_(steps) {}

  RunSession(const RunSession&) = delete;
  RunSession& operator=(const RunSession&) = delete;

  // Save-Run of `input` with the front end's dialogs, progress lines,
  // number reading and stop request. `state` is the front end's run state:
  // the run takes the preference and the composite option from it and
  // leaves it as Save-Run does (FileName names the *.out after a run that
  // was done).
  RunResult SaveRun(RunState& state, const SaveRunInput& input, FrontEnd& frontEnd);

  // The engine data set of the latest run: rebuilt by every run.
  const EngineData& Engine() const { return engine_; }

 private:
  // Null when the session was handed steps of its own.
  std::unique_ptr<EngineAdapter> adapter_;
  EngineSteps& steps_;
  EngineData engine_;
};

// The preference texts a run accepts in RunState::Preference: those of the
// selection dialog and of the composite-type list, "1" for best of all.
const std::vector<std::string>& PreferenceTexts();

}  // namespace quarlin
