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
      return Status::Error(ReadErrorMessage(path.string(), read.reason));
  }
  return Status::Error(ReadErrorMessage(path.string(), read.reason));
}

}  // namespace quarlin
