#pragma once
// Reading and writing the program's plain-text files.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Files are written as file_writing.h says.
#include "common/file_writing.h"

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

// Why a file gave no lines.
enum class ReadFault {
  None,
  Open,        // it could not be opened (missing, no permission, name too long, ...)
  NotRegular,  // a folder, a pipe or a device: reading it could wait for ever
  Read,        // it was opened but reading failed part way
};

struct TextRead {
  std::vector<std::string> lines;
  ReadFault fault = ReadFault::None;
  std::string reason;  // the system's words for Open and Read ("No such file or directory")
};

// The lines of a regular text file with LF, CR LF or CR ends, without the
// line ends and without a leading UTF-8 byte-order mark. A last line without
// a line end counts; a file ending in a line end has no empty line after it.
TextRead ReadText(const std::filesystem::path& path);

// ReadText's lines; nullopt when it failed.
std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path);

// Splits text into lines as ReadText does.
std::vector<std::string> SplitLines(const std::string& text);

// True when `path` names a regular file; false for anything else and for a
// path that cannot be examined (never throws).
bool IsRegularFile(const std::filesystem::path& path);

// `path` with its extension replaced (`extension` includes the dot).
std::filesystem::path ChangeExtension(const std::filesystem::path& path,
                                      const std::string& extension);

}  // namespace quarlin
