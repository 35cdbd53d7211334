#pragma once
// The files of one run. The temporary ones get unique names beside the
// input file, so that two runs never share them, and they disappear when
// the run ends, whether it succeeded or not.

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
  // Temporaries of the run.
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

  // A new empty file in `folder` named stem.<unique>.suffix; empty on failure.
  std::filesystem::path Create(const std::filesystem::path& folder, const std::string& stem,
                               const std::string& suffix);

 private:
  std::vector<std::filesystem::path> paths_;
};

// The companion names of `inputPath` (extension changed) in `files`.
RunFiles CompanionFiles(const std::filesystem::path& inputPath);

// Adds the temporary files, created beside the input and owned by
// `temporaries`. Fails with the name of the file that could not be made.
Status CreateTemporaryRunFiles(RunFiles& files, TemporaryFiles& temporaries);

}  // namespace quarlin
