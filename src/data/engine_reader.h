#pragma once
// The engine's own reading of the input file just written: the data are
// ranked, zeros lifted to 0.001 and the whole sample shifted so that every
// value the fits see is positive.

#include <filesystem>

#include "data/engine_data.h"
#include "data/run_state.h"
#include "data/status.h"

namespace quarlin {

// Reads `state.FileName` into `engine` (sample, EngTitle1/2, LowLimit) and
// sets state.NrOfData and state.SortedValues (ranked, unshifted, 1..N).
// sample.HighShift tells the caller to show kLeftShiftMessage. On failure
// neither `state` nor `engine` changes.
Status ReadEngineData(RunState& state, EngineData& engine);
// The same, reading `file` in place of state.FileName (a run reads its new
// input file before that takes the old one's place).
Status ReadEngineData(RunState& state, EngineData& engine, const std::filesystem::path& file);

// Ranks `values` (file order, with their file serials) and applies the zero
// replacement and the shift of a run; the first element of each array of
// the result is unused.
Sample RankAndShift(const std::vector<long double>& values, const std::vector<int>& serials);

}  // namespace quarlin
