// A plain column or CSV of values, as the batch command takes it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/number_reading.h"
#include "data/value_column.h"
#include "scratch_folder.h"

using namespace quarlin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = fuzz::Bytes(data, size);
  const auto path = fuzz::Scratch().Write("values.csv", text);
  std::vector<std::string> cells;
  if (!ReadValueColumn(path, cells).ok()) return 0;
  // As the run's value check reads them.
  for (const auto& cell : cells) ParseReal(cell);
  return 0;
}
