#pragma once
// X from a frequency for the normal family (codes 20-26): a grid search,
// not a closed-form inverse. The grid covers the (transformed) data and
// the range in which the calculator's normal law passes every frequency a
// calculation asks for, whatever the size and sign of the data: the
// original grid began one step above the smallest value and stepped by a
// ten-thousandth of the largest, so it missed answers below the data (up
// to 14 percentage points at F = 0.01 on six data) and, with every
// transformed value negative (log-normal data below 1), stepped downwards
// and found none.

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

// The grid: 100000 steps from `from`, below both the data and Av - 2·Sd
// (where the short Hastings form of the law is not positive), up to above
// both the data and Av + 8·Sd (where it is 1 within double precision).
struct NormalGrid {
  double from = 0;
  double step = 0;
};
inline constexpr int kNormalGridSteps = 100000;
// Nothing for a law without a positive, finite spread.
std::optional<NormalGrid> NormalGridFor(const WorkingValues& w, const Extremes& extremes);

// The first grid point y whose F exceeds f; nothing when none does.
std::optional<double> NormalCalc(const WorkingValues& w, const Extremes& extremes, double f);

// X in data units from a grid result y (the lower limit guarded for code
// 26); nothing where the back-transformation has no finite value or, for
// the root- and square-normal codes, y is negative (no X has that root or
// square: the law passes f below the lowest X it can take).
std::optional<double> NormalBackTransform(const WorkingValues& w, double y, Limit limit);

}  // namespace quarlin
