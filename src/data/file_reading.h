#pragma once
// Reading a file for a run, with the message that names it when it fails.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/status.h"

namespace quarlin {

// The lines of `path` (ReadText); on failure the message says which file
// and what went wrong: not opened, not a regular file, or a read error.
Status ReadFileLines(const std::filesystem::path& path, std::vector<std::string>& lines);

// The longest line a file of values may hold: far longer than any number
// field, a title or a path, so that only a file that is not one of ours
// comes near it.
inline constexpr size_t kMaxLineLength = 64 * 1024;

// Hands the lines of `path` one by one to `onLine` (ScanLines), which stops
// the reading by returning false. A line longer than kMaxLineLength is
// refused with its number; the other failures are those of ReadFileLines.
Status ScanFileLines(const std::filesystem::path& path,
                     const std::function<bool(size_t number, const std::string& line)>& onLine);

}  // namespace quarlin
