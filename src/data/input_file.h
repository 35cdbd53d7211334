#pragma once
// The input file (*.inp): titles, number of classes, composite option and
// the numbered data values, in fixed-width fields.

#include <filesystem>
#include <string>
#include <vector>

#include "data/run_state.h"
#include "data/status.h"

namespace quarlin {

// One data line: the serial in 5 characters, a blank, then the value in 10
// characters: two decimals in fixed notation for values of 1.0 and above
// and of -1.0 and below, two significant digits in exponent notation for
// the small values between them.
std::string DataLine(int serial, long double value);

// `value` as a run reads it back from its data line.
long double StoredValue(long double value);

// The first line of an input file's header whose fixed text is missing or
// changed (lines 1 and 2 and the column heading of either layout); 0 when
// the header is whole.
size_t HeaderDamage(const std::vector<std::string>& lines);

// The complete file for `state.FileName` with CR LF line ends, listing the
// first NrOfData values that are not marked in Removed, numbered from 1.
std::string InputFileText(const RunState& state);

// Writes the input file. On success NrOfData is the number of data written
// and Values, Serial and Removed hold just those data, numbered 1..N in
// their order. On failure the file's old contents and the run state stay.
Status WriteInputFile(RunState& state);
// The same, but written to `path` (a file that takes the input file's place
// later); messages name the input file.
Status WriteInputFileTo(RunState& state, const std::filesystem::path& path);

// Reads `state.FileName` into the titles, NrOfClasses, CompositeAllowed,
// Serial, Values, Removed (all 0) and NrOfData. Both the current layout and
// the older one without the composite line are read, each known by its
// fixed header texts; lines holding only blanks are not data. The file is
// read line by line and no further than the datum past kMaxData; that
// datum, a line longer than kMaxLineLength and a serial or value that
// cannot be read or is beyond a double are refused naming their line. On
// failure the run state is left as it was.
Status ReadInputFile(RunState& state);

}  // namespace quarlin
