#include "data/run_files.h"

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
                                const std::string& suffix) {
  fs::path path = CreateUniqueFile(folder, stem, suffix);
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

Status CreateTemporaryRunFiles(RunFiles& files, TemporaryFiles& temporaries) {
  fs::path folder = files.Input.parent_path();
  if (folder.empty()) folder = ".";
  const std::string base = files.Input.stem().string();
  const struct {
    fs::path* target;
    const char* stem;
  } wanted[] = {{&files.Temp, ".Temp"},
                {&files.Report, ".TmpFile"},
                {&files.Values, ".Values"},
                {&files.NewRankedList, ".RankedList"},
                {&files.NewAux, ".Aux"}};
  for (const auto& file : wanted) {
    *file.target = temporaries.Create(folder, base + file.stem, ".Tmp");
    if (file.target->empty())
      return Status::Error(CouldNotOpenMessage((folder / (base + file.stem + ".Tmp")).string()));
  }
  return Status::Ok();
}

}  // namespace quarlin
