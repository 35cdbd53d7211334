#pragma once
// The calculation driver: from the input file just written to the
// assembled *.out. Shows the progress lines, reads the input back for the
// engine, calls the engine's steps and the pipeline's own ones in order.

#include "data/engine_data.h"
#include "data/run_state.h"
#include "data/save_run.h"

namespace quarlin {

// Returns Done with the *.out written and engine.ResultsReady set, or
// Stopped after the message that says why. The temporary files of the run
// are gone in both cases.
RunOutcome DriveCalculation(RunState& state, EngineData& engine, FrontEnd& frontEnd,
                            EngineSteps& steps);

}  // namespace quarlin
