#include "engine/analysis/evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

using testing::HastingsOracle;

std::vector<long double> OneBased(std::vector<long double> values) {
  values.insert(values.begin(), 0.0L);
  return values;
}

Sample SampleOf(std::vector<long double> X) {
  Sample s;
  s.N = static_cast<int>(X.size());
  s.X = OneBased(X);
  s.Fc.assign(s.N + 1, 0.0L);
  s.SerialOf.assign(s.N + 1, 0);
  for (int i = 1; i <= s.N; ++i) {
    s.Fc[i] = static_cast<long double>(i) / (s.N + 1);
    s.SerialOf[i] = i;
  }
  return s;
}

long double Gumbel(long double A, long double B, long double Y) {
  return std::exp(-std::exp(-(A * Y + B)));
}

struct CorrectionCase {
  std::string label;
  int code;
  std::vector<long double> raw;
  std::vector<long double> corrected;
};

void PrintTo(const CorrectionCase& c, std::ostream* os) {
  *os << c.label;
}

class CorrectionTest : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(CorrectionTest, ClampsAndKeepsNonDecreasing) {
  const CorrectionCase& c = GetParam();
  auto Fcalc = OneBased(c.raw);
  CorrectFcalc(c.code, Fcalc);
  for (size_t i = 0; i < c.corrected.size(); ++i)
    EXPECT_DOUBLE_EQ(Fcalc[i + 1], c.corrected[i]) << "rank " << i + 1;
}

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Evaluation, CorrectionTest,
    ::testing::Values(CorrectionCase{"NegativeFirstBecomesFloor", 4, {-0.2L, 0.5L}, {0.001L, 0.5L}},
                      CorrectionCase{"AboveOneBecomesTop", 4, {1.3L}, {0.999L}},
                      CorrectionCase{
                          "DipTakesPredecessor", 4, {0.20L, 0.18L, 0.35L}, {0.20L, 0.20L, 0.35L}},
                      CorrectionCase{"TopThenLowerStaysTop", 53, {1.3L, 0.6L}, {0.999L, 0.999L}},
                      CorrectionCase{"ZeroIsNotBelowZero", 4, {0.0L, 0.0L}, {0.0L, 0.0L}},
                      CorrectionCase{"GompertzFloor", 34, {0.0005L, 0.0L}, {0.001L, 0.001L}},
                      CorrectionCase{"NoFloorForOthers", 57, {0.0005L}, {0.0005L}},
                      CorrectionCase{"NotANumberCountsAsBelowZero", 4, {0.3L, kNaN}, {0.3L, 0.3L}}),
    [](const auto& info) { return info.param.label; });

TEST(EvaluateAtDataTest, GumbelFollowsItsLaw) {
  const Sample s = SampleOf({1, 2, 3.5L, 7});
  const PointEvaluation e = EvaluateAtData(4, testing::Line(0.8, -1.5), s);
  ASSERT_EQ(e.Fcalc.size(), 5u);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(e.Fcalc[i], Gumbel(0.8L, -1.5L, s.X[i]), 1e-15);
  EXPECT_FALSE(e.lowerBoundWarning);
  EXPECT_FALSE(e.upperBoundWarning);
}

TEST(EvaluateAtDataTest, DecreasingLawIsFlattened) {
  // 1/(1 + exp(A*Y + B)) with A < 0 rises, with A > 0 it falls: the later
  // ranks keep the first value.
  const Sample s = SampleOf({1, 2, 3});
  const PointEvaluation e = EvaluateAtData(53, testing::Line(1.0, -2.0), s);
  const long double first = 1 / (1 + std::exp(-1.0L));
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(e.Fcalc[i], first, 1e-15);
}

TEST(EvaluateAtDataTest, BoundWarningsBySide) {
  const Sample s = SampleOf({1, 2, 3});
  EXPECT_TRUE(EvaluateAtData(58, testing::Bound(2, -1, 1.5), s).lowerBoundWarning);
  EXPECT_FALSE(EvaluateAtData(58, testing::Bound(2, -1, 1.5), s).upperBoundWarning);
  EXPECT_FALSE(EvaluateAtData(58, testing::Bound(2, -1, 0.5), s).lowerBoundWarning);
  EXPECT_TRUE(EvaluateAtData(35, testing::Bound(2, -1, 1.5), s).lowerBoundWarning);
  EXPECT_TRUE(EvaluateAtData(59, testing::Bound(2, -1, 2.5), s).upperBoundWarning);
  EXPECT_TRUE(EvaluateAtData(33, testing::Bound(2, -1, 2.5), s).upperBoundWarning);
  EXPECT_FALSE(EvaluateAtData(33, testing::Bound(2, -1, 2.5), s).lowerBoundWarning);
  EXPECT_FALSE(EvaluateAtData(59, testing::Bound(2, -1, 5), s).upperBoundWarning);
}

TEST(EvaluateAtDataTest, NormalFamilyIsNotClamped) {
  // z = -5 lies where the Hastings form gives 0; the other codes would show 0.001.
  const Sample s = SampleOf({5, 9, 10, 12});
  const PointEvaluation e = EvaluateAtData(20, testing::Normal(10, 1), s);
  EXPECT_EQ(e.Fcalc[1], 0.0L);
  for (int i = 2; i <= 4; ++i) EXPECT_NEAR(e.Fcalc[i], HastingsOracle(s.X[i] - 10), 1e-15);
}

TEST(EvaluateAtDataTest, LogNormalUsesTheLogarithm) {
  const Sample s = SampleOf({0.5L, 1, 2, 4});
  const PointEvaluation e = EvaluateAtData(22, testing::Normal(0.2, 0.7), s);
  for (int i = 1; i <= 4; ++i)
    EXPECT_NEAR(e.Fcalc[i], HastingsOracle((std::log(s.X[i]) - 0.2L) / 0.7L), 1e-15);
}

TEST(EvaluateAtDataTest, CompositeMemberFollowsTheRank) {
  // Rank 2 lies above P but belongs to the lower member because K = 2.
  const Sample s = SampleOf({1, 3, 4});
  FittedParams p;
  p.composite = {.As = 1, .Bs = 0, .Ag = 0.5, .Bg = 0.5, .P = 2, .K = 2};
  const PointEvaluation e = EvaluateAtData(9, p, s);
  EXPECT_NEAR(e.Fcalc[1], Gumbel(1, 0, 1), 1e-15);
  EXPECT_NEAR(e.Fcalc[2], Gumbel(1, 0, 3), 1e-15);
  // Rank 3 belongs to the upper member; its lower value is then kept.
  EXPECT_NEAR(e.Fcalc[3], std::max(Gumbel(0.5, 0.5, 4), Gumbel(1, 0, 3)), 1e-15);
}

TEST(EvaluateCurveTest, StepsFromZeroWhenTheLowEndIsSmall) {
  // 0.1 * 21 > 1: steps of (21 - 1)/20.
  const CurvePoints c = EvaluateCurve(4, testing::Line(0.5, -1), 1, 21);
  ASSERT_EQ(c.CurveX.size(), 21u);
  ASSERT_EQ(c.CurveFc.size(), 21u);
  for (int b = 1; b <= 20; ++b) {
    EXPECT_DOUBLE_EQ(c.CurveX[b], b);
    EXPECT_NEAR(c.CurveFc[b], Gumbel(0.5, -1, b), 1e-15);
  }
}

TEST(EvaluateCurveTest, StepsOfTheTopWhenTheLowEndIsLarge) {
  const CurvePoints c = EvaluateCurve(4, testing::Line(0.5, -1), 5, 21);
  for (int b = 1; b <= 20; ++b) EXPECT_DOUBLE_EQ(c.CurveX[b], b * 21.0L / 20);
}

TEST(EvaluateCurveTest, CompositeMemberFollowsTheBreakPoint) {
  FittedParams p;
  p.composite = {.As = 1, .Bs = 0, .Ag = 2, .Bg = 0, .P = 10, .K = 1};
  const CurvePoints c = EvaluateCurve(9, p, 0, 20);
  EXPECT_NEAR(c.CurveFc[5], Gumbel(1, 0, 5), 1e-15);    // Y = 5 below P
  EXPECT_NEAR(c.CurveFc[10], Gumbel(1, 0, 10), 1e-15);  // Y = P itself
  EXPECT_NEAR(c.CurveFc[11], Gumbel(2, 0, 11), 1e-15);
}

}  // namespace
}  // namespace quarlin
