#pragma once
// The engine's stages as far as this build has them: none yet. A run stops
// right after the data were read back and says so.

#include "data/run_stages.h"

namespace quarlin {

class UnavailableStages : public RunStages {
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
