#include "common/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
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

}  // namespace

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path) {
  TextRead read = ReadText(path);
  if (read.fault != ReadFault::None) return std::nullopt;
  return std::move(read.lines);
}

namespace {

// Cuts the bytes of a file into lines as SplitLines does, across the reads
// the bytes come in.
class LineCutter {
 public:
  LineCutter(size_t maxLineLength, const std::function<bool(size_t, const std::string&)>& onLine)
      : maxLength_(maxLineLength), onLine_(onLine) {}

  // False when the scan ends: the caller stopped it or a line is too long.
  bool Feed(std::string_view bytes) {
    for (const char c : bytes) {
      if (afterCarriageReturn_) {
        afterCarriageReturn_ = false;
        if (c == '\n') continue;
      }
      if (c == '\r' || c == '\n') {
        afterCarriageReturn_ = c == '\r';
        if (!EndLine()) return false;
        continue;
      }
      if (line_.size() == maxLength_) {
        tooLong_ = true;
        return false;
      }
      line_ += c;
      open_ = true;
    }
    return true;
  }

  // The last line, when the file does not end in a line end.
  void Finish() {
    if (open_) EndLine();
  }

  bool TooLong() const { return tooLong_; }
  size_t LineNumber() const { return number_ + 1; }

 private:
  bool EndLine() {
    ++number_;
    const bool go = onLine_(number_, line_);
    line_.clear();
    open_ = false;
    return go;
  }

  size_t maxLength_;
  const std::function<bool(size_t, const std::string&)>& onLine_;
  std::string line_;
  size_t number_ = 0;  // lines handed on
  bool open_ = false;  // line_ has started, perhaps empty
  bool afterCarriageReturn_ = false;
  bool tooLong_ = false;
};

// Reads up to `size` bytes; fewer only at the end of the file. -1 on failure.
ssize_t ReadFully(int fd, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, buffer + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

LineScan ScanOpened(int fd, size_t maxLineLength,
                    const std::function<bool(size_t, const std::string&)>& onLine) {
  LineScan scan;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    scan.fault = ReadFault::Read;
    scan.reason = Reason(errno);
    return scan;
  }
  if (!S_ISREG(info.st_mode)) {
    scan.fault = ReadFault::NotRegular;
    return scan;
  }
  LineCutter cutter(maxLineLength, onLine);
  const auto failed = [&] {
    scan.fault = ReadFault::Read;
    scan.reason = Reason(errno);
    return scan;
  };
  const auto ended = [&] {
    if (cutter.TooLong()) {
      scan.fault = ReadFault::LineTooLong;
      scan.lineNumber = cutter.LineNumber();
    }
    return scan;
  };
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  char buffer[65536];
  const ssize_t start = ReadFully(fd, buffer, kByteOrderMark.size());
  if (start < 0) return failed();
  std::string_view first(buffer, static_cast<size_t>(start));
  if (first == kByteOrderMark) first = {};
  if (!cutter.Feed(first)) return ended();
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return failed();
    if (n == 0) break;
    if (!cutter.Feed(std::string_view(buffer, static_cast<size_t>(n)))) return ended();
  }
  cutter.Finish();
  return scan;
}

}  // namespace

LineScan ScanLines(const std::filesystem::path& path, size_t maxLineLength,
                   const std::function<bool(size_t number, const std::string& line)>& onLine) {
  // A pipe without a writer would block in open(); O_NONBLOCK lets the type
  // be looked at first.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {.fault = ReadFault::Open, .reason = Reason(errno), .lineNumber = 0};
  LineScan scan = ScanOpened(fd, maxLineLength, onLine);
  ::close(fd);
  return scan;
}

TextRead ReadText(const std::filesystem::path& path) {
  TextRead read;
  const LineScan scan =
      ScanLines(path, std::numeric_limits<size_t>::max(), [&](size_t, const std::string& line) {
        read.lines.push_back(line);
        return true;
      });
  if (scan.fault != ReadFault::None) {
    read.lines.clear();
    read.fault = scan.fault;
    read.reason = scan.reason;
  }
  return read;
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
