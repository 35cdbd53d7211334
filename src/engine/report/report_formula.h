#pragma once
// The lines of the report that present the chosen distribution: its
// description, its formula, its parameter values and, for composites, the
// formula of each member. The texts are fixed; their odd spacings and
// spellings are what users and the output readers have always seen.

#include <string>
#include <vector>

#include "engine/model/fitted_params.h"
#include "engine/model/shift_units.h"

namespace quarlin {

// What the distribution lines need to know of the run.
struct ChosenDistribution {
  int code = 0;
  // As reported: ReportedParams() of the chosen ones.
  FittedParams params;
  // The shift constant; the shift lines print -C.
  double C = static_cast<double>(kPositiveShift);
  // The data were moved left: formulas carry the additional term.
  bool HighShift = false;
  // Code 4: the spread the fit-all driver leaves.
  double spreadS = 0;
  // From the evaluation at the data points: a datum lies below the lower
  // bound of code 35 or 58, or above the upper bound of code 33 or 59.
  bool lowerBoundWarning = false;
  bool upperBoundWarning = false;
};

// The additional term as the formulas name it.
enum class ShiftWord { C, T, Y };

// " An additional term C is used : C = " (or T, or the Y = X + C wording)
// followed by -C in three significant digits.
std::string ShiftLine(ShiftWord word, double C);

// The description of the code; for the normal family (20-26) followed by its
// mean and standard-deviation lines.
std::vector<std::string> DescriptionLines(const ChosenDistribution& d);

// The formula lines of the code, with the shift line before them when the
// data were shifted, and the values that belong to the formula. Codes 70 to
// 85 (but 73) give their empty line and both member blocks here.
std::vector<std::string> FormulaLines(const ChosenDistribution& d);

// The exponent, bound, A and B lines that many codes share, ending with the
// empty line that every code gets.
std::vector<std::string> CommonParameterLines(const ChosenDistribution& d);

// The member blocks of codes 7 to 18, which follow the common lines.
std::vector<std::string> LinearCompositeLines(const ChosenDistribution& d);

// Everything about the distribution, in report order: description, empty
// line, formula, common lines, and the linear composites' member blocks.
std::vector<std::string> DistributionLines(const ChosenDistribution& d);

}  // namespace quarlin
