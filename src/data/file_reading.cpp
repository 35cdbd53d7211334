#include "data/file_reading.h"

#include "common/text_file.h"
#include "data/messages.h"

namespace quarlin {

namespace {

// The message of a read that ended early, naming the file.
Status FaultStatus(const std::filesystem::path& path, ReadFault fault, const std::string& reason,
                   size_t lineNumber) {
  switch (fault) {
    case ReadFault::None:
      return Status::Ok();
    case ReadFault::Open:
      return Status::Error(CouldNotOpenMessage(path.string(), reason));
    case ReadFault::NotRegular:
      return Status::Error(NotRegularFileMessage(path.string()));
    case ReadFault::LineTooLong:
      return Status::Error(LineTooLongMessage(path.string(), lineNumber, kMaxLineLength));
    case ReadFault::Read:
      break;
  }
  return Status::Error(ReadErrorMessage(path.string(), reason));
}

}  // namespace

Status ReadFileLines(const std::filesystem::path& path, std::vector<std::string>& lines) {
  TextRead read = ReadText(path);
  if (read.fault == ReadFault::None) lines = std::move(read.lines);
  return FaultStatus(path, read.fault, read.reason, 0);
}

Status ScanFileLines(const std::filesystem::path& path,
                     const std::function<bool(size_t number, const std::string& line)>& onLine) {
  const LineScan scan = ScanLines(path, kMaxLineLength, onLine);
  return FaultStatus(path, scan.fault, scan.reason, scan.lineNumber);
}

}  // namespace quarlin
