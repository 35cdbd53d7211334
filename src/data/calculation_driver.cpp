#include "data/calculation_driver.h"

#include "common/text_file.h"
#include "data/engine_reader.h"
#include "data/messages.h"
#include "data/pipeline_steps.h"
#include "data/progress_lines.h"
#include "data/run_files.h"
#include "engine/catalogue/codes.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

void Pause(FrontEnd& frontEnd) {
  if (frontEnd.pause) frontEnd.pause();
}

Status WriteTempParameters(RunContext& run, EngineSteps& steps) {
  const ChosenParameters params = steps.TempParameters(run);
  const Sample& s = run.engine.sample;
  if (std::string reason; !WriteFileAtomically(
          run.files.Temp, TempParameterText(s.N, run.engine.ChosenCode, s.C, params), &reason))
    return Status::Error(CouldNotOpenMessage(run.files.Temp.string(), reason));
  return Status::Ok();
}

// Up to the report: the engine reader, the fit, the evaluation and the
// report. A stop that was asked for ends it between two steps, with an ok
// status: the caller tells that from a finished part by the stop request.
Status UpToReport(RunContext& run, FrontEnd& frontEnd, EngineSteps& steps) {
  EngineData& engine = run.engine;
  engine.PrefCode = run.state.Preference;
  if (Status read = ReadEngineData(run.state, engine, run.files.NewInput); !read.ok()) return read;
  if (engine.sample.HighShift) frontEnd.dialogs.Message(kLeftShiftMessage);
  engine.StopRun = false;
  if (run.state.NrOfData < 1) {
    engine.StopRun = true;
    return Status::Ok();
  }
  engine.FitStarted = true;
  if (run.StopRequested()) return Status::Ok();
  Status s = steps.FitAll(run);
  if (!s.ok() || engine.StopRun || run.StopRequested()) return s;
  if (s = steps.EvaluateCalculated(run); !s.ok() || run.StopRequested()) return s;
  if (s = WriteTempParameters(run, steps); !s.ok() || run.StopRequested()) return s;
  engine.GraphMode = true;
  if (s = steps.EvaluateIntervals(run); !s.ok() || run.StopRequested()) return s;
  return steps.WriteReport(run);
}

// The analysis of the report: confidence analysis and final analysis, with
// the same stops between the steps. A run that found no distribution has a
// report without tables and nothing to analyse.
Status AnalyseReport(RunContext& run, EngineSteps& steps) {
  if (run.engine.ChosenCode == kNoDistribution) return Status::Ok();
  Status s = LoadObservationTable(run.files.Report, run.engine);
  if (!s.ok() || run.StopRequested()) return s;
  if (s = steps.AnalyseConfidence(run); !s.ok() || run.StopRequested()) return s;
  if (run.state.NrOfData > 250) run.progress.Line(kAlmostDoneLine);
  return steps.FinalAnalysis(run);
}

// The new report, parameter file, ranked list and, last, input file in the
// place of an earlier run's: only now, so that a run that stops or fails
// before leaves the earlier set whole. A run without a chosen distribution
// has no parameters and a run with a preferred one no ranked list.
Status KeepOutputs(RunContext& run) {
  EngineData& engine = run.engine;
  engine.OutName = run.files.Output.string();
  if (Status s = AssembleOutput(run.files, engine.ChosenCode); !s.ok()) return s;
  if (Status s = ReplaceEarlierOutputs(run.files, engine.ChosenCode != kNoDistribution,
                                       engine.PrefCode == kBestOfAll);
      !s.ok())
    return s;
  engine.ResultsReady = true;
  return Status::Ok();
}

}  // namespace

RunOutcome DriveCalculation(RunState& state, EngineData& engine, FrontEnd& frontEnd,
                            EngineSteps& steps, RunFiles& files) {
  frontEnd.progress.Line(kSavingDataLine);
  Pause(frontEnd);
  frontEnd.progress.Line(kCalculatingLine);
  RunContext run{state, engine, files, frontEnd.progress, frontEnd.stop};
  Status status = UpToReport(run, frontEnd, steps);
  if (status.ok() && engine.StopRun) {
    frontEnd.dialogs.Message(kNoVariationMessage);
    return RunOutcome::Stopped;
  }
  if (status.ok() && !run.StopRequested()) {
    Pause(frontEnd);
    frontEnd.progress.Line(kProgress75Line);
    status = AnalyseReport(run, steps);
  }
  if (status.ok() && run.StopRequested()) {
    frontEnd.dialogs.Message(kRunStoppedMessage);
    return RunOutcome::Cancelled;
  }
  if (status.ok()) status = KeepOutputs(run);
  if (!status.ok()) {
    frontEnd.dialogs.Message(status.message());
    return RunOutcome::Stopped;
  }
  Pause(frontEnd);
  return RunOutcome::Done;
}

}  // namespace quarlin
