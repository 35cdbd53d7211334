#pragma once
// The calculator's inverse table: X (in data units, shift added) from a
// frequency f, for every code but the normal family (see normal_inverse.h)
// and Gamma (61), which has none.
//
// Where it differs from the catalogue's Invert, which the report's X limits
// use:
// - it works from the parameter file's printed values (bounds in data units,
//   so codes 33, 35, 58 and 59 add no shift);
// - a composite's branch is chosen once, from F against the break-point
//   frequency, and the limits are inverted with that branch;
// - for the lower limit the quantity raised to 1/E (or, for code 6, divided
//   out) is taken as 0.001 when it is not positive (codes 1-3, 6, 51, 52,
//   65, 66, the composites from 70 and 73), instead of failing;
// - the normal family is inverted by a grid search over the data, not in
//   closed form;
// - codes 1 and 2 have inverses here; the catalogue has none.
//
// And from the calculator's original rules:
// - codes 62 and 63 add the shift (less the 0.0001 of positive data) to
//   mean + sd·(...), rightly: the forward takes it off, since the file's
//   mean is that of the shifted data (forward_table.h);
// - code 73 follows the forward's side rule, x^E1 against the centre: from
//   0.5 on, an upper-side answer whose x^E1 lies at or below the centre is
//   replaced by the centre's x, where the law leaves its lower side, instead
//   of an X whose F comes back from the lower side.

#include <optional>

#include "calculator/working_values.h"

namespace quarlin {

enum class Limit { Result, Lower, Upper };

// Which branch of a composite F chooses (upper above the break-point
// frequency); ignored for other codes.
enum class Branch { Lower, Upper };
Branch BranchFor(const WorkingValues& w, double F);

// X for f; nothing when the code has no inverse here or the result is not a
// finite number.
std::optional<double> InverseX(const WorkingValues& w, double f, Limit limit, Branch branch);

}  // namespace quarlin
