#include "engine/analysis/interval_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

using testing::HastingsOracle;

Sample SampleOf(std::vector<long double> X) {
  Sample s;
  s.N = static_cast<int>(X.size());
  X.insert(X.begin(), 0.0L);
  s.X = X;
  s.Fc.assign(s.N + 1, 0.0L);
  s.SerialOf.assign(s.N + 1, 0);
  for (int i = 1; i <= s.N; ++i) s.Fc[i] = static_cast<long double>(i) / (s.N + 1);
  return s;
}

long double Gumbel(long double A, long double B, long double Y) {
  return std::exp(-std::exp(-(A * Y + B)));
}

TEST(IntervalEvaluationTest, FiveClassesFromTenToTwenty) {
  const Sample s = SampleOf({10, 12.00005L, 13, 14, 17, 20});
  const ClassTable t = EvaluateIntervals(4, testing::Line(0.3, -4), s, 5);
  ASSERT_EQ(t.NrClasses, 5);
  const std::vector<double> limits{10, 12, 14, 16, 18, 20.0002, 22};
  ASSERT_EQ(t.ClassLimit.size(), limits.size());
  for (size_t k = 0; k < limits.size(); ++k) EXPECT_DOUBLE_EQ(t.ClassLimit[k], limits[k]) << k;
  // 12.00005 is moved onto the limit 12 and counted in 12..14; 14 belongs to
  // the class that begins at it; 20 falls inside the raised last limit.
  EXPECT_EQ(t.ClassCount, (std::vector<double>{1, 2, 1, 1, 1, 0}));
  ASSERT_EQ(t.values.size(), 7u);
  EXPECT_EQ(t.values[2], 12.0L);
  EXPECT_EQ(t.values[3], 13.0L);
  EXPECT_EQ(t.values[6], 20.0L);
  ASSERT_EQ(t.ClassFcalc.size(), 6u);
  for (int k = 0; k <= 5; ++k) EXPECT_NEAR(t.ClassFcalc[k], Gumbel(0.3, -4, limits[k]), 1e-15);
}

TEST(IntervalEvaluationTest, ZeroFirstLimitBecomesTiny) {
  const ClassTable t = EvaluateIntervals(4, testing::Line(1, 0), SampleOf({0, 1, 2, 5}), 5);
  EXPECT_DOUBLE_EQ(t.ClassLimit[0], 0.0001);
  EXPECT_DOUBLE_EQ(t.ClassLimit[1], 1.0);
}

TEST(IntervalEvaluationTest, SmallestDatumOfShiftedDataIsCounted) {
  // Moved up from the minimum -2, the smallest value is 0.0001 in extended
  // precision, just below the first limit, the same number as a double.
  Sample s = SampleOf({-2, -1.5L, -1, 0, 1, 2});
  s.C = -2;
  for (int i = 1; i <= s.N; ++i) s.X[i] = s.X[i] - s.C + 0.0001L;
  const ClassTable t = EvaluateIntervals(4, testing::Line(1, 0), s, 5);
  EXPECT_EQ(t.ClassCount[0], 2);
  double total = 0;
  for (double count : t.ClassCount) total += count;
  EXPECT_EQ(total, 6);
}

TEST(IntervalEvaluationTest, NegativeLimitsMoveByTheShiftAndGiveNoNumberAsZero) {
  // ln of a negative limit has no value: its frequency counts as 0.
  Sample s = SampleOf({-5, -3, -1, 1, 3, 5});
  s.C = 0.0001;
  const ClassTable t = EvaluateIntervals(22, testing::Normal(0, 1), s, 5);
  EXPECT_NEAR(t.ClassLimit[0], -5.0001, 1e-12);
  EXPECT_NEAR(t.ClassLimit[5], 5.0001, 1e-12);
  EXPECT_DOUBLE_EQ(t.ClassLimit[6], 7.0);  // the one beyond the table keeps its value
  EXPECT_EQ(t.ClassFcalc[0], 0.0);
  for (double F : t.ClassFcalc) EXPECT_TRUE(std::isfinite(F));
}

TEST(IntervalEvaluationTest, BoundReplacementAtLimitsIsCoarser) {
  // Code 58 below its bound: w = 0.001 (not 0.0001 as at a data point).
  const ClassTable t =
      EvaluateIntervals(58, testing::Bound(2, -1, 12), SampleOf({10, 14, 16, 20}), 5);
  EXPECT_NEAR(t.ClassFcalc[0], std::exp(-std::pow(0.001L, 2)), 1e-15);
}

TEST(IntervalEvaluationTest, CompositeMemberFollowsTheBreakPoint) {
  FittedParams p;
  p.composite = {.As = 0.5, .Bs = -6, .Ag = 0.2, .Bg = -2, .P = 15, .K = 1};
  const ClassTable t = EvaluateIntervals(9, p, SampleOf({10, 12, 17, 20}), 5);
  EXPECT_NEAR(t.ClassFcalc[2], Gumbel(0.5, -6, 14), 1e-15);
  EXPECT_NEAR(t.ClassFcalc[3], Gumbel(0.2, -2, 16), 1e-15);
}

TEST(IntervalEvaluationTest, NormalFamilyByHastingsWithoutClamps) {
  const ClassTable t =
      EvaluateIntervals(22, testing::Normal(5, 0.5), SampleOf({10, 100, 1000, 5000}), 4);
  EXPECT_EQ(t.ClassFcalc[0], 0.0);
  for (int k = 1; k <= 4; ++k)
    EXPECT_NEAR(t.ClassFcalc[k], HastingsOracle((std::log(t.ClassLimit[k]) - 5) / 0.5L), 1e-15);
}

class ClassCountTest : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(ClassCountTest, TwoToFiftyClasses) {
  const auto [classes, valid] = GetParam();
  const ClassTable t = EvaluateIntervals(4, testing::Line(1, 0), SampleOf({1, 2, 3, 4}), classes);
  EXPECT_EQ(t.NrClasses, valid ? classes : 0);
  EXPECT_EQ(t.ClassLimit.size(), valid ? classes + 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Evaluation, ClassCountTest,
                         ::testing::Values(std::pair{-1, false}, std::pair{0, false},
                                           std::pair{1, false}, std::pair{2, true},
                                           std::pair{50, true}, std::pair{51, false}));

TEST(GraphIntervalTest, TwentyClassesWithTheFirstValueRaised) {
  std::vector<long double> sorted{0.0001L, 1, 2, 3, 4};
  const ClassTable t = EvaluateGraphIntervals(4, testing::Line(1, 0), sorted, 0.0001);
  ASSERT_EQ(t.NrClasses, 20);
  EXPECT_EQ(t.values[0], 0.0001 + 0.0001L);
  EXPECT_DOUBLE_EQ(t.ClassLimit[0], 0.0002);
  EXPECT_NEAR(t.ClassLimit[20], 4.0002, 1e-12);
  double total = 0;
  for (double count : t.ClassCount) total += count;
  EXPECT_EQ(total, 5);
  EXPECT_EQ(t.ClassCount[0], 1);   // the raised first value
  EXPECT_EQ(t.ClassCount[19], 1);  // the largest
}

TEST(GraphIntervalTest, NegativeDataPutTheLimitsIntoTheEngineVariable) {
  std::vector<long double> sorted{-2, -1, 0, 1, 2};
  const ClassTable t = EvaluateGraphIntervals(4, testing::Line(1, 0), sorted, -2);
  EXPECT_NEAR(t.ClassLimit[0], 0.0001, 1e-12);
  EXPECT_NEAR(t.ClassLimit[20], 4.0002, 1e-12);
}

}  // namespace
}  // namespace quarlin
