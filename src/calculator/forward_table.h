#pragma once
// The calculator's forward table: F of the chosen code at x, where x is
// the X typed by the user minus the shift (plus 0.0001, see CalcFrequent).
// It is keyed by the row: a line by its link and scale, a composite by its
// members' links, the normal family by its variable, the rest by the row's
// calculator form (engine/catalogue/calculator_form.h). It computes in
// double throughout.
//
// The table is the calculator's own and differs from the catalogue's
// Evaluate, which the report uses, in these points:
// - it works from the parameter file's printed values (15 significant
//   digits, bounds and break points in data units, the slope of codes 64
//   and 65 as printed, which after a left shift is 1/A) and at
//   X - shift + 0.0001, so it agrees with the report's column only within
//   those digits;
// - a composite takes its lower branch while X + 0.0001 is at most P; the
//   report chooses the branch at a datum by its rank;
// - the normal family (20-26) gives 0.001 where the short Hastings sum turns
//   negative (the engine gives 0);
// - code 34 never gives less than 0.001;
// - beyond an end of the fitted law's range it gives the law's 0 or 1 there
//   and says so: beyond the bound C of codes 33, 35, 58 and 59 (the formula
//   gave 0 on either side), the upper end M of code 36 (the formula had no
//   value), the end of the support of code 67 (lower for a positive shape
//   K, upper for a negative one; the catalogue gives exp(-1) there), and
//   where the formula of codes 1-3, 31, 32, 66 or a composite's Poisson
//   member below P leaves [0, 1];
// - code 56 keeps its scale B as the file holds it (the floor of 0.001 was
//   applied before the file was written);
// - codes 1 and 2 have formulas here; the catalogue has none.
//
// It also departs from the calculator's original rules where those did not
// fit the report:
// - codes 62 and 63 take y = (x - mean)/sd, not (x + shift - mean)/sd: the
//   file's mean is that of the shifted data, as the engine fitted it, so
//   adding the shift back compared data units with shifted ones. The inverse
//   adds the shift back to its result, rightly, since this side takes it off
//   (inverse_table.h);
// - code 73 chooses its side by the catalogue's rule (x^E1 at most the
//   centre: lower side), and the inverse follows the same rule.

#include "calculator/working_values.h"

namespace quarlin {

// Which end of the fitted law's range a value lies beyond, if any.
enum class Beyond { None, Lower, Upper };

struct ForwardValue {
  double F = 0;  // 0 beyond a lower end, 1 beyond an upper one
  Beyond beyond = Beyond::None;
};

// F at x by the table. Inside the law's range F may still be 0 or 1, lie
// a rounding error outside [0, 1], be negative (the normal family's short
// sum, code 73 between its sides) or be not finite: the caller clamps.
ForwardValue ForwardF(const WorkingValues& w, double X, double x);

// The normal approximation of the calculator (also NormalCalc's) of the
// family's variable y, with the value it gives where the short sum p turns
// negative.
double CalculatorNormalF(double y, const NormalParams& normal, double whenNegative);

// The variable of the normal family in which the row's member is normal,
// taken in double.
double CalculatorNormalVariable(const DistributionRow& row, double x, double E);

// F of a composite's upper branch at the break point, evaluated at
// P - shift without the 0.0001 of the forward calculation.
double BreakPointFrequency(const WorkingValues& w);

}  // namespace quarlin
