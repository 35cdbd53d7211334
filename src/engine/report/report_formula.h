#pragma once
// The lines of the report that present the chosen distribution: its
// description, its formula, its parameter values and, for composites, the
// formula of each member, in the order the report prints them. The texts
// are the rows' (report_lines.h).

#include <string>
#include <vector>

#include "engine/catalogue/report_lines.h"

namespace quarlin {

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
