#include "engine/driver/ranked_list_resort.h"

#include <algorithm>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "common/text_file.h"

namespace quarlin {
namespace {

struct Entry {
  std::string name;
  double average = 0;
};

constexpr size_t kLabelWidth = 10;

std::optional<double> AverageOf(const std::string& line) {
  if (line.size() <= kLabelWidth) return std::nullopt;
  return LeadingReal(std::string_view(line).substr(kLabelWidth));
}

}  // namespace

std::optional<std::vector<std::string>> ResortRankedListLines(
    const std::vector<std::string>& lines) {
  const size_t header = lines.size() > 5 && lines[5].rfind(" Name", 0) == 0 ? 7 : 5;
  if (lines.size() < header) return std::nullopt;
  std::vector<Entry> entries;
  const size_t count = (lines.size() - header) / 3;
  for (size_t e = 0; e < count; ++e) {
    const size_t i = header + 3 * e;
    const auto average = AverageOf(lines[i + 1]);
    if (!average) return std::nullopt;
    entries.push_back({lines[i], *average});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.average < b.average; });
  std::vector<std::string> result(lines.begin(), lines.begin() + header);
  for (const Entry& e : entries) {
    result.push_back(e.name);
    result.push_back(" Average = " + Fix(e.average, 6, 4));
    result.push_back("");
  }
  return result;
}

bool ResortRankedListFile(const std::filesystem::path& path) {
  const auto lines = ReadLines(path);
  if (!lines) return false;
  const auto sorted = ResortRankedListLines(*lines);
  if (!sorted) return false;
  TextBuilder text;
  for (const auto& line : *sorted) text.Line(line);
  return WriteFileAtomically(path, text.Text());
}

}  // namespace quarlin
