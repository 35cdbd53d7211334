#include "common/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace quarlin {
namespace {

// The lock is on the file that `path` names now: a holder removes the file
// when it lets go, and one that waited on the removed file must try again.
bool StillNamed(int fd, const std::filesystem::path& path) {
  struct stat held {
  }, named{};
  return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

FileLock::~FileLock() {
  if (fd_ < 0) return;
  ::unlink(path_.c_str());
  ::close(fd_);
}

FileLock::Outcome FileLock::Take(const std::filesystem::path& path, bool wait,
                                 const std::function<void()>& waiting,
                                 const std::function<bool()>& giveUp) {
  bool told = false;
  for (;;) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Outcome::NoLockFile;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      if (StillNamed(fd, path)) {
        fd_ = fd;
        path_ = path;
        return Outcome::Held;
      }
      ::close(fd);
      continue;
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK && error != EINTR) return Outcome::NoLockFile;
    if (!wait || (giveUp && giveUp())) return Outcome::Busy;
    if (!told && waiting) waiting();
    told = true;
    // Polled rather than blocked in flock(), so that a stop asked for while
    // waiting is seen.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace quarlin
