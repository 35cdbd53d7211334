#pragma once
// The interface through which a run reaches the fitting engine and the
// report: the steps the engine brings, which the run pipeline calls at fixed
// places. EngineAdapter is the engine's implementation; tests hand in doubles.
// Each step may stop the run by returning an error, whose message the
// pipeline shows.

#include "data/engine_data.h"
#include "data/run_files.h"
#include "data/run_state.h"
#include "data/status.h"
#include "data/stop_request.h"
#include "engine/model/progress.h"

namespace quarlin {

struct RunContext {
  RunState& state;
  EngineData& engine;
  const RunFiles& files;
  ProgressSink& progress;
  const StopRequest* stop = nullptr;  // null: the run cannot be stopped

  bool StopRequested() const { return stop && stop->Requested(); }
};

// The fitted values that the parameter file of the confidence analysis
// carries; which of them are written depends on the chosen code (see
// TempParameterText).
struct ChosenParameters {
  double A = 0.0;  // slope of the chosen line
  double B = 0.0;  // intercept of the chosen line
  // The two family parameters of codes 20-26, 61 and 69.
  double First = 0.0;
  double Second = 0.0;
};

class EngineSteps {
 public:
  virtual ~EngineSteps() = default;

  // Fits the candidates (or the preferred one, engine.PrefCode), writes
  // files.NewRankedList for best-of-all runs and sets engine.ChosenCode and
  // the parameters; sets engine.StopRun when the data have no variation.
  // When a stop is requested it may return early with nothing chosen.
  virtual Status FitAll(RunContext& run) = 0;

  // Calculated cumulative frequency of every ranked datum (GraphMode false).
  virtual Status EvaluateCalculated(RunContext& run) = 0;

  // The values of the chosen distribution for files.Temp.
  virtual ChosenParameters TempParameters(RunContext& run) = 0;

  // Class limits and class frequencies with state.NrOfClassesText classes
  // (GraphMode true).
  virtual Status EvaluateIntervals(RunContext& run) = 0;

  // Writes files.Report, with the observation table headed by a line that
  // begins " Obs", and sets state.AvAbsDiff.
  virtual Status WriteReport(RunContext& run) = 0;

  // Confidence belt, return periods and interval analysis from files.Temp
  // and engine.ObsCalc/ObsSd/ObsLower.
  virtual Status AnalyseConfidence(RunContext& run) = 0;

  // Confidence limits of X and the efficiency coefficient into files.Values;
  // writes files.NewAux.
  virtual Status FinalAnalysis(RunContext& run) = 0;

  // Re-sorts files.RankedList by average absolute difference.
  virtual Status ResortRankedList(RunContext& run) = 0;
};

}  // namespace quarlin
