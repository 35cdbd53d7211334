#pragma once
// The files of one run. The temporary ones get unique names beside the
// input file (temporary_file.h), so that two runs never share them, and
// they disappear when the run ends, whether it succeeded or not; those of
// a run that was killed go with the next run on the same files.

#include <filesystem>
#include <string>
#include <vector>

#include "data/status.h"

namespace quarlin {

struct RunFiles {
  std::filesystem::path Input;  // the *.inp of the run
  // The outputs, where they stand when the run has completed. Until then an
  // earlier run's stay as they are, so that a run that stops or fails
  // leaves them whole.
  std::filesystem::path RankedList;  // *.Lst
  std::filesystem::path Aux;         // *.aux
  std::filesystem::path Output;      // *.out, assembled at the end
  // Temporaries of the run. The new input file, report, parameter file and
  // ranked list take the places of an earlier run's only when the run has
  // completed, the input file last; until then the earlier set stays whole.
  std::filesystem::path NewInput;       // the input file, read back by the engine
  std::filesystem::path NewOutput;      // the *.out
  std::filesystem::path Temp;           // parameters for the confidence analysis
  std::filesystem::path Report;         // the report up to the return periods
  std::filesystem::path Values;         // the confidence limits of calculated X
  std::filesystem::path NewRankedList;  // the ranked list, by the fit-all driver
  std::filesystem::path NewAux;         // the parameter file, by the final analysis
};

// Owns files created for one run and removes them when it goes.
class TemporaryFiles {
 public:
  TemporaryFiles() = default;
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;
  ~TemporaryFiles();

  // A new empty temporary in `folder` for the file named `ownerName`;
  // empty on failure, `reason` (when given) then saying why.
  std::filesystem::path Create(const std::filesystem::path& folder, const std::string& ownerName,
                               std::string* reason = nullptr);

 private:
  std::vector<std::filesystem::path> paths_;
};

// The companion names of `inputPath` (extension changed) in `files`.
RunFiles CompanionFiles(const std::filesystem::path& inputPath);

// Adds the temporary files, created beside the input and owned by
// `temporaries`. Fails with the name of the run's file that a temporary
// was for and the system's reason.
Status CreateTemporaryRunFiles(RunFiles& files, TemporaryFiles& temporaries);

// Removes the temporaries that runs on these files left when they were
// killed. Only for the holder of the files' lock: every live run on them
// holds it while its temporaries exist.
void RemoveLeftTemporaries(const RunFiles& files);

// Fails when a file the run is to replace (input file, report, parameter
// file, ranked list), or the file a link there ends at, is a folder, a pipe
// or a device, or its name cannot be looked up: found only at the end, it
// would leave the new files beside an earlier run's.
Status CheckReplaceable(const RunFiles& files);

}  // namespace quarlin
