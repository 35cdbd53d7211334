#include "engine/analysis/x_confidence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "engine/analysis/observation_table.h"
#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

using testing::HastingsOracle;

// A row as the report lays it out: the serial column, then Fo, Fk, SdFc and
// Lower with two decimals and Upper with three.
std::string TableRow(double X, int dX, int serial, double Fo, double Fk, double Sd, double Lower,
                     double Upper) {
  const std::string gap = serial < 10 ? "  " : serial < 100 ? " " : "";
  return Fix(X, 8, dX) + "      " + Int(serial) + gap + Fix(Fo, 10, 2) + Fix(Fk, 10, 2) +
         Fix(Sd, 10, 2) + Fix(Lower, 10, 2) + Fix(Upper, 10, 3);
}

std::vector<std::string> Table(const std::vector<std::string>& rows) {
  std::vector<std::string> lines{
      " Observed and calculated cumulative frequencies",
      " ------------------------------------------------------------------",
      "   X-value   Serial    Cumulative frequency (%)       90%conf limit",
      "   Ranked     No.      Rank      Calc.    St.Dev     Lower    Upper",
      " ------------------------------------------------------------------"};
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.push_back(" ------------------------------------------------------------------");
  return lines;
}

TEST(ObservationTableTest, ReadsTheRowsBelowTheLandmark) {
  const auto lines = Table({TableRow(-1.25, 3, 7, 25, 24.5, 8.1, 12.25, 40.125),
                            TableRow(3.5, 3, 42, 50, 51, 9, 30, 70.5) + "\r",
                            TableRow(1234.5, 3, 123, 75, 74.99, 8.5, 55.5, 99.99)});
  const auto rows = ParseObservationTable(lines, 3);
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 3u);
  EXPECT_DOUBLE_EQ(static_cast<double>((*rows)[0].X), -1.25);
  EXPECT_EQ((*rows)[0].serial, 7);
  EXPECT_DOUBLE_EQ((*rows)[0].Fo, 25);
  EXPECT_DOUBLE_EQ((*rows)[0].Fk, 24.5);
  EXPECT_DOUBLE_EQ((*rows)[0].SdFc, 8.1);
  EXPECT_DOUBLE_EQ((*rows)[0].Lower, 12.25);
  EXPECT_DOUBLE_EQ((*rows)[0].Upper, 40.125);
  EXPECT_EQ((*rows)[1].serial, 42);
  EXPECT_EQ((*rows)[2].serial, 123);
  EXPECT_DOUBLE_EQ(static_cast<double>((*rows)[2].X), 1234.5);
  EXPECT_DOUBLE_EQ((*rows)[2].Upper, 99.99);
}

TEST(ObservationTableTest, RefusesWhatIsNotATable) {
  const std::string good = TableRow(1, 3, 1, 50, 50, 5, 41.5, 58.5);
  EXPECT_FALSE(ParseObservationTable(Table({good}), 2).has_value());  // short
  std::vector<std::string> noLandmark = Table({good});
  noLandmark[0] = " Table of observed and calculated cumulative frequencies";
  EXPECT_FALSE(ParseObservationTable(noLandmark, 1).has_value());
  EXPECT_FALSE(ParseObservationTable(Table({good.substr(0, 40)}), 1).has_value());
  EXPECT_FALSE(
      ParseObservationTable(Table({"   1.000      1     50.00       NAN"}), 1).has_value());
  EXPECT_FALSE(ParseObservationTable(Table({"   1,500      1  50.00 50.00 5.00 41.50 58.500"}), 1)
                   .has_value());
}

// Gumbel: F = exp(-exp(-(A*Y + B))), Y = (-ln(-ln F) - B)/A.
constexpr double kA = 0.8, kB = -2;
long double GumbelF(long double Y) {
  return std::exp(-std::exp(-(kA * Y + kB)));
}
long double GumbelY(long double F, double A = kA, double B = kB) {
  return (-std::log(-std::log(F)) - B) / A;
}

ObservationRow Row(long double X, double Fk, double Lower, double Upper, int serial = 1) {
  return ObservationRow{X, serial, 0, Fk, 0, Lower, Upper};
}

struct ShiftCase {
  std::string label;
  Shift shift;
  long double engineToData;  // added to Y to give data units
};

class GumbelInversionTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(GumbelInversionTest, CalculatedXComesBackInDataUnits) {
  const ShiftCase& c = GetParam();
  std::vector<ObservationRow> rows;
  for (long double Y : {1.0L, 2.5L, 4.0L, 6.0L}) {
    const double F = static_cast<double>(100 * GumbelF(Y));
    rows.push_back(Row(Y + c.engineToData, F, 0.8 * F, std::min(1.1 * F, 99.0)));
  }
  const XConfidence x = ComputeXConfidence(rows, 4, testing::Line(kA, kB), c.shift);
  ASSERT_EQ(x.rows.size(), 4u);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NEAR(x.rows[i].CalcX, static_cast<double>(rows[i].X), 1e-9) << i;
    EXPECT_NEAR(x.rows[i].LowerX, GumbelY(rows[i].Lower / 100) + c.engineToData, 1e-9) << i;
    EXPECT_NEAR(x.rows[i].UpperX, GumbelY(rows[i].Upper / 100) + c.engineToData, 1e-9) << i;
  }
  EXPECT_EQ(x.smallestDatumNegative, c.shift.C < 0);
  EXPECT_DOUBLE_EQ(x.RX, 0.99999);  // X and CalcX agree only in the same units
}

INSTANTIATE_TEST_SUITE_P(XConfidence, GumbelInversionTest,
                         ::testing::Values(ShiftCase{"PositiveData", {0.0001, false}, 0},
                                           ShiftCase{"NegativeMinimum", {-2, false}, -2.0001L},
                                           ShiftCase{"LeftShift", {0.75, true}, 0.75}),
                         [](const auto& info) { return info.param.label; });

TEST(XConfidenceTest, PrintedEndsAreReplacedInsideTheRange) {
  const std::vector<ObservationRow> rows{Row(5, 100, 0, 100)};
  const XConfidence x = ComputeXConfidence(rows, 4, testing::Line(kA, kB), {0.0001, false});
  EXPECT_NEAR(x.rows[0].CalcX, GumbelY(0.9998L), 1e-9);
  EXPECT_NEAR(x.rows[0].LowerX, GumbelY(0.0003L), 1e-9);
  EXPECT_NEAR(x.rows[0].UpperX, GumbelY(0.9999L), 1e-9);
  const std::vector<ObservationRow> low{Row(5, 0, 100, 0)};
  const XConfidence y = ComputeXConfidence(low, 4, testing::Line(kA, kB), {0.0001, false});
  EXPECT_NEAR(y.rows[0].CalcX, GumbelY(0.0002L), 1e-9);
  EXPECT_NEAR(y.rows[0].LowerX, GumbelY(0.9997L), 1e-9);
  EXPECT_NEAR(y.rows[0].UpperX, GumbelY(0.0001L), 1e-9);
}

TEST(XConfidenceTest, VanishingSlopeIsKeptFinite) {
  const std::vector<ObservationRow> rows{Row(5, 60, 40, 80)};
  const XConfidence x = ComputeXConfidence(rows, 4, testing::Line(0, kB), {0.0001, false});
  EXPECT_NEAR(x.rows[0].CalcX / GumbelY(0.6L, 1e-13, kB), 1.0, 1e-12);
}

TEST(XConfidenceTest, LimitsNeverFallBackDownTheTable) {
  const std::vector<ObservationRow> rows{Row(2, 40, 30, 80), Row(3, 50, 20, 70)};
  const XConfidence x = ComputeXConfidence(rows, 4, testing::Line(kA, kB), {0.0001, false});
  EXPECT_DOUBLE_EQ(x.rows[1].LowerX, x.rows[0].LowerX);
  EXPECT_DOUBLE_EQ(x.rows[1].UpperX, x.rows[0].UpperX);
  EXPECT_NEAR(x.rows[1].CalcX, GumbelY(0.5L), 1e-9);
}

TEST(XConfidenceTest, CompositeMemberFollowsTheRank) {
  FittedParams p;
  p.composite = {.As = 1, .Bs = 0, .Ag = 0.5, .Bg = -1, .P = 100, .K = 1};
  const std::vector<ObservationRow> rows{Row(1, 30, 20, 40), Row(2, 60, 50, 70)};
  const XConfidence x = ComputeXConfidence(rows, 9, p, {0.0001, false});
  EXPECT_NEAR(x.rows[0].CalcX, GumbelY(0.3L, 1, 0), 1e-9);
  EXPECT_NEAR(x.rows[1].CalcX, GumbelY(0.6L, 0.5, -1), 1e-9);
}

TEST(XConfidenceTest, WithoutAnInverseTheObservationStandsIn) {
  const std::vector<ObservationRow> rows{Row(2, 40, 30, 50), Row(3, 60, 50, 70)};
  const XConfidence positive = ComputeXConfidence(rows, 0, FittedParams{}, {0.0001, false});
  EXPECT_DOUBLE_EQ(positive.rows[0].CalcX, 2);
  EXPECT_DOUBLE_EQ(positive.rows[0].UpperX, 2);
  EXPECT_DOUBLE_EQ(positive.rows[1].UpperX, 3);
  EXPECT_DOUBLE_EQ(positive.rows[0].LowerX, 0);
  const XConfidence negative = ComputeXConfidence(rows, 0, FittedParams{}, {-1.5, false});
  EXPECT_DOUBLE_EQ(negative.rows[1].LowerX, 1.1 * -1.5);
}

TEST(XConfidenceTest, GammaTakesABandAroundTheObservation) {
  const std::vector<ObservationRow> rows{Row(-3, 40, 30, 50), Row(2, 60, 50, 70)};
  const XConfidence x = ComputeXConfidence(rows, 61, FittedParams{}, {-3, false});
  EXPECT_DOUBLE_EQ(x.rows[0].CalcX, -3);
  EXPECT_DOUBLE_EQ(x.rows[0].LowerX, -3.3);
  EXPECT_DOUBLE_EQ(x.rows[0].UpperX, -2.7);
  EXPECT_DOUBLE_EQ(x.rows[1].LowerX, 0.9 * 2);
  EXPECT_DOUBLE_EQ(x.rows[1].UpperX, 1.1 * 2);
}

TEST(XConfidenceTest, DecimalsFromTheLargestPrintedValue) {
  const std::vector<ObservationRow> rows{Row(0.2L, 40, 30, 50), Row(250, 60, 50, 70)};
  EXPECT_EQ(ComputeXConfidence(rows, 0, FittedParams{}, {0.0001, false}).dX, 1);
}

std::vector<ObservationRow> RowsFrom(const std::vector<long double>& X) {
  std::vector<ObservationRow> rows;
  for (long double v : X) rows.push_back(Row(v, 50, 40, 60));
  return rows;
}

TEST(NormalGridTest, TopWidensThePrintedRangeInTheMembersVariable) {
  const auto rows = RowsFrom({5, 8, 15});
  EXPECT_DOUBLE_EQ(NormalGridTop(20, rows, 1, {0.0001, false}), 15.5);
  EXPECT_DOUBLE_EQ(NormalGridTop(22, rows, 1, {0.0001, false}), std::log(15.5));
  EXPECT_DOUBLE_EQ(NormalGridTop(24, rows, 1, {0.0001, false}), std::sqrt(15.5));
  EXPECT_DOUBLE_EQ(NormalGridTop(25, rows, 1, {0.0001, false}), 15.5 * 15.5);
  EXPECT_NEAR(NormalGridTop(26, rows, 0.5, {0.0001, false}), std::sqrt(15.5), 1e-12);
  // Negative data: the range is taken in the engine variable (data + 3.0001).
  EXPECT_NEAR(NormalGridTop(20, RowsFrom({-3, 7}), 1, {-3, false}), 10.0001 + 0.5, 1e-9);
}

TEST(NormalGridTest, FirstGridPointAboveTheTarget) {
  const NormalParams p{.M = 10, .S = 2};
  const double top = 15.5, step = top / 1000;
  const long double target = HastingsOracle(1.0L);  // at x = 12
  const auto Y = NormalGridInverse(20, target, p, top);
  ASSERT_TRUE(Y.has_value());
  EXPECT_GT(HastingsOracle((*Y - 10) / 2), target);
  EXPECT_LE(HastingsOracle((*Y - step - 10) / 2), target);
  EXPECT_NEAR(static_cast<double>(*Y), 12, step);
}

TEST(NormalGridTest, BackTransformOfTheLogarithm) {
  const NormalParams p{.M = std::log(10.0), .S = 0.3};
  const double top = std::log(15.5);
  const long double target = HastingsOracle((std::log(12.0L) - p.M) / p.S);
  const auto Y = NormalGridInverse(22, target, p, top);
  ASSERT_TRUE(Y.has_value());
  EXPECT_NEAR(static_cast<double>(std::log(*Y)), std::log(12.0), top / 1000);
}

TEST(NormalGridTest, BeyondTheGridAndNonPositiveResults) {
  const auto Y = NormalGridInverse(20, 0.5L, NormalParams{.M = 1000, .S = 1}, 15.5);
  ASSERT_TRUE(Y.has_value());
  EXPECT_DOUBLE_EQ(static_cast<double>(*Y), 155);
  EXPECT_FALSE(NormalGridInverse(20, 0.5L, NormalParams{.M = 0, .S = 1}, -1).has_value());
}

TEST(NormalGridTest, ConfidenceOfANormalSample) {
  const NormalParams p{.M = 10, .S = 2};
  std::vector<ObservationRow> rows;
  for (double X : {7.0, 9.0, 10.5, 13.0}) {
    const double F = static_cast<double>(100 * HastingsOracle((X - 10) / 2));
    rows.push_back(Row(X, F, 0.9 * F, std::min(1.1 * F, 99.0)));
  }
  FittedParams params;
  params.normal = p;
  const XConfidence x = ComputeXConfidence(rows, 20, params, {0.0001, false});
  const double step = 13.3 / 1000;
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_NEAR(x.rows[i].CalcX, static_cast<double>(rows[i].X), step) << i;
  EXPECT_GT(x.RX, 0.999);
}

struct PrintCase {
  double CalcX, LowerX, UpperX;
  bool negativeData;
  double printedLower, printedUpper;
};

class PrintedLimitsTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintedLimitsTest, AdjustedForTheTable) {
  const PrintCase& c = GetParam();
  const PrintedXLimits p =
      XLimitsAsPrinted(XLimitRow{0, 1, c.CalcX, c.LowerX, c.UpperX}, c.negativeData);
  EXPECT_DOUBLE_EQ(p.LowerX, c.printedLower);
  EXPECT_DOUBLE_EQ(p.UpperX, c.printedUpper);
}

INSTANTIATE_TEST_SUITE_P(XConfidence, PrintedLimitsTest,
                         ::testing::Values(PrintCase{5, 4, 6, false, 4, 6},
                                           PrintCase{5, -1, 6, false, 0, 6},
                                           PrintCase{5, -1, 6, true, -1, 6},
                                           PrintCase{5, 4, 5, false, 4, 5.05},
                                           PrintCase{5, 4, 3, false, 4, 5.05},
                                           PrintCase{-2, -3, -2.5, true, -3, -1.98}));

TEST(EfficiencyRXTest, CalculatedAgainstObserved) {
  const auto rows = [](std::vector<double> calc) {
    std::vector<XLimitRow> r;
    for (size_t i = 0; i < calc.size(); ++i)
      r.push_back({static_cast<long double>(i + 1), 1, calc[i]});
    return r;
  };
  EXPECT_DOUBLE_EQ(EfficiencyRX(rows({1, 2, 3})), 0.99999);
  EXPECT_NEAR(EfficiencyRX(rows({1.1, 2, 2.9})), std::sqrt(1 - 0.02 / 2), 1e-12);
  EXPECT_EQ(EfficiencyRX(rows({3, 2, 1})), 0);
  std::vector<XLimitRow> equal{{4, 1, 3}, {4, 2, 5}};
  EXPECT_EQ(EfficiencyRX(equal), 0);
}

}  // namespace
}  // namespace quarlin
