#pragma once
// The calculator's two directions as pure functions of the working values
// and the data: F, T and their 90% limits from X (CalcFrequent), and X with
// its limits from F (CalcVal).

#include <optional>
#include <string>
#include <vector>

#include "calculator/working_values.h"

namespace quarlin {

struct FrequencyLimits {
  double lower = 0;  // Fl
  double upper = 0;  // Fu
};

// s = sqrt(F·(1 - F)·N)/N; Fu = F + 3.4·s·(1 - F) at most 1, Fl = F - 3.4·s·F
// at least 0.
FrequencyLimits LimitsOf(double F, int N);

struct ForwardResult {
  double F = 0;
  double T = 0;
  FrequencyLimits limits;
  double TLower = 0;
  double TUpper = 0;
};

// A report whose data were shifted to the left (all below 0.0004) carries
// 0.75 times its smallest value as the shift; every other report 0.0001
// (positive data) or its negative minimum.
bool IsLeftShifted(double shift);

// F at the value X typed, clamped into [1e-7, 0.9999999], with its limits,
// the return period T = 1/(1 - F) and the limits of T. Values that are not
// finite are left so; ResultText shows them as " n.a".
ForwardResult CalcFrequent(const WorkingValues& w, int N, double X);

struct InverseResult {
  std::optional<double> X;
  std::optional<double> XLower;  // X at Fl
  std::optional<double> XUpper;  // X at Fu
};

// X for 0 < F < 1 and at its frequency limits; `values` are the data (the
// normal family searches over their range). A missing value is " n.a".
InverseResult CalcVal(const WorkingValues& w, const std::vector<long double>& values, double F);

// A result as its box shows it: the shortest general form, or " n.a" for
// no value or one that is not finite.
std::string ResultText(std::optional<double> value);

}  // namespace quarlin
