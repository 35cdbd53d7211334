#pragma once
// The numbers the report prints below the formula: the confidence belt of
// the calculated frequencies, the goodness of fit, the return periods, the
// summary statistics and the interval table.

#include <span>

#include "engine/analysis/interval_evaluation.h"
#include "engine/analysis/report_numbers.h"
#include "engine/model/sample.h"

namespace quarlin {

// Decimals of X in the observation, return-period and X-limit tables, from
// the largest ranked value in data units.
int XDecimals(long double largestX);

// Decimals of the summary line and the interval table, from the last class
// limit in the engine variable.
int IntervalDecimals(double lastClassLimit);

// The 90% belt per rank: Fo, Fk, SdFc, Lower and Upper in per cent (X and
// serial are left to the caller). Fc and Fcalc are fractions at 1..N.
std::vector<ObservationRow> ObservationBelt(std::span<const long double> Fc,
                                            std::span<const long double> Fcalc, int N);

// Observed and calculated return period of one rank with its 90% limits and
// the decimals they are printed with (X and serial are left to the caller).
ReturnPeriodRow ReturnPeriodOf(long double Fc, long double Fcalc, int N);

// Mean absolute difference of observed and calculated return periods.
double ReturnPeriodAvAbsDiff(std::span<const long double> Fc, std::span<const long double> Fcalc,
                             int N);

// Efficiency coefficient of calculated against observed frequencies.
double EfficiencyR2(std::span<const long double> Fc, std::span<const long double> Fcalc, int N);

// Average, median and standard deviation of X in data units.
SummaryStatistics SummaryOf(const Sample& sample, const ClassTable& classes);

// NC + 2 rows, limits in data units; the first row's negative calculated
// value is shown as 0 and taken off the next row.
std::vector<IntervalRow> IntervalRows(const ClassTable& classes, int N, double C, bool HighShift);

// Everything together. `sample` holds the data as the interval count left
// them (ClassTable::values); `Fcalc` is the point evaluation.
ReportNumbers ComputeReportNumbers(const Sample& sample, std::span<const long double> Fcalc,
                                   const ClassTable& classes);

}  // namespace quarlin
