#pragma once
// The engine's view of one run: the ranked, shifted data and the run flags.
// Rebuilt by every run from the input file just written.

#include <string>
#include <vector>

#include "data/messages.h"
#include "engine/analysis/evaluation.h"
#include "engine/analysis/interval_evaluation.h"
#include "engine/analysis/report_numbers.h"
#include "engine/model/fit_result.h"
#include "engine/model/sample.h"

namespace quarlin {

struct EngineData {
  // X, Fc, SerialOf, N, the shift constant C and HighShift.
  Sample sample;
  double LowLimit = kLowLimit;
  int ChosenCode = 0;
  // The chosen distribution's parameters, SAD and calculated frequencies.
  FitResult Chosen;
  // The spread the report prints for the Gumbel distribution.
  double SpreadS = 0;
  // The chosen distribution at the data and at the class limits.
  PointEvaluation Evaluation;
  ClassTable Classes;
  // The parameters as the report printed them and the parameter file keeps
  // them.
  FittedParams Reported;
  // The confidence limits of calculated X values.
  XConfidence XLimits;
  std::string PrefCode = "1";
  std::string EngTitle1;
  std::string EngTitle2;
  // Calculated Fc, its standard deviation and lower 90% limit per rank
  // (fractions, index 1..N), read back from the report of the run.
  std::vector<double> ObsCalc;
  std::vector<double> ObsSd;
  std::vector<double> ObsLower;
  std::string InputPath;
  std::string OutName;
  bool StopRun = false;
  bool FitStarted = false;
  bool GraphMode = false;
  bool CompositeWanted = false;
  bool ResultsReady = false;
};

}  // namespace quarlin
