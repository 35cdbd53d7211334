#include "data/calculation_driver.h"

#include <filesystem>

#include "common/text_file.h"
#include "data/engine_reader.h"
#include "data/messages.h"
#include "data/pipeline_steps.h"
#include "data/run_files.h"

namespace quarlin {
namespace {

void Pause(FrontEnd& frontEnd) {
  if (frontEnd.pause) frontEnd.pause();
}

Status WriteTempParameters(RunContext& run, EngineSteps& steps) {
  const ChosenParameters params = steps.TempParameters(run);
  const Sample& s = run.engine.sample;
  if (!WriteFileAtomically(run.files.Temp,
                           TempParameterText(s.N, run.engine.ChosenCode, s.C, params)))
    return Status::Error(CouldNotOpenMessage(run.files.Temp.string()));
  return Status::Ok();
}

// Up to the report: the engine reader, the fit, the evaluation and the report.
Status UpToReport(RunContext& run, FrontEnd& frontEnd, EngineSteps& steps) {
  EngineData& engine = run.engine;
  engine.PrefCode = run.state.Preference;
  if (Status read = ReadEngineData(run.state, engine); !read.ok()) return read;
  if (engine.sample.HighShift) frontEnd.dialogs.Message(kLeftShiftMessage);
  engine.StopRun = false;
  if (run.state.NrOfData < 1) {
    engine.StopRun = true;
    return Status::Ok();
  }
  engine.FitStarted = true;
  if (Status fitted = steps.FitAll(run); !fitted.ok() || engine.StopRun) return fitted;
  if (Status s = steps.EvaluateCalculated(run); !s.ok()) return s;
  if (Status s = WriteTempParameters(run, steps); !s.ok()) return s;
  engine.GraphMode = true;
  if (Status s = steps.EvaluateIntervals(run); !s.ok()) return s;
  return steps.WriteReport(run);
}

// Finishing: confidence analysis, final analysis and the *.out. A run that
// found no distribution has a report without tables and no parameters: an
// older parameter file of the same name must not pass for this run's.
Status Finish(RunContext& run, EngineSteps& steps) {
  if (run.engine.ChosenCode == 0) {
    std::error_code ignored;
    std::filesystem::remove(run.files.Aux, ignored);
  } else {
    if (Status s = LoadObservationTable(run.files.Report, run.engine); !s.ok()) return s;
    if (Status s = steps.AnalyseConfidence(run); !s.ok()) return s;
    if (run.state.NrOfData > 250) run.progress.Line(" Almost done ...");
    if (Status s = steps.FinalAnalysis(run); !s.ok()) return s;
  }
  run.engine.OutName = run.files.Output.string();
  if (Status s = AssembleOutput(run.files, run.engine.ChosenCode); !s.ok()) return s;
  run.engine.ResultsReady = true;
  return Status::Ok();
}

}  // namespace

RunOutcome DriveCalculation(RunState& state, EngineData& engine, FrontEnd& frontEnd,
                            EngineSteps& steps) {
  frontEnd.progress.Line(" Saving data .....");
  Pause(frontEnd);
  frontEnd.progress.Line(" Calculating .....");
  RunFiles files = CompanionFiles(state.FileName);
  TemporaryFiles temporaries;
  Status status = CreateTemporaryRunFiles(files, temporaries);
  RunContext run{state, engine, files, frontEnd.progress};
  if (status.ok()) status = UpToReport(run, frontEnd, steps);
  if (status.ok() && engine.StopRun) {
    frontEnd.dialogs.Message(kNoVariationMessage);
    return RunOutcome::Stopped;
  }
  if (status.ok()) {
    Pause(frontEnd);
    frontEnd.progress.Line(" Progress 75% ....");
    status = Finish(run, steps);
  }
  if (!status.ok()) {
    frontEnd.dialogs.Message(status.message());
    return RunOutcome::Stopped;
  }
  Pause(frontEnd);
  return RunOutcome::Done;
}

}  // namespace quarlin
