// The ranked list (*.Lst) re-sorted by average after a run.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "engine/driver/ranked_list_resort.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = fuzz::Bytes(data, size);
  const std::vector<std::string> lines = SplitLines(std::string(text));
  const auto sorted = ResortRankedListLines(lines);
  if (sorted) {
    // Re-sorting writes the averages anew and leaves the spacer lines
    // empty; every other line it gives is one of the file's.
    std::map<std::string, int> unused;
    for (const auto& line : lines) ++unused[line];
    for (const auto& line : *sorted) {
      if (line.empty() || line.rfind(" Average = ", 0) == 0) continue;
      Require(--unused[line] >= 0, "re-sorting makes up no line");
    }
    Require(ResortRankedListLines(*sorted) == sorted, "a re-sorted list stays as it is");
  }
  const auto path = fuzz::Scratch().Write("report.Lst", text);
  const bool resorted = ResortRankedListFile(path);
  Require(resorted == sorted.has_value(), "the file is re-sorted when its lines are");
  if (resorted) {
    const auto written = ReadLines(path);
    Require(written && *written == *sorted, "the file holds the re-sorted lines");
  }
  return 0;
}
