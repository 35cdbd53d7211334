#include "engine/analysis/report_analysis.h"

#include <cmath>

#include "engine/analysis/confidence_belt.h"
#include "engine/model/kernels.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

constexpr double kTopPercent = 99.99;

long double MedianOf(const Sample& sample) {
  const int N = sample.N;
  const long double lowMiddle = DataUnits(sample.X[(N + 1) / 2], sample.C, sample.HighShift);
  if (N % 2 == 1) return lowMiddle;
  return (lowMiddle + DataUnits(sample.X[N / 2 + 1], sample.C, sample.HighShift)) / 2;
}

}  // namespace

int XDecimals(long double largestX) {
  if (largestX < 1) return 4;
  if (largestX < 10) return 3;
  if (largestX < 100) return 2;
  if (largestX < 500) return 1;
  return 0;
}

int IntervalDecimals(double lastClassLimit) {
  if (lastClassLimit > 1000) return 0;
  if (lastClassLimit > 100) return 1;
  if (lastClassLimit > 10) return 2;
  return 3;
}

std::vector<ObservationRow> ObservationBelt(std::span<const long double> Fc,
                                            std::span<const long double> Fcalc, int N) {
  std::vector<ObservationRow> rows(N);
  double previousLower = 0.001, previousUpper = 0.999;
  for (int i = 1; i <= N; ++i) {
    ObservationRow& row = rows[i - 1];
    row.Fo = std::min(static_cast<double>(100 * Fc[i]), kTopPercent);
    row.Fk = static_cast<double>(100 * Fcalc[i]);
    if (row.Fk <= 0) row.Fk = 0.5 * row.Fo;
    if (row.Fk > kTopPercent) row.Fk = kTopPercent;
    row.SdFc = 100 * BinomialSd(row.Fk / 100, N);

    const BeltLimits belt = BeltAround(row.Fk, row.SdFc, 100);
    double lower = belt.lower;
    if (lower <= 0) lower = 0.0001;
    if (lower < previousLower) lower = previousLower;
    if (lower > kTopPercent) lower = kTopPercent;
    double upper = belt.upper;
    if (upper < previousUpper) upper = previousUpper;
    if (1.00001 * row.Fk >= upper) upper = kTopPercent;
    row.Lower = previousLower = lower;
    row.Upper = previousUpper = upper;
  }
  return rows;
}

ReturnPeriodRow ReturnPeriodOf(long double Fc, long double Fcalc, int N) {
  constexpr double kTop = 0.9999;
  const double Fo = static_cast<double>(Fc);
  double Fk = static_cast<double>(Fcalc);
  if (Fk <= 0) Fk = 0.5 * Fo;
  if (Fk > kTop) Fk = kTop;
  const double s = BinomialSd(Fk, N);
  ReturnPeriodRow row;
  row.To = 1 / (1 - Fo);
  row.Tk = 1 / (1 - Fk);
  const BeltLimits belt = BeltAround(Fk, s, 1);
  double Lf = belt.lower;
  if (Lf <= 0) Lf = 0.001;
  double Uf = belt.upper;
  if (Uf > kTop) Uf = kTop;
  // The belt of a return period is skewed: it widens far more upwards.
  const double width = 1 / (1 - Uf) - 1 / (1 - Lf);
  row.lower = row.Tk - kReturnPeriodShareBelow * width;
  row.upper = row.Tk + kReturnPeriodShareAbove * width;
  if (Fk < 0.6)
    row.decimals = 2;
  else if (Fk < 0.99 && Uf < 0.99)
    row.decimals = 1;
  else
    row.decimals = 0;
  return row;
}

double ReturnPeriodAvAbsDiff(std::span<const long double> Fc, std::span<const long double> Fcalc,
                             int N) {
  long double sum = 0;
  for (int i = 1; i <= N; ++i) {
    const long double F = std::min(Fcalc[i], 0.99999L);
    sum += std::fabs(1 / (1 - Fc[i]) - 1 / (1 - F));
  }
  return static_cast<double>(sum / N);
}

double EfficiencyR2(std::span<const long double> Fc, std::span<const long double> Fcalc, int N) {
  long double sum = 0;
  for (int i = 1; i <= N; ++i) sum += Fc[i];
  const long double mean = sum / N;
  long double SStot = 0;
  for (int i = 1; i <= N; ++i) SStot += (Fc[i] - mean) * (Fc[i] - mean);
  return static_cast<double>(1 - SumOfSquares(Fc, Fcalc, N) / SStot);
}

SummaryStatistics SummaryOf(const Sample& sample, const ClassTable& classes) {
  SummaryStatistics summary;
  if (classes.NrClasses > 0)
    summary.decimals = IntervalDecimals(classes.ClassLimit[classes.NrClasses]);
  if (sample.N < 1) return summary;
  LineFit line;
  line.meanX = static_cast<double>(sample.X[1]);  // kept when the data have no spread
  RegressAll(sample.X, sample.Fc, sample.N, line);
  summary.average = static_cast<double>(DataUnits(line.meanX, sample.C, sample.HighShift));
  summary.median = static_cast<double>(MedianOf(sample));
  summary.stdev = line.SDx;
  return summary;
}

std::vector<IntervalRow> IntervalRows(const ClassTable& classes, int N, double C, bool HighShift) {
  const int NC = classes.NrClasses;
  if (NC < kMinClasses) return {};
  std::vector<double> limit(NC + 2);
  for (int k = 0; k <= NC + 1; ++k)
    limit[k] = static_cast<double>(DataUnits(classes.ClassLimit[k], C, HighShift));
  std::vector<double> F = classes.ClassFcalc;

  std::vector<IntervalRow> rows;
  rows.reserve(NC + 2);
  double carried = 0;
  IntervalRow first{limit[0] - 0.5 * (limit[1] - limit[0]), limit[0], 0, 100 * F[0]};
  if (first.calculated < 0) {
    carried = first.calculated;
    first.calculated = 0;
  }
  rows.push_back(first);
  double counted = 0;
  for (int k = 1; k <= NC; ++k) {
    if (F[k] > 1) F[k] = 1;
    rows.push_back({limit[k - 1], limit[k], 100 * classes.ClassCount[k - 1] / N,
                    100 * (F[k] - F[k - 1]) + carried});
    carried = 0;
    counted += classes.ClassCount[k - 1];
  }
  const double above = 100 * (1 - F[NC]);
  rows.push_back({limit[NC], limit[NC] + 1.5 * (limit[NC - 1] - limit[NC - 2]),
                  100 * (N - counted) / N, above < 0 ? 0 : above});
  return rows;
}

ReportNumbers ComputeReportNumbers(const Sample& sample, std::span<const long double> Fcalc,
                                   const ClassTable& classes) {
  ReportNumbers numbers;
  const int N = sample.N;
  if (N < 1) return numbers;
  numbers.dX = XDecimals(DataUnits(sample.X[N], sample.C, sample.HighShift));
  numbers.summary = SummaryOf(sample, classes);
  numbers.intervals = IntervalRows(classes, N, sample.C, sample.HighShift);
  numbers.observations = ObservationBelt(sample.Fc, Fcalc, N);
  numbers.returnPeriods.reserve(N);
  for (int i = 1; i <= N; ++i) {
    const long double X = DataUnits(sample.X[i], sample.C, sample.HighShift);
    numbers.observations[i - 1].X = X;
    numbers.observations[i - 1].serial = sample.SerialOf[i];
    ReturnPeriodRow row = ReturnPeriodOf(sample.Fc[i], Fcalc[i], N);
    row.X = X;
    row.serial = sample.SerialOf[i];
    numbers.returnPeriods.push_back(row);
  }
  numbers.AvAbsDiff = AvAbsDiff(SumOfAbsolute(sample.Fc, Fcalc, N), N);
  numbers.R2 = EfficiencyR2(sample.Fc, Fcalc, N);
  numbers.returnPeriodAvAbsDiff = ReturnPeriodAvAbsDiff(sample.Fc, Fcalc, N);
  return numbers;
}

}  // namespace quarlin
