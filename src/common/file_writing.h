#pragma once
// Writing a file of the program so that a failure never leaves a truncated
// file where a good one stood: the new content goes to a temporary beside
// the file and is renamed over it. A symbolic link is written through: the
// file it ends at gets the content and the link stays, as an editor saving
// through a link does. Only a regular file is replaced; a folder, a pipe or
// a device where the file should be is refused, never taken away.

#include <filesystem>
#include <string>

namespace quarlin {

// Where a write to a path lands.
struct WriteTarget {
  std::filesystem::path file;  // the path itself, or the file its links end at
  bool exists = false;         // a regular file stands there now
  unsigned mode = 0;           // its permission bits
  int error = 0;               // errno when it may not be written (0: it may)
  std::string reason;          // the system's words for `error`; through a link
                               // headed by the name of the file it ends at
};

WriteTarget ResolveWriteTarget(const std::filesystem::path& path);

// Writes `content` to a temporary file beside the target and renames it
// over `path`. A file that is replaced keeps its permission bits; a new one
// gets 0666 less the umask. Returns false on failure; the target is then
// untouched and `reason`, when given, holds the system's words for it (for
// a link, headed by the name of the file it ends at); errno holds its number.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content,
                         std::string* reason = nullptr);

// Moves the finished file `made` (a temporary) over `path`, resolved and
// checked as WriteFileAtomically does; a replaced file keeps its permission
// bits. A link's target on another file system gets a copy written
// atomically, and `made` goes. False on failure, with `made` left where it
// was and `reason` as for WriteFileAtomically.
bool MoveIntoPlace(const std::filesystem::path& made, const std::filesystem::path& path,
                   std::string* reason = nullptr);

}  // namespace quarlin
