#include "data/run_files.h"

#include "common/file_writing.h"
#include "common/temporary_file.h"
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

fs::path TemporaryFiles::Create(const fs::path& folder, const std::string& ownerName,
                                std::string* reason) {
  fs::path path = CreateTemporaryFile(folder, ownerName, reason);
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
    // A name that cannot be looked up (too long, through a file, a looping
    // link) fails here too: the temporaries' own short names would not.
    if (const WriteTarget target = ResolveWriteTarget(*path); target.error != 0)
      return Status::Error(CouldNotOpenMessage(path->string(), target.reason));
  }
  return Status::Ok();
}

namespace {

fs::path FolderOf(const RunFiles& files) {
  const fs::path folder = files.Input.parent_path();
  return folder.empty() ? "." : folder;
}

}  // namespace

Status CreateTemporaryRunFiles(RunFiles& files, TemporaryFiles& temporaries) {
  const fs::path folder = FolderOf(files);
  // Every temporary stands for the input file, whose name the next run on
  // it knows; a failure names the file the temporary was to become, or,
  // for the parts of the report, the report.
  const std::string owner = files.Input.filename().string();
  const struct {
    fs::path* temporary;
    const fs::path* named;
  } wanted[] = {{&files.NewInput, &files.Input}, {&files.NewOutput, &files.Output},
                {&files.Temp, &files.Output},    {&files.Report, &files.Output},
                {&files.Values, &files.Output},  {&files.NewRankedList, &files.RankedList},
                {&files.NewAux, &files.Aux}};
  for (const auto& file : wanted) {
    std::string reason;
    *file.temporary = temporaries.Create(folder, owner, &reason);
    if (file.temporary->empty())
      return Status::Error(CouldNotOpenMessage(file.named->string(), reason));
  }
  return Status::Ok();
}

void RemoveLeftTemporaries(const RunFiles& files) {
  // The ranked list's re-sort writes through a temporary of its own.
  RemoveTemporariesOf(FolderOf(files),
                      {files.Input.filename().string(), files.Output.filename().string(),
                       files.Aux.filename().string(), files.RankedList.filename().string()});
}

}  // namespace quarlin
