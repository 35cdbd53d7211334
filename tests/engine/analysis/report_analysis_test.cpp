#include "engine/analysis/report_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace quarlin {
namespace {

std::vector<long double> OneBased(std::vector<long double> values) {
  values.insert(values.begin(), 0.0L);
  return values;
}

std::vector<long double> Constant(int N, long double value) {
  std::vector<long double> v(N + 1, value);
  v[0] = 0;
  return v;
}

std::vector<long double> PlottingPositions(int N) {
  std::vector<long double> Fc(N + 1, 0.0L);
  for (int i = 1; i <= N; ++i) Fc[i] = static_cast<long double>(i) / (N + 1);
  return Fc;
}

// Data in data units, moved into the engine variable the way the engine
// reader moves them.
Sample ShiftedSample(std::vector<long double> data, double C, bool HighShift) {
  Sample s;
  s.N = static_cast<int>(data.size());
  s.C = C;
  s.HighShift = HighShift;
  s.X = OneBased(data);
  for (int i = 1; i <= s.N; ++i) {
    if (HighShift)
      s.X[i] -= C;
    else if (C < 0)
      s.X[i] = s.X[i] - C + 0.0001L;
  }
  s.Fc = PlottingPositions(s.N);
  s.SerialOf.assign(s.N + 1, 0);
  for (int i = 1; i <= s.N; ++i) s.SerialOf[i] = s.N + 1 - i;
  return s;
}

TEST(ObservationBeltTest, HalfWithAHundredData) {
  const auto rows = ObservationBelt(PlottingPositions(100), Constant(100, 0.5L), 100);
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_NEAR(rows[0].Fo, 100.0 / 101, 1e-12);
  EXPECT_DOUBLE_EQ(rows[0].Fk, 50);
  EXPECT_NEAR(rows[0].SdFc, 5.0, 1e-12);
  EXPECT_NEAR(rows[0].Lower, 41.5, 1e-12);
  EXPECT_NEAR(rows[0].Upper, 58.5, 1e-12);
}

TEST(ObservationBeltTest, ZeroCalculatedShowsHalfTheObserved) {
  const auto rows = ObservationBelt(PlottingPositions(4), OneBased({0, 0.3L, 0.6L, 0.9L}), 4);
  EXPECT_DOUBLE_EQ(rows[0].Fk, 10);  // Fo = 20
  EXPECT_DOUBLE_EQ(rows[1].Fk, 30);
}

TEST(ObservationBeltTest, LimitsNeverFallBack) {
  // The second row's own limits (about 33.3 and 50.0) lie below the first's
  // (41.5 and 58.5).
  auto Fcalc = Constant(100, 0.45L);
  Fcalc[1] = 0.5L;
  Fcalc[2] = 0.4L;
  const auto rows = ObservationBelt(PlottingPositions(100), Fcalc, 100);
  EXPECT_NEAR(rows[1].Lower, 41.5, 1e-12);
  EXPECT_NEAR(rows[1].Upper, 58.5, 1e-12);
  EXPECT_DOUBLE_EQ(rows[2].Lower, rows[1].Lower);
}

TEST(ObservationBeltTest, FirstLowerStartsFromItsFloor) {
  // With N = 2 the formula gives a negative lower limit: 0.0001 is raised to
  // the starting value 0.001.
  const auto rows = ObservationBelt(PlottingPositions(2), Constant(2, 0.5L), 2);
  EXPECT_DOUBLE_EQ(rows[0].Lower, 0.001);
}

TEST(ObservationBeltTest, UpperTooCloseToCalculatedBecomesTop) {
  // N = 2500, Fk = 99.9: Upper is only 0.0002 above Fk.
  const auto rows = ObservationBelt(PlottingPositions(2500), Constant(2500, 0.999L), 2500);
  EXPECT_DOUBLE_EQ(rows[0].Upper, 99.99);
  const auto wide = ObservationBelt(PlottingPositions(10), Constant(10, 0.999L), 10);
  EXPECT_LT(wide[0].Upper, 99.99);
}

TEST(ObservationBeltTest, ObservedAndCalculatedCapAtTop) {
  const auto rows = ObservationBelt(OneBased({0.99995L}), OneBased({1.0L}), 1);
  EXPECT_DOUBLE_EQ(rows[0].Fo, 99.99);
  EXPECT_DOUBLE_EQ(rows[0].Fk, 99.99);
}

TEST(ReturnPeriodTest, HalfWithAHundredData) {
  // s = 0.05, Lf = 0.415, Uf = 0.585.
  const ReturnPeriodRow row = ReturnPeriodOf(0.25L, 0.5L, 100);
  const double width = 1 / (1 - 0.585) - 1 / (1 - 0.415);
  EXPECT_NEAR(row.To, 4.0 / 3, 1e-12);
  EXPECT_NEAR(row.Tk, 2, 1e-12);
  EXPECT_NEAR(row.lower, 2 - 0.33 * width, 1e-12);
  EXPECT_NEAR(row.upper, 2 + 0.67 * width, 1e-12);
  EXPECT_EQ(row.decimals, 2);
}

TEST(ReturnPeriodTest, ZeroCalculatedTakesHalfTheObserved) {
  EXPECT_NEAR(ReturnPeriodOf(0.5L, 0.0L, 10).Tk, 1 / 0.75, 1e-12);
}

struct DecimalsCase {
  long double Fk;
  int N;
  int decimals;
};

class ReturnPeriodDecimalsTest : public ::testing::TestWithParam<DecimalsCase> {};

TEST_P(ReturnPeriodDecimalsTest, ByCalculatedAndUpperFrequency) {
  const DecimalsCase& c = GetParam();
  EXPECT_EQ(ReturnPeriodOf(0.5L, c.Fk, c.N).decimals, c.decimals);
}

INSTANTIATE_TEST_SUITE_P(Report, ReturnPeriodDecimalsTest,
                         ::testing::Values(DecimalsCase{0.59L, 20, 2},
                                           DecimalsCase{0.6L, 2500, 1},  // Uf about 0.61
                                           DecimalsCase{0.95L, 2500, 1},
                                           DecimalsCase{0.989L, 2500, 1},
                                           DecimalsCase{0.989L, 1, 0},  // Uf above 0.99
                                           DecimalsCase{0.995L, 2500, 0}));

TEST(ReturnPeriodTest, AverageDifferenceCapsTheCalculated) {
  // 1/(1 - 0.5) = 2 against 2.5; 1/(1 - 0.99999) = 100000 against 1/(1 - 0.75) = 4.
  const double d = ReturnPeriodAvAbsDiff(OneBased({0.5L, 0.75L}), OneBased({0.6L, 1.0L}), 2);
  EXPECT_NEAR(d, (0.5 + (100000.0 - 4)) / 2, 1e-6);
}

TEST(EfficiencyTest, FrequenciesAgainstTheirMean) {
  // Fc = 0.25, 0.5, 0.75: SStot = 0.125; SSres = 0.01 + 0 + 0.0025.
  const double R2 = EfficiencyR2(OneBased({0.25L, 0.5L, 0.75L}), OneBased({0.35L, 0.5L, 0.8L}), 3);
  EXPECT_NEAR(R2, 1 - 0.0125 / 0.125, 1e-12);
}

TEST(DecimalsTest, OfXAndOfIntervals) {
  const std::vector<std::pair<long double, int>> xCases{
      {-3, 4}, {0.5L, 4}, {1, 3}, {9.99L, 3}, {10, 2}, {99, 2}, {100, 1}, {250, 1}, {500, 0}};
  for (const auto& [X, d] : xCases) EXPECT_EQ(XDecimals(X), d) << static_cast<double>(X);
  const std::vector<std::pair<double, int>> iCases{{5, 3},     {10, 3},   {10.5, 2},  {100, 2},
                                                   {100.5, 1}, {1000, 1}, {1000.5, 0}};
  for (const auto& [limit, d] : iCases) EXPECT_EQ(IntervalDecimals(limit), d) << limit;
}

ClassTable HandTable() {
  ClassTable t;
  t.NrClasses = 3;
  t.ClassLimit = {1, 2, 3, 4.0002, 5};
  t.ClassCount = {2, 3, 4, 0};
  t.ClassFcalc = {-0.02, 0.3, 0.7, 1.2};
  return t;
}

TEST(IntervalRowsTest, NegativeFirstValueIsCarriedIntoTheNext) {
  const auto rows = IntervalRows(HandTable(), 10, 0.0001, false);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_DOUBLE_EQ(rows[0].lower, 0.5);
  EXPECT_DOUBLE_EQ(rows[0].upper, 1);
  EXPECT_EQ(rows[0].observed, 0);
  EXPECT_EQ(rows[0].calculated, 0);
  EXPECT_NEAR(rows[1].calculated, 32 - 2, 1e-12);
  EXPECT_DOUBLE_EQ(rows[1].observed, 20);
  EXPECT_NEAR(rows[2].calculated, 40, 1e-12);
  EXPECT_NEAR(rows[3].calculated, 30, 1e-12);  // 1.2 counts as 1
  EXPECT_DOUBLE_EQ(rows[3].upper, 4.0002);
  EXPECT_DOUBLE_EQ(rows[4].lower, 4.0002);
  EXPECT_DOUBLE_EQ(rows[4].upper, 4.0002 + 1.5);
  EXPECT_DOUBLE_EQ(rows[4].observed, 10);
  EXPECT_EQ(rows[4].calculated, 0);
}

TEST(IntervalRowsTest, LimitsInDataUnitsWhateverTheShift) {
  // Negative minimum -3: engine values are data + 3.0001. Left shift by 2.5:
  // engine values are data - 2.5.
  const auto negative = IntervalRows(HandTable(), 10, -3, false);
  EXPECT_NEAR(negative[1].lower, 1 - 3.0001, 1e-12);
  const auto left = IntervalRows(HandTable(), 10, 2.5, true);
  EXPECT_NEAR(left[1].lower, 3.5, 1e-12);
  EXPECT_NEAR(left[4].upper, 4.0002 + 2.5 + 1.5, 1e-12);
}

TEST(IntervalRowsTest, NoRowsWithoutClasses) {
  EXPECT_TRUE(IntervalRows(ClassTable{}, 10, 0.0001, false).empty());
}

double SampleSd(const std::vector<long double>& data) {
  const long double mean = std::accumulate(data.begin(), data.end(), 0.0L) / data.size();
  long double sum = 0;
  for (long double v : data) sum += (v - mean) * (v - mean);
  return static_cast<double>(std::sqrt(sum / (data.size() - 1)));
}

TEST(SummaryTest, MedianOfOddAndEvenCounts) {
  const std::vector<long double> seven{1, 2, 4, 8, 16, 32, 64};
  const SummaryStatistics odd = SummaryOf(ShiftedSample(seven, 0.0001, false), HandTable());
  EXPECT_DOUBLE_EQ(odd.median, 8);
  EXPECT_DOUBLE_EQ(odd.average, 127.0 / 7);
  EXPECT_NEAR(odd.stdev, SampleSd(seven), 1e-12);
  const std::vector<long double> eight{1, 2, 4, 8, 16, 32, 64, 128};
  EXPECT_DOUBLE_EQ(SummaryOf(ShiftedSample(eight, 0.0001, false), HandTable()).median, 12);
}

TEST(SummaryTest, DataUnitsAfterEitherShift) {
  const std::vector<long double> negative{-1.6L, -1, 0.5L, 2, 3.5L};
  const SummaryStatistics n = SummaryOf(ShiftedSample(negative, -1.6, false), HandTable());
  EXPECT_NEAR(n.average, 3.4 / 5, 1e-12);
  EXPECT_NEAR(n.median, 0.5, 1e-12);
  EXPECT_NEAR(n.stdev, SampleSd(negative), 1e-12);
  const std::vector<long double> high{0.0001L, 0.00011L, 0.00012L, 0.00014L};
  const SummaryStatistics h = SummaryOf(ShiftedSample(high, 0.75 * 0.0001, true), HandTable());
  EXPECT_NEAR(h.average, 0.0001175, 1e-15);
  EXPECT_NEAR(h.median, 0.000115, 1e-15);
}

TEST(SummaryTest, DecimalsFromTheLastLimit) {
  ClassTable t = HandTable();
  t.ClassLimit[3] = 250;
  EXPECT_EQ(SummaryOf(ShiftedSample({1, 2, 3}, 0.0001, false), t).decimals, 1);
}

TEST(ReportNumbersTest, NegativeDataPrintInDataUnits) {
  const Sample s = ShiftedSample({-1.6L, -1, 0.5L}, -1.6, false);
  const auto Fcalc = OneBased({0.2L, 0.5L, 0.8L});
  const ReportNumbers r = ComputeReportNumbers(s, Fcalc, HandTable());
  ASSERT_EQ(r.observations.size(), 3u);
  EXPECT_NEAR(static_cast<double>(r.observations[0].X), -1.6, 1e-12);
  EXPECT_NEAR(static_cast<double>(r.returnPeriods[0].X), -1.6, 1e-12);
  EXPECT_NEAR(static_cast<double>(r.observations[2].X), 0.5, 1e-12);
  EXPECT_EQ(r.observations[0].serial, 3);
  EXPECT_EQ(r.returnPeriods[2].serial, 1);
  EXPECT_EQ(r.dX, 4);
  // |0.2 - 0.25| + |0.5 - 0.5| + |0.8 - 0.75| over 3, in per cent.
  EXPECT_NEAR(r.AvAbsDiff, 10.0 / 3, 1e-9);
  EXPECT_NEAR(r.R2, 1 - 0.005 / 0.125, 1e-12);
  EXPECT_EQ(r.intervals.size(), 5u);
}

TEST(ReportNumbersTest, LeftShiftPrintsTheDataThemselves) {
  const std::vector<long double> data{0.0001L, 0.00011L, 0.00012L, 0.00014L};
  const Sample s = ShiftedSample(data, 0.75 * 0.0001, true);
  const ReportNumbers r = ComputeReportNumbers(s, OneBased({0.2L, 0.4L, 0.6L, 0.8L}), HandTable());
  for (size_t i = 0; i < data.size(); ++i)
    EXPECT_NEAR(static_cast<double>(r.observations[i].X), static_cast<double>(data[i]), 1e-15);
}

TEST(ReportNumbersTest, DecimalsOfXFromTheLargestPrintedValue) {
  const auto Fcalc = OneBased({0.3L, 0.7L});
  EXPECT_EQ(ComputeReportNumbers(ShiftedSample({100, 250}, 0.0001, false), Fcalc, HandTable()).dX,
            1);
  EXPECT_EQ(ComputeReportNumbers(ShiftedSample({0.1L, 0.5L}, 0.0001, false), Fcalc, HandTable()).dX,
            4);
  // Engine values up to 3.5001 would give three decimals; the data, up to
  // 0.5, give four.
  EXPECT_EQ(ComputeReportNumbers(ShiftedSample({-3, 0.5L}, -3, false), Fcalc, HandTable()).dX, 4);
}

}  // namespace
}  // namespace quarlin
