#pragma once
// What a calculation reads from disk before it computes anything: the data
// of the report's input file and the working values of its parameter file.
// An old report opened later works like a fresh one.

#include <optional>
#include <string>
#include <vector>

#include "calculator/working_values.h"
#include "data/run_state.h"

namespace quarlin {

struct ReportInputs {
  WorkingValues values;
  // The input file's data in entry order, and the run state as the input
  // file and the report leave it (FileName naming the .out).
  std::vector<long double> data;
  RunState state;
};

struct ReportInputsReading {
  std::optional<ReportInputs> inputs;
  std::string error;  // names the file and what is wrong with it
};

// Reads the .inp and the .aux that `state.FileName` names, whatever its
// extension; an input file without data values is refused (every limit is
// taken over the data). `state` itself is not changed: a failure leaves everything as
// it was.
ReportInputsReading ReadReportInputs(const RunState& state);

}  // namespace quarlin
