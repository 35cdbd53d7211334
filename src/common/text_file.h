#pragma once
// Reading and writing the program's plain-text files.

#include <filesystem>
#include <functional>
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

// Writes `content` to a temporary file in the target's folder and renames it
// over `path`, so a failure never leaves a truncated file where a good one
// stood. A file that is replaced keeps its permission bits; a new one gets
// 0666 less the umask. Returns false on failure; the target is then
// untouched and `reason`, when given, holds the system's words for it
// (errno holds its number).
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content,
                         std::string* reason = nullptr);

// True when `path` names a regular file; false for anything else and for a
// path that cannot be examined (never throws).
bool IsRegularFile(const std::filesystem::path& path);

// `path` with its extension replaced (`extension` includes the dot).
std::filesystem::path ChangeExtension(const std::filesystem::path& path,
                                      const std::string& extension);

// A path in `folder` that no file occupies yet, named
// `stem.<process id>.<random number><suffix>` (`suffix` brings its own dot);
// the file is created empty (0666 less the umask) so that a second caller,
// in this process or another, gets another name. Empty when none could be
// made, and `reason`, when given, then holds the system's words for it.
std::filesystem::path CreateUniqueFile(const std::filesystem::path& folder, const std::string& stem,
                                       const std::string& suffix, std::string* reason = nullptr);

}  // namespace quarlin
