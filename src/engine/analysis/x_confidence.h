#pragma once
// Confidence limits of the calculated X values: the printed calculated
// frequency and its 90% belt of every observation taken back through the
// inverse of the chosen distribution, and the efficiency coefficient of the
// calculated against the observed values.

#include <optional>
#include <span>

#include "engine/analysis/report_numbers.h"
#include "engine/model/fitted_params.h"
#include "engine/model/shift_units.h"

namespace quarlin {

// How the data were moved before the fit: C and HighShift of the sample.
struct Shift {
  double C = static_cast<double>(kPositiveShift);
  bool HighShift = false;
};

// From the rows as the report printed them (X in data units, frequencies in
// per cent). CalcX, LowerX and UpperX are in data units; Lower and Upper
// never decrease down the table.
XConfidence ComputeXConfidence(std::span<const ObservationRow> rows, int code,
                               const FittedParams& params, Shift shift);

// The upper end of the normal family's search grid in the member's variable:
// the range of the printed X (engine variable) widened by 5% upwards.
double NormalGridTop(int code, std::span<const ObservationRow> rows, double E, Shift shift);

// Y of the normal member with F(Y) first above `F` on the grid
// x = a*top/1000, a = 1..10000 (10*top when none is); nothing when Y would
// not be positive.
std::optional<long double> NormalGridInverse(int code, long double F, const NormalParams& p,
                                             double top);

// The limits as the table prints them: a negative LowerX is 0 unless the
// smallest datum is negative, and an UpperX not above CalcX lies 1% of
// |CalcX| above it.
struct PrintedXLimits {
  double LowerX = 0, UpperX = 0;
};
PrintedXLimits XLimitsAsPrinted(const XLimitRow& row, bool smallestDatumNegative);

// Efficiency coefficient R of CalcX against X; 0 when there is no fit at
// all, at most 0.99999.
double EfficiencyRX(std::span<const XLimitRow> rows);

}  // namespace quarlin
