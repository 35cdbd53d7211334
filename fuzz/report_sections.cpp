#include "report_sections.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quarlin::fuzz {
namespace {

// The marker line of `name`, without its line end.
std::string Marker(std::string_view name) {
  return "=== " + std::string(name) + " ===";
}

std::optional<std::string_view>* SectionOf(ReportSections& sections, std::string_view line) {
  const std::array<std::pair<std::string, std::optional<std::string_view>*>, 4> names = {{
      {Marker("inp"), &sections.inp},
      {Marker("out"), &sections.out},
      {Marker("aux"), &sections.aux},
      {Marker("queries"), &sections.queries},
  }};
  for (const auto& [marker, section] : names)
    if (line == marker) return section;
  return nullptr;
}

}  // namespace

ReportSections SplitReportSections(std::string_view input) {
  ReportSections sections;
  std::optional<std::string_view>* current = nullptr;
  size_t contentStart = 0;
  size_t lineStart = 0;
  while (lineStart <= input.size()) {
    const size_t newline = input.find('\n', lineStart);
    const size_t lineEnd = newline == std::string_view::npos ? input.size() : newline;
    const size_t next = newline == std::string_view::npos ? input.size() + 1 : newline + 1;
    if (auto* section = SectionOf(sections, input.substr(lineStart, lineEnd - lineStart))) {
      if (current) *current = input.substr(contentStart, lineStart - contentStart);
      current = section;
      contentStart = std::min(next, input.size());
    }
    lineStart = next;
  }
  if (current) *current = input.substr(contentStart);
  return sections;
}

std::vector<std::string_view> SectionLines(std::string_view section) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < section.size()) {
    const size_t end = section.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(section.substr(start));
      break;
    }
    lines.push_back(section.substr(start, end - start));
    start = end + (section.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::filesystem::path WriteReportFiles(const ScratchFolder& folder,
                                       const ReportSections& sections) {
  const std::array<std::pair<const char*, const std::optional<std::string_view>*>, 3> files = {{
      {"report.inp", &sections.inp},
      {"report.out", &sections.out},
      {"report.aux", &sections.aux},
  }};
  for (const auto& [name, section] : files) {
    if (*section)
      folder.Write(name, **section);
    else
      folder.Remove(name);
  }
  return folder.Path("report.out");
}

}  // namespace quarlin::fuzz
