#pragma once
// The calculation driver: from the input file just written to the
// assembled *.out. Shows the progress lines, reads the input back for the
// engine, calls the engine's steps and the pipeline's own ones in order.

#include "data/engine_data.h"
#include "data/run_files.h"
#include "data/run_state.h"
#include "data/save_run.h"

namespace quarlin {

// `files` holds the run's temporaries, the new input file among them
// (files.NewInput, already written); their owner removes them.
// Returns Done with the *.out written, the new input file in the place of
// the old and engine.ResultsReady set; Cancelled when frontEnd.stop was
// requested before the outputs were kept (it is looked at between fits and
// between steps); or Stopped after the message that says why. Unless Done,
// the *.inp, *.out, *.aux and *.Lst of an earlier run stay as they were
// (short of a failure while replacing them).
RunOutcome DriveCalculation(RunState& state, EngineData& engine, FrontEnd& frontEnd,
                            EngineSteps& steps, RunFiles& files);

}  // namespace quarlin
