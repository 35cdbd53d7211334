#pragma once
// Re-sorting a ranked list file by average, as shown after a run.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quarlin {

// The lines of a ranked list with its entries sorted by the average on
// their second line, ascending; equal averages keep their order. The header
// has 7 lines when line 6 begins with " Name", else 5; entries are three
// lines each. Nothing when an average cannot be read.
std::optional<std::vector<std::string>> ResortRankedListLines(
    const std::vector<std::string>& lines);

// Re-sorts the file in place (atomically); false when it cannot be read,
// parsed or written.
bool ResortRankedListFile(const std::filesystem::path& path);

}  // namespace quarlin
