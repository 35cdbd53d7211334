#include "cli/unavailable_stages.h"

#include <string>

namespace quarlin {
namespace {

Status NotAvailable(const std::string& what) {
  return Status::Error("quarlin-cli: " + what + " is not available in this build yet");
}

}  // namespace

Status UnavailableStages::FitAll(RunContext& run) {
  return Status::Error(
      "quarlin-cli: the data were read (N = " + std::to_string(run.engine.sample.N) +
      "); fitting is not available in this build yet");
}

Status UnavailableStages::EvaluateCalculated(RunContext&) {
  return NotAvailable("the evaluation");
}

ChosenParameters UnavailableStages::TempParameters(RunContext&) {
  return {};
}

Status UnavailableStages::EvaluateIntervals(RunContext&) {
  return NotAvailable("the interval evaluation");
}

Status UnavailableStages::WriteReport(RunContext&) {
  return NotAvailable("the report");
}

Status UnavailableStages::AnalyseConfidence(RunContext&) {
  return NotAvailable("the confidence analysis");
}

Status UnavailableStages::FinalAnalysis(RunContext&) {
  return NotAvailable("the final analysis");
}

Status UnavailableStages::ResortRankedList(RunContext&) {
  return NotAvailable("the ranked list");
}

}  // namespace quarlin
