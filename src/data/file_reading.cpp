#include "data/file_reading.h"

#include "common/text_file.h"
#include "data/messages.h"

namespace quarlin {

Status ReadFileLines(const std::filesystem::path& path, std::vector<std::string>& lines) {
  TextRead read = ReadText(path);
  switch (read.fault) {
    case ReadFault::None:
      lines = std::move(read.lines);
      return Status::Ok();
    case ReadFault::Open:
      return Status::Error(CouldNotOpenMessage(path.string(), read.reason));
    case ReadFault::NotRegular:
      return Status::Error(NotRegularFileMessage(path.string()));
    case ReadFault::Read:
    case ReadFault::LineTooLong:
      return Status::Error(ReadErrorMessage(path.string(), read.reason));
  }
  return Status::Error(ReadErrorMessage(path.string(), read.reason));
}

Status ScanFileLines(const std::filesystem::path& path,
                     const std::function<bool(size_t number, const std::string& line)>& onLine) {
  const LineScan scan = ScanLines(path, kMaxLineLength, onLine);
  switch (scan.fault) {
    case ReadFault::None:
      return Status::Ok();
    case ReadFault::Open:
      return Status::Error(CouldNotOpenMessage(path.string(), scan.reason));
    case ReadFault::NotRegular:
      return Status::Error(NotRegularFileMessage(path.string()));
    case ReadFault::LineTooLong:
      return Status::Error(LineTooLongMessage(path.string(), scan.lineNumber, kMaxLineLength));
    case ReadFault::Read:
      break;
  }
  return Status::Error(ReadErrorMessage(path.string(), scan.reason));
}

}  // namespace quarlin
