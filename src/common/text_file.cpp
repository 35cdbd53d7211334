#include "common/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>

namespace quarlin {

TextBuilder& TextBuilder::Line(const std::string& text) {
  text_ += text;
  text_ += kLineEnd;
  return *this;
}

std::vector<std::string> SplitLines(const std::string& text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::vector<std::string> lines;
  size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
      ++start;
  }
  return lines;
}

namespace {

std::string Reason(int error) {
  return std::generic_category().message(error);
}

// A pipe without a writer would block in open(); O_NONBLOCK lets the type
// be looked at first.
TextRead ReadOpened(int fd) {
  TextRead read;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    read.fault = ReadFault::Read;
    read.reason = Reason(errno);
    return read;
  }
  if (!S_ISREG(info.st_mode)) {
    read.fault = ReadFault::NotRegular;
    return read;
  }
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read.fault = ReadFault::Read;
      read.reason = Reason(errno);
      return read;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  read.lines = SplitLines(content);
  return read;
}

}  // namespace

TextRead ReadText(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {.lines = {}, .fault = ReadFault::Open, .reason = Reason(errno)};
  TextRead read = ReadOpened(fd);
  ::close(fd);
  return read;
}

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path) {
  TextRead read = ReadText(path);
  if (read.fault != ReadFault::None) return std::nullopt;
  return std::move(read.lines);
}

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path ChangeExtension(const std::filesystem::path& path,
                                      const std::string& extension) {
  std::filesystem::path result = path;
  result.replace_extension(extension);
  return result;
}

}  // namespace quarlin
