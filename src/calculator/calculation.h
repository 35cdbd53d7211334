#pragma once
// The calculator's two directions as pure functions of the working values
// and the data: F, T and their 90% limits from X (CalcFrequent), and X with
// its limits from F (CalcVal).

#include <optional>
#include <string>
#include <vector>

#include "calculator/forward_table.h"
#include "calculator/working_values.h"

namespace quarlin {

struct FrequencyLimits {
  double lower = 0;  // Fl
  double upper = 0;  // Fu
};

// s = sqrt(F·(1 - F)·N)/N; Fu = F + 3.4·s·(1 - F) at most 1, Fl = F - 3.4·s·F
// at least 0.
FrequencyLimits LimitsOf(double F, int N);

// A return period lies between 1 and the one of the largest frequency the
// calculator gives, 0.9999999.
inline constexpr double kLargestReturnPeriod = 10000000;
double WithinReturnPeriods(double T);

struct ForwardResult {
  double F = 0;
  double T = 0;
  FrequencyLimits limits;
  double TLower = 0;
  double TUpper = 0;
  // X lies beyond an end of the fitted law's range: F is 0 (T 1) or 1 (T
  // at its cap), and so are their limits.
  Beyond beyond = Beyond::None;
  std::optional<double> bound;  // that end in data units, where it is finite
};

// A report whose data were shifted to the left (all below 0.0004) carries
// 0.75 times its smallest value as the shift; every other report 0.0001
// (positive data) or its negative minimum.
bool IsLeftShifted(double shift);

// F at the value X typed, clamped into [1e-7, 0.9999999] inside the law's
// range, with its limits, the return period T = 1/(1 - F) and the limits
// of T, every return period within [1, 10000000]. Values that are not
// finite are left so; ResultText shows them as " n.a".
ForwardResult CalcFrequent(const WorkingValues& w, int N, double X);

struct InverseResult {
  std::optional<double> X;
  std::optional<double> XLower;  // X at Fl
  std::optional<double> XUpper;  // X at Fu
};

// X for 0 < F < 1 and at its frequency limits; `values` are the data (the
// normal family's search covers their range too). A missing value is
// " n.a".
InverseResult CalcVal(const WorkingValues& w, const std::vector<long double>& values, double F);

// The end of the fitted law's range on `side` in data units: the inverse
// at a frequency of 0 or 1; nothing where that is not finite.
std::optional<double> FittedEnd(const WorkingValues& w, Beyond side);

// A result as its box shows it: the shortest general form, or " n.a" for
// no value or one that is not finite.
std::string ResultText(std::optional<double> value);

}  // namespace quarlin
