#include "data/run_files.h"

#include <cerrno>
#include <system_error>

#include "common/text_file.h"
#include "data/messages.h"

namespace quarlin {

namespace fs = std::filesystem;

TemporaryFiles::~TemporaryFiles() {
  for (const auto& path : paths_) {
    std::error_code ignored;
    fs::remove(path, ignored);
  }
}

fs::path TemporaryFiles::Create(const fs::path& folder, const std::string& stem,
                                const std::string& suffix, std::string* reason) {
  fs::path path = CreateUniqueFile(folder, stem, suffix, reason);
  if (!path.empty()) paths_.push_back(path);
  return path;
}

RunFiles CompanionFiles(const fs::path& inputPath) {
  RunFiles files;
  files.Input = inputPath;
  files.RankedList = ChangeExtension(inputPath, ".Lst");
  files.Aux = ChangeExtension(inputPath, ".aux");
  files.Output = ChangeExtension(inputPath, ".out");
  return files;
}

Status CheckReplaceable(const RunFiles& files) {
  for (const auto* path : {&files.Input, &files.Output, &files.Aux, &files.RankedList}) {
    std::error_code error;
    if (fs::is_directory(*path, error))
      return Status::Error(
          CouldNotOpenMessage(path->string(), std::generic_category().message(EISDIR)));
  }
  return Status::Ok();
}

Status CreateTemporaryRunFiles(RunFiles& files, TemporaryFiles& temporaries) {
  fs::path folder = files.Input.parent_path();
  if (folder.empty()) folder = ".";
  const std::string base = files.Input.stem().string();
  const struct {
    fs::path* target;
    const char* stem;
  } wanted[] = {{&files.NewInput, ".Input"}, {&files.NewOutput, ".Output"},
                {&files.Temp, ".Temp"},      {&files.Report, ".TmpFile"},
                {&files.Values, ".Values"},  {&files.NewRankedList, ".RankedList"},
                {&files.NewAux, ".Aux"}};
  for (const auto& file : wanted) {
    std::string reason;
    *file.target = temporaries.Create(folder, base + file.stem, ".Tmp", &reason);
    if (file.target->empty() && file.target == &files.NewInput)
      return Status::Error(CouldNotOpenMessage(files.Input.string(), reason));
    if (file.target->empty())
      return Status::Error(
          CouldNotOpenMessage((folder / (base + file.stem + ".Tmp")).string(), reason));
  }
  return Status::Ok();
}

}  // namespace quarlin
