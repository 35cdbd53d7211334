#include "common/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace quarlin {

TextBuilder& TextBuilder::Line(const std::string& text) {
  text_ += text;
  text_ += kLineEnd;
  return *this;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return SplitLines(content.str());
}

namespace {

// A new file `stem.<pid>.<random><suffix>` in `folder`, opened for writing;
// -1 when none could be made. The mode asked for is filtered by the umask,
// as for any file the user's programs create.
int OpenUniqueFile(const std::filesystem::path& folder, const std::string& stem,
                   const std::string& suffix, mode_t mode, std::filesystem::path& created) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const auto candidate = folder / (stem + "." + std::to_string(::getpid()) + "." +
                                     std::to_string(random() % 1000000) + suffix);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      created = candidate;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

bool WriteAll(int fd, const std::string& content) {
  size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  // A replaced file keeps its mode (a user who made a report read-only for
  // others keeps it so); a new one gets what the umask leaves of 0666.
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  std::filesystem::path temp;
  const int fd = OpenUniqueFile(folder, "." + path.filename().string(), ".tmp", 0666, temp);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content);
  if (ok && replacing) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}

std::filesystem::path ChangeExtension(const std::filesystem::path& path,
                                      const std::string& extension) {
  std::filesystem::path result = path;
  result.replace_extension(extension);
  return result;
}

std::filesystem::path CreateUniqueFile(const std::filesystem::path& folder, const std::string& stem,
                                       const std::string& suffix) {
  std::filesystem::path created;
  const int fd = OpenUniqueFile(folder, stem, suffix, 0666, created);
  if (fd < 0) return {};
  ::close(fd);
  return created;
}

}  // namespace quarlin
