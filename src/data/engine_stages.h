#pragma once
// The run's stages done by the fitting engine, as far as this build has
// them: the fit-all driver. A run stops after the fit and says so.

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
