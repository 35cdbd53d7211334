#pragma once
// Reading the golden report fixtures: sections headed "@@ <code> <plain|shift>
// [variant]", each followed by the lines it expects, empty ones included.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/text_file.h"

namespace quarlin::testing_support {

struct GoldenKey {
  int code = 0;
  bool shift = false;
  std::string variant;  // "", "warning", "flag", "mark"
};

struct GoldenSection {
  GoldenKey key;
  std::string title;
  std::vector<std::string> lines;
};

inline std::vector<GoldenSection> ReadGoldenSections(const std::string& path) {
  std::vector<GoldenSection> sections;
  const auto lines = ReadLines(path);
  if (!lines) return sections;
  for (const std::string& line : *lines) {
    if (line.rfind("@@ ", 0) == 0) {
      GoldenSection section;
      section.title = line.substr(3);
      std::istringstream words(section.title);
      std::string mode;
      words >> section.key.code >> mode >> section.key.variant;
      section.key.shift = mode == "shift";
      sections.push_back(section);
    } else if (!sections.empty()) {
      sections.back().lines.push_back(line);
    }
  }
  return sections;
}

}  // namespace quarlin::testing_support
