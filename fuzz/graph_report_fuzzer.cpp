// A finished report (*.out) with its parameter file (*.aux), read back for
// each of the six graphs. The input is the report, then optionally a line
// holding only kParameterMark and the parameter file; without that line the
// parameter file is an empty one.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "graphs/graph_data_reader.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

namespace {

constexpr std::string_view kParameterMark = "\n=== aux ===\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bytes = fuzz::Bytes(data, size);
  const size_t mark = bytes.find(kParameterMark);
  const auto report = bytes.substr(0, mark);
  const auto parameters = mark == std::string_view::npos
                              ? std::string_view()
                              : bytes.substr(mark + kParameterMark.size());
  const auto& scratch = fuzz::Scratch();
  const auto path = scratch.Write("report.out", report);
  scratch.Write("report.aux", parameters);
  for (int type = 1; type <= 6; ++type) {
    const GraphDataReading reading = ReadGraphData(path, static_cast<GraphType>(type));
    Require(reading.data.has_value() != !reading.error.empty(),
            "a report is either read or refused with a message");
    if (!reading.data) continue;
    const GraphColumns& columns = reading.data->columns;
    const size_t rows = columns.Rows();
    for (const auto* column :
         {&columns.observed, &columns.calculated, &columns.upper, &columns.lower})
      Require(column->empty() || column->size() == rows, "a filled column has one value a row");
  }
  return 0;
}
