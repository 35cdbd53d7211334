#pragma once
// The engine's implementation of EngineSteps: the fit, the evaluation, the
// report and its second phase, and the re-sort of the ranked list.

#include "data/engine_steps.h"
#include "engine/driver/fit_all.h"

namespace quarlin {

class EngineAdapter : public EngineSteps {
 public:
  // The product's fits, computed ahead on one thread per processor.
  EngineAdapter() = default;
  // Other fits (the reference, test fits) on `threads` threads as
  // FitAllRequest::threads counts them; `fits` must outlive the adapter.
  EngineAdapter(const CandidateFits& fits, int threads) : fits_(&fits), threads_(threads) {}

  Status FitAll(RunContext& run) override;
  Status EvaluateCalculated(RunContext& run) override;
  ChosenParameters TempParameters(RunContext& run) override;
  Status EvaluateIntervals(RunContext& run) override;
  Status WriteReport(RunContext& run) override;
  Status AnalyseConfidence(RunContext& run) override;
  Status FinalAnalysis(RunContext& run) override;
  Status ResortRankedList(RunContext& run) override;

 private:
  const CandidateFits* fits_ = nullptr;  // null: the product's own
  int threads_ = 0;
};

}  // namespace quarlin
