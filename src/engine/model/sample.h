#pragma once
// The ranked, shifted data that every fit reads and none writes.

#include <vector>

#include "engine/model/shift_units.h"

namespace quarlin {

struct Sample {
  int N = 0;
  // Index 0 carries nothing; data at 1..N, ascending, after the shift.
  std::vector<long double> X;
  // Plotting positions i/(N+1).
  std::vector<long double> Fc;
  // Serial number (position in the input file) of the datum at rank i.
  std::vector<int> SerialOf;
  // Shift constant: 0.0001 for positive data, the negative minimum when the
  // data were moved up, 0.75*X[1] after a left shift.
  double C = static_cast<double>(kPositiveShift);
  bool HighShift = false;
};

// Ranks `values` ascending (ties keep their order), numbers them 1..N in
// their given order as serials and gives rank i the plotting position
// i/(N+1). The values are taken as they are: no zero replacement, no shift.
Sample RankValues(const std::vector<long double>& values);

}  // namespace quarlin
