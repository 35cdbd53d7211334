#include "data/engine_stages.h"

#include <string>

#include "data/messages.h"
#include "engine/fit_all.h"
#include "engine/ranked_list.h"
#include "engine/ranked_list_resort.h"

namespace quarlin {
namespace {

Status NotAvailable(const std::string& what) {
  return Status::Error(what + " is not available in this build yet: the run stopped after the fit");
}

}  // namespace

Status EngineStages::FitAll(RunContext& run) {
  FitAllRequest request;
  request.PrefCode = run.engine.PrefCode;
  request.CompositeWanted = run.engine.CompositeWanted;
  request.FitStarted = run.engine.FitStarted;
  RankedList list(run.files.RankedList);
  const FitAllOutcome outcome = quarlin::FitAll(run.engine.sample, request, run.progress, &list);
  run.engine.FitStarted = false;
  if (outcome.StopRun) {
    run.engine.StopRun = true;
    return Status::Ok();
  }
  if (request.PrefCode == kBestOfAll && !list.Save())
    return Status::Error(CouldNotOpenMessage(list.Path().string()));
  run.engine.ChosenCode = outcome.ChosenCode;
  run.engine.Chosen = outcome.chosen;
  run.engine.SpreadS = outcome.spreadS;
  return Status::Ok();
}

Status EngineStages::EvaluateCalculated(RunContext&) {
  return NotAvailable("the evaluation");
}

ChosenParameters EngineStages::TempParameters(RunContext&) {
  return {};
}

Status EngineStages::EvaluateIntervals(RunContext&) {
  return NotAvailable("the interval evaluation");
}

Status EngineStages::WriteReport(RunContext&) {
  return NotAvailable("the report");
}

Status EngineStages::AnalyseConfidence(RunContext&) {
  return NotAvailable("the confidence analysis");
}

Status EngineStages::FinalAnalysis(RunContext&) {
  return NotAvailable("the final analysis");
}

Status EngineStages::ResortRankedList(RunContext& run) {
  if (!ResortRankedListFile(run.files.RankedList))
    return Status::Error(CouldNotOpenMessage(run.files.RankedList.string()));
  return Status::Ok();
}

}  // namespace quarlin
