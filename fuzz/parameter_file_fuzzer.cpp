// The parameter file (*.aux) that the calculator and the graphs read back.

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "engine/catalogue/parameter_slots.h"
#include "engine/report/parameter_file_reader.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = fuzz::Scratch().Write("report.aux", fuzz::Bytes(data, size));
  const ParameterFileReading reading = ReadParameterFile(path);
  Require(reading.contents.has_value() != !reading.error.empty(),
          "a parameter file is either read or refused with a message");
  if (!reading.contents) return 0;
  const ParameterFileContents& contents = *reading.contents;
  Require(contents.values.size() == ParameterSlotsOf(contents.code).size(),
          "one value a parameter of the code");
  return 0;
}
