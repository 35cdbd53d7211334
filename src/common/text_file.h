#pragma once
// Reading and writing the program's plain-text files.

#include <filesystem>
#include <functional>
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
  Open,         // it could not be opened (missing, no permission, name too long, ...)
  NotRegular,   // a folder, a pipe or a device: reading it could wait for ever
  Read,         // it was opened but reading failed part way
  LineTooLong,  // ScanLines: a line longer than the caller allows
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

// Why ScanLines ended before the end of the file, if it did.
struct LineScan {
  ReadFault fault = ReadFault::None;
  std::string reason;     // the system's words for Open and Read
  size_t lineNumber = 0;  // LineTooLong: the line (from 1) that is too long
};

// Reads a regular file line by line, splitting it as ReadText does, and
// hands each line with its number (from 1) to `onLine`; reading stops when
// `onLine` returns false. No more than `maxLineLength` characters of a line
// are ever held: a longer line ends the scan with LineTooLong before it is
// handed on. The memory a scan takes is therefore bounded whatever the file
// holds, and a caller that stops early reads no further.
LineScan ScanLines(const std::filesystem::path& path, size_t maxLineLength,
                   const std::function<bool(size_t number, const std::string& line)>& onLine);

// True when `path` names a regular file; false for anything else and for a
// path that cannot be examined (never throws).
bool IsRegularFile(const std::filesystem::path& path);

// `path` with its extension replaced (`extension` includes the dot).
std::filesystem::path ChangeExtension(const std::filesystem::path& path,
                                      const std::string& extension);

}  // namespace quarlin
