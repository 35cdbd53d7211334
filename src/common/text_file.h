#pragma once
// Reading and writing the program's plain-text files.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quarlin {

// Line end of every file the program writes (the files travel to Windows).
inline constexpr const char* kLineEnd = "\r\n";

// Collects lines and renders them with CR LF ends.
class TextBuilder {
 public:
  TextBuilder& Line(const std::string& text = "");
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// The lines of a text file with LF or CR LF ends, without the line ends;
// nullopt when the file cannot be read. A last line without a line end
// counts; a file ending in a line end has no empty line after it.
std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path);

// Splits text into lines as ReadLines does.
std::vector<std::string> SplitLines(const std::string& text);

// Writes `content` to a temporary file in the target's folder and renames it
// over `path`, so a failure never leaves a truncated file where a good one
// stood. A file that is replaced keeps its permission bits; a new one gets
// 0666 less the umask. Returns false on failure; the target is then
// untouched.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content);

// `path` with its extension replaced (`extension` includes the dot).
std::filesystem::path ChangeExtension(const std::filesystem::path& path,
                                      const std::string& extension);

// A path in `folder` that no file occupies yet, named
// `stem.<process id>.<random number><suffix>` (`suffix` brings its own dot);
// the file is created empty (0666 less the umask) so that a second caller,
// in this process or another, gets another name. Empty when none could be
// made.
std::filesystem::path CreateUniqueFile(const std::filesystem::path& folder, const std::string& stem,
                                       const std::string& suffix);

}  // namespace quarlin
