#pragma once
// The calculation of a run, from the input file just written to the
// assembled *.out: progress lines, the engine reader, the engine's stages
// and the joining of the report.

#include "data/engine_data.h"
#include "data/run_state.h"
#include "data/save_run.h"

namespace quarlin {

// Returns Done with the *.out written and engine.ResultsReady set, or
// Stopped after the message that says why. The temporary files of the run
// are gone in both cases.
RunOutcome RunCalculation(RunState& state, EngineData& engine, RunEnvironment& env);

}  // namespace quarlin
