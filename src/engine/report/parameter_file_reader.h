#pragma once
// Reading a parameter file (.aux) back, for the calculator and the graphs:
// they work from what is on disk, never from the fit in memory.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/fitted_params.h"

namespace quarlin {

struct ParameterFileContents {
  int code = 0;
  // False for the older files whose first line is the code itself.
  bool hasHeader = true;
  // The values between the code line and the shift line, in file order and
  // exactly as the file holds them (the forms the report printed);
  // ParameterSlotsOf(code) names them.
  std::vector<double> values;
  // The last line: the shift constant C of the run.
  double shift = 0;
  // Whether C is that of data shifted to the left (see ParseParameterFile).
  bool shiftedLeft = false;
  // The values put back into the slots that the catalogue's Evaluate and
  // Invert take (see ParseParameterFile).
  FittedParams params;
  // Composites (7-18, 70-72, 74, 80-85): F of the upper member at the break
  // point, which decides the member an inverse takes. Unlike the calculator's
  // own evaluation, no 0.0001 is added to the break point.
  std::optional<double> breakPointF;
};

// Either the contents or, when the file could not be read whole, an error
// that names the file and the line; never a part of the contents.
struct ParameterFileReading {
  std::optional<ParameterFileContents> contents;
  std::string error;
};

// Reads `lines` of the parameter file called `name` (the name is for the
// messages only). The first line is either the header, followed by the code
// on the second line, or holds the code in its first 5 characters. Then come
// the code's values and the shift, one real a line; anything after the
// number on a line, and any line after the shift, is ignored.
//
// What the reader puts back into the slots, undoing what the report changed:
// - the bound of codes 33, 35, 58 and 59 and a composite's break point P,
//   written in data units (+ C), back into the engine variable (- C);
// - the slope of codes 64 and 65, written as 1/A after a left shift. The file
//   does not say whether the data were shifted left, but its shift does: a
//   left shift is the only one that leaves C positive and other than 0.0001
//   (positive data keep 0.0001, data moved up a negative C). A left shift
//   whose C reads exactly 0.0001 would be taken for unshifted data;
// - the Gompertz flag, set when its line holds exactly 1.
// What it cannot put back, because the file does not hold it: code 56's
// scale before its floor of 0.001 (the evaluation applies the same floor),
// a composite's break index K (Evaluate at a data point needs it; at any
// other value the break point decides), the normal family's plain mean and
// standard deviation, the bound and GEV warning marks, and digits beyond the
// 15 significant ones the file keeps. Those slots keep their defaults.
//
// Errors: a line that does not hold the number or the code due there, a file
// that ends before the shift line, a first line that is neither the header
// nor a code, and a code that carries no parameters (a file for one code is
// never read in another code's order).
ParameterFileReading ParseParameterFile(const std::vector<std::string>& lines,
                                        const std::string& name);

// The same for the whole text of a file, with LF or CR LF line ends.
ParameterFileReading ParseParameterFileText(const std::string& text, const std::string& name);

// Reads the file at `path`; a file that cannot be read is an error naming it.
ParameterFileReading ReadParameterFile(const std::filesystem::path& path);

}  // namespace quarlin
