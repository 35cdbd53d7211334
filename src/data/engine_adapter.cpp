#include "data/engine_adapter.h"

#include <cerrno>
#include <system_error>

#include "common/text_file.h"
#include "data/file_reading.h"
#include "data/messages.h"
#include "data/number_reading.h"
#include "engine/analysis/observation_table.h"
#include "engine/analysis/report_analysis.h"
#include "engine/analysis/x_confidence.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/driver/fit_all.h"
#include "engine/driver/ranked_list.h"
#include "engine/driver/ranked_list_resort.h"
#include "engine/report/parameter_file.h"
#include "engine/report/report_params.h"
#include "engine/report/report_text.h"
#include "engine/report/x_limits_text.h"

namespace quarlin {
namespace {

// The data as the report prints them: as the class count left them, values
// within 0.0001 of a class limit moved onto it. A copy, so that the run's
// sample stays what the fits saw.
Sample ReportedSample(const EngineData& e) {
  Sample reported = e.sample;
  reported.X = e.Classes.values;
  return reported;
}

}  // namespace

Status EngineAdapter::FitAll(RunContext& run) {
  FitAllRequest request;
  request.PrefCode = run.engine.PrefCode;
  request.CompositeWanted = run.engine.CompositeWanted;
  request.FitStarted = run.engine.FitStarted;
  request.threads = threads_;
  if (run.stop) request.stop = &run.stop->Flag();
  // Named after the list it replaces when the run completes.
  RankedList list(run.files.RankedList);
  const ProductFits productFits;
  const FitAllOutcome outcome = quarlin::FitAll(run.engine.sample, request, run.progress, &list,
                                                fits_ ? *fits_ : productFits);
  run.engine.FitStarted = false;
  if (outcome.Cancelled) return Status::Ok();
  if (outcome.StopRun) {
    run.engine.StopRun = true;
    return Status::Ok();
  }
  // Named after the file it is to become: the user knows that one.
  std::string reason;
  if (request.PrefCode == kBestOfAll &&
      !WriteFileAtomically(run.files.NewRankedList, list.Text(), &reason))
    return Status::Error(CouldNotOpenMessage(run.files.RankedList.string(), reason));
  run.engine.ChosenCode = outcome.ChosenCode;
  run.engine.Chosen = outcome.chosen;
  run.engine.SpreadS = outcome.spreadS;
  return Status::Ok();
}

Status EngineAdapter::EvaluateCalculated(RunContext& run) {
  EngineData& e = run.engine;
  if (e.ChosenCode != kNoDistribution)
    e.Evaluation = EvaluateAtData(e.ChosenCode, e.Chosen.params, e.sample);
  return Status::Ok();
}

ChosenParameters EngineAdapter::TempParameters(RunContext& run) {
  const EngineData& e = run.engine;
  const FittedParams& p = e.Chosen.params;
  const SlopeIntercept line = SharedSlopeIntercept(e.ChosenCode, p);
  ChosenParameters chosen{line.A, line.B, 0.0, 0.0};
  // The families that list their own pair list the first two of their layout.
  const DistributionRow* row = FindRow(e.ChosenCode);
  if (row && row->tempValues == TempValues::FamilyPair) {
    chosen.First = row->parameters[0].get(p);
    chosen.Second = row->parameters[1].get(p);
  }
  return chosen;
}

Status EngineAdapter::EvaluateIntervals(RunContext& run) {
  EngineData& e = run.engine;
  if (e.ChosenCode == kNoDistribution) return Status::Ok();
  const auto classes = ParseInteger(run.state.NrOfClassesText);
  if (!classes || !IsValidClassCount(*classes)) return Status::Error(kClassesOutOfRangeMessage);
  e.Classes = quarlin::EvaluateIntervals(e.ChosenCode, e.Chosen.params, e.sample, *classes);
  return Status::Ok();
}

Status EngineAdapter::WriteReport(RunContext& run) {
  EngineData& e = run.engine;
  const Sample& s = e.sample;
  ReportInput input;
  input.EngTitle1 = e.EngTitle1;
  input.EngTitle2 = e.EngTitle2;
  input.FileName = run.state.FileName;
  input.NrOfData = run.state.NrOfData;
  input.PrefCode = e.PrefCode;
  input.chosen.code = e.ChosenCode;
  if (e.ChosenCode != kNoDistribution) {
    e.Reported = ReportedParams(e.ChosenCode, e.Chosen.params, s.C, s.HighShift);
    input.chosen = {e.ChosenCode,
                    e.Reported,
                    s.C,
                    s.HighShift,
                    e.SpreadS,
                    e.Evaluation.lowerBoundWarning,
                    e.Evaluation.upperBoundWarning};
    input.numbers = ComputeReportNumbers(ReportedSample(e), e.Evaluation.Fcalc, e.Classes);
    run.state.AvAbsDiff = input.numbers.AvAbsDiff;
  }
  if (std::string reason; !WriteFileAtomically(run.files.Report, ReportText(input), &reason))
    return Status::Error(CouldNotOpenMessage(run.files.Report.string(), reason));
  return Status::Ok();
}

Status EngineAdapter::AnalyseConfidence(RunContext& run) {
  EngineData& e = run.engine;
  std::vector<std::string> lines;
  if (Status read = ReadFileLines(run.files.Report, lines); !read.ok()) return read;
  const auto rows = ParseObservationTable(lines, e.sample.N);
  if (!rows) return Status::Error(CouldNotOpenMessage(run.files.Report.string()));
  e.XLimits = ComputeXConfidence(*rows, e.ChosenCode, e.Chosen.params,
                                 Shift{e.sample.C, e.sample.HighShift});
  return Status::Ok();
}

Status EngineAdapter::FinalAnalysis(RunContext& run) {
  const EngineData& e = run.engine;
  if (std::string reason; !WriteFileAtomically(run.files.Values, XLimitsText(e.XLimits), &reason))
    return Status::Error(CouldNotOpenMessage(run.files.Values.string(), reason));
  // The writer leaves the system's reason in errno.
  if (!WriteParameterFile(run.files.NewAux, e.ChosenCode, e.Reported, e.sample.C))
    return Status::Error(
        CouldNotOpenMessage(run.files.Aux.string(), std::generic_category().message(errno)));
  return Status::Ok();
}

Status EngineAdapter::ResortRankedList(RunContext& run) {
  if (!ResortRankedListFile(run.files.RankedList))
    return Status::Error(CouldNotOpenMessage(run.files.RankedList.string()));
  return Status::Ok();
}

}  // namespace quarlin
