#pragma once
// X from a frequency for the normal family (codes 20-26): a grid search
// over the range of the (transformed) data, not a closed-form inverse.

#include <optional>
#include <vector>

#include "calculator/inverse_table.h"
#include "calculator/working_values.h"

namespace quarlin {

struct Extremes {
  double largest = -1000000.0;
  double smallest = 1000000.0;
};

// Shifts the data by -shift + 0.001 and, for codes above 21, transforms them
// by the code's variable (ln, square root, square, power E), then finds the
// extremes. Works on its own copy: the caller's data stay as they are.
Extremes MaxMin(const WorkingValues& w, std::vector<long double> values);

// The first grid point y = smallest + i·largest·0.0001 (i = 1..100000) whose
// F exceeds f; nothing when none does.
std::optional<double> NormalCalc(const WorkingValues& w, const Extremes& extremes, double f);

// X in data units from a grid result y (the lower limit guarded for code
// 26); nothing where the back-transformation has no finite value.
std::optional<double> NormalBackTransform(const WorkingValues& w, double y, Limit limit);

}  // namespace quarlin
