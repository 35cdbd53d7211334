#pragma once
// Reading a file for a run, with the message that names it when it fails.

#include <filesystem>
#include <string>
#include <vector>

#include "data/status.h"

namespace quarlin {

// The lines of `path` (ReadText); on failure the message says which file
// and what went wrong: not opened, not a regular file, or a read error.
Status ReadFileLines(const std::filesystem::path& path, std::vector<std::string>& lines);

}  // namespace quarlin
