#pragma once
// A report's set of files in one fuzz input, for the targets that run a
// command over the set. The input is a sequence of sections, each begun by
// a line of its own:
//
//   === inp ===      the input file (*.inp)
//   === out ===      the report (*.out)
//   === aux ===      the parameter file (*.aux)
//   === queries ===  what the command is asked, one request a line
//
// A section runs up to the next marker line (its last line end included),
// so that its bytes, CR-only line ends, NUL bytes and all, are the file's.
// A file whose section is missing is not written at all, which is not the
// same as an empty one. Bytes before the first marker are ignored; a second
// section of one name replaces the first.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scratch_folder.h"

namespace quarlin::fuzz {

struct ReportSections {
  std::optional<std::string_view> inp;
  std::optional<std::string_view> out;
  std::optional<std::string_view> aux;
  std::optional<std::string_view> queries;
};

ReportSections SplitReportSections(std::string_view input);

// The lines of a section, without their line ends (LF, CR LF or CR).
std::vector<std::string_view> SectionLines(std::string_view section);

// Writes report.inp, report.out and report.aux into the scratch folder, or
// removes those whose section is missing, and returns the path of
// report.out.
std::filesystem::path WriteReportFiles(const ScratchFolder& folder, const ReportSections& sections);

}  // namespace quarlin::fuzz
