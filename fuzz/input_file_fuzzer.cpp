// The input file (*.inp), in either layout, through the reader of the
// program's windows and through the engine's own reading of it.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "data/engine_data.h"
#include "data/engine_reader.h"
#include "data/input_file.h"
#include "data/run_state.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& scratch = fuzz::Scratch();
  RunState state;
  state.FileName = scratch.Write("data.inp", fuzz::Bytes(data, size)).string();
  if (ReadInputFile(state).ok()) {
    const size_t n = state.Values.size();
    Require(state.NrOfData == static_cast<int>(n), "NrOfData counts the values read");
    Require(state.Serial.size() == n && state.Removed.size() == n, "one serial and mark a value");
    for (const long double value : state.Values) Require(std::isfinite(value), "values are finite");

    // What the program writes from what it read must read back the same:
    // once written, the file is stable.
    const std::string written = InputFileText(state);
    RunState again;
    again.FileName = scratch.Write("again.inp", written).string();
    Require(ReadInputFile(again).ok(), "a written input file reads back");
    again.FileName = state.FileName;
    Require(InputFileText(again) == written, "a written input file reads back the same");
  }

  RunState engineState;
  engineState.FileName = state.FileName;
  EngineData engine;
  if (ReadEngineData(engineState, engine).ok()) {
    Require(engine.sample.N == engineState.NrOfData, "the sample holds every datum kept");
    for (int i = 2; i <= engine.sample.N; ++i)
      Require(engine.sample.X[i - 1] <= engine.sample.X[i], "the sample is ranked");
  }
  return 0;
}
