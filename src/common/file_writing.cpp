#include "common/file_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "common/temporary_file.h"

namespace quarlin {
namespace {

// As the system counts them before it gives up on a path (ELOOP).
constexpr int kMaxLinks = 40;

std::string Reason(int error) {
  return std::generic_category().message(error);
}

WriteTarget Refused(WriteTarget target, int error, const std::string& reason, bool throughLink) {
  target.error = error;
  target.reason = throughLink ? target.file.string() + ": " + reason : reason;
  return target;
}

bool Failed(int error, const std::string& reason, std::string* out) {
  if (out) *out = reason;
  errno = error;
  return false;
}

// A failure once the target is known: through a link, the reason names the
// file the link ends at.
bool FailedAt(const WriteTarget& target, const std::filesystem::path& path, int error,
              std::string* reason) {
  const std::string words = Reason(error);
  return Failed(error, target.file != path ? target.file.string() + ": " + words : words, reason);
}

bool WriteAll(int fd, const std::string& content) {
  size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

bool ReadAll(const std::filesystem::path& path, std::string& content) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = errno;
      ::close(fd);
      errno = error;
      return n == 0;
    }
    content.append(buffer, static_cast<size_t>(n));
  }
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  return folder.empty() ? "." : folder;
}

}  // namespace

WriteTarget ResolveWriteTarget(const std::filesystem::path& path) {
  WriteTarget target;
  target.file = path;
  for (int links = 0;; ++links) {
    const bool throughLink = links > 0;
    struct stat info {};
    if (::lstat(target.file.c_str(), &info) != 0) {
      // Missing: the write makes it. Any other failure (a folder that may
      // not be entered, a name too long, a file where a folder should be)
      // is the reason the write would fail.
      if (errno == ENOENT) return target;
      return Refused(target, errno, Reason(errno), throughLink);
    }
    if (S_ISLNK(info.st_mode)) {
      if (links == kMaxLinks) return Refused(target, ELOOP, Reason(ELOOP), true);
      std::error_code error;
      const std::filesystem::path next = std::filesystem::read_symlink(target.file, error);
      if (error) return Refused(target, error.value(), error.message(), throughLink);
      target.file = next.is_absolute() ? next : target.file.parent_path() / next;
      continue;
    }
    if (S_ISDIR(info.st_mode)) return Refused(target, EISDIR, Reason(EISDIR), throughLink);
    if (!S_ISREG(info.st_mode)) return Refused(target, EINVAL, "Not a regular file", throughLink);
    target.exists = true;
    target.mode = info.st_mode & 07777;
    return target;
  }
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content,
                         std::string* reason) {
  const WriteTarget target = ResolveWriteTarget(path);
  if (target.error != 0) return Failed(target.error, target.reason, reason);
  const auto failed = [&](int error) { return FailedAt(target, path, error, reason); };
  std::filesystem::path temp;
  const int fd = OpenTemporaryFile(FolderOf(target.file), target.file.filename().string(), temp);
  if (fd < 0) return failed(errno);
  // A replaced file keeps its mode (a user who made a report read-only for
  // others keeps it so); a new one gets what the umask leaves of 0666.
  bool ok = WriteAll(fd, content);
  if (ok && target.exists) ok = ::fchmod(fd, target.mode) == 0;
  ok = ok && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && std::rename(temp.c_str(), target.file.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (ok) return true;
  std::remove(temp.c_str());
  return failed(error);
}

bool MoveIntoPlace(const std::filesystem::path& made, const std::filesystem::path& path,
                   std::string* reason) {
  const WriteTarget target = ResolveWriteTarget(path);
  if (target.error != 0) return Failed(target.error, target.reason, reason);
  const auto failed = [&](int error) { return FailedAt(target, path, error, reason); };
  if (target.exists && ::chmod(made.c_str(), target.mode) != 0) return failed(errno);
  if (std::rename(made.c_str(), target.file.c_str()) == 0) return true;
  if (errno != EXDEV) return failed(errno);
  // The link ends on another file system: the content is written there.
  std::string content;
  if (!ReadAll(made, content)) return failed(errno);
  if (!WriteFileAtomically(target.file, content, reason)) {
    const int error = errno;
    if (reason) *reason = target.file.string() + ": " + *reason;
    errno = error;
    return false;
  }
  std::remove(made.c_str());
  return true;
}

}  // namespace quarlin
