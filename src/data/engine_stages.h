#pragma once
// The run's stages done by the fitting engine: the fit, the evaluation, the
// report and its second phase, and the re-sort of the ranked list.

#include "data/run_stages.h"

namespace quarlin {

class EngineStages : public RunStages {
 public:
  Status FitAll(RunContext& run) override;
  Status EvaluateCalculated(RunContext& run) override;
  ChosenParameters TempParameters(RunContext& run) override;
  Status EvaluateIntervals(RunContext& run) override;
  Status WriteReport(RunContext& run) override;
  Status AnalyseConfidence(RunContext& run) override;
  Status FinalAnalysis(RunContext& run) override;
  Status ResortRankedList(RunContext& run) override;
};

}  // namespace quarlin
