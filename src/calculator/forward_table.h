#pragma once
// The calculator's forward table: F of the chosen code at x, where x is
// the X typed by the user minus the shift (plus 0.0001, see CalcFrequent).
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
// - codes 33, 35, 58 and 59 give 0 beyond the bound, without a warning;
// - code 56 keeps its scale B as the file holds it (the floor of 0.001 was
//   applied before the file was written);
// - codes 1 and 2 have formulas here; the catalogue has none.

#include "calculator/working_values.h"

namespace quarlin {

// F at x by the table; may lie outside (0, 1) or be not finite, which the
// caller handles.
double ForwardF(const WorkingValues& w, double X, double x);

// The normal approximation of the calculator (also NormalCalc's), with the
// value it gives where the short sum p turns negative.
double CalculatorNormalF(double y, double Av, double Sd, double whenNegative);

// F of a composite's upper branch at the break point, evaluated at
// P - shift without the 0.0001 of the forward calculation.
double BreakPointFrequency(const WorkingValues& w);

}  // namespace quarlin
