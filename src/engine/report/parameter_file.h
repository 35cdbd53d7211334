#pragma once
// The parameter file (.aux) beside a report: the chosen code and its
// parameters, one value a line, read back by the calculator and the graphs.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/fitted_params.h"

namespace quarlin {

inline constexpr std::string_view kParameterFileHeader =
    " Parameters for internal use, do not remove.";

// The file's lines: the header, the code, the code's values in the order of
// ParameterSlotsOf(code) (reals in the 23-character exponent form, the
// Gompertz flag as an integer, a composite's break point in data units) and,
// last, the shift constant C itself. `reported` are ReportedParams() of the
// chosen ones, so the file holds what the report printed.
std::vector<std::string> ParameterFileLines(int code, const FittedParams& reported, double C);

// The file's text with CR LF line ends.
std::string ParameterFileText(int code, const FittedParams& reported, double C);

// Writes the file at `path` in one piece, replacing any file of that name;
// false when it cannot be written (an older file then stays as it was).
bool WriteParameterFile(const std::filesystem::path& path, int code, const FittedParams& reported,
                        double C);

}  // namespace quarlin
