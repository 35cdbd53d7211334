#pragma once
// What the input file does to the values it stores, and whether the report
// can show the stored values at all. The input file keeps two decimals from
// 1 upwards and two significant digits below 1 (DataLine); the report
// prints X with the decimals XDecimals gives for the largest value.

#include <optional>
#include <string>
#include <vector>

namespace quarlin {

// How far the stored values are from the entered ones.
struct ReductionEffect {
  int distinctEntered = 0;
  int distinctStored = 0;
  long double largestMove = 0;  // the largest |stored - entered|
  long double range = 0;        // largest minus smallest entered value
};

ReductionEffect ReductionEffectOf(const std::vector<long double>& entered);

// The reduction changes the data materially when entered values that
// differ are stored as one, or when a value moves by more than 0.1% of the
// range of the data.
bool ChangesMaterially(const ReductionEffect& effect);

// The warning for a material change; nullopt when there is none.
std::optional<std::string> ReductionWarning(const std::vector<long double>& entered);

// The refusal of values the report cannot tell apart: from the smallest to
// the largest stored value (a zero counting as the 0.001 a run takes for
// it) they span fewer than ten steps of the last decimal the report prints
// X with. The X column would then show at most eleven different numbers,
// and the interval table's class limits, printed with at most one decimal
// fewer, no two different ones. nullopt when the report can show them, and
// for values that are all equal (a run stops on those for no variation).
std::optional<std::string> IndistinctValuesRefusal(const std::vector<long double>& entered);

}  // namespace quarlin
