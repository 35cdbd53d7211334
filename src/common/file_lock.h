#pragma once
// An advisory lock (flock) on a lock file beside the files it guards, so
// that two processes do not write the same set of files at once.

#include <filesystem>
#include <functional>

namespace quarlin {

class FileLock {
 public:
  enum class Outcome {
    Held,
    Busy,        // another holder has it, and waiting was not wanted or was given up
    NoLockFile,  // the lock file cannot be made (the folder is missing or read-only)
  };

  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  // Removes the lock file, then lets the lock go.
  ~FileLock();

  // Takes the lock on `path`, making the file when it is missing. When
  // another holds it: Busy at once unless `wait`; otherwise `waiting` is
  // called once and the lock is tried again until it is free or `giveUp`
  // says to stop.
  Outcome Take(const std::filesystem::path& path, bool wait,
               const std::function<void()>& waiting = {}, const std::function<bool()>& giveUp = {});

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

}  // namespace quarlin
