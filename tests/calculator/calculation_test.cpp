// The calculator's edge cases, one table per direction.
#include "calculator/calculation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculator/forward_table.h"
#include "calculator/normal_inverse.h"
#include "engine/catalogue/codes.h"

namespace quarlin {
namespace {

WorkingValues General(int code, double A, double B, double shift = 0) {
  return MakeWorkingValues(code, {A, B}, shift);
}

TEST(CalcFrequentTest, GumbelAtZeroIsTakenAtTheSmallOffset) {
  const ForwardResult r = CalcFrequent(General(kGumbel, 1, 0), 6, 0);
  EXPECT_NEAR(r.F, std::exp(-std::exp(-0.0001)), 1e-15);
  EXPECT_NEAR(r.F, 0.367916, 1e-6);
  EXPECT_DOUBLE_EQ(r.T, 1 / (1 - r.F));
}

TEST(CalcFrequentTest, FarAboveTheDataFStaysBelowOne) {
  // A law without an upper bound: F = 1 there is rounding, not its end.
  for (double X : {37.0, 1e6}) {
    const ForwardResult r = CalcFrequent(General(kGumbel, 1, 0), 20, X);
    EXPECT_EQ(r.F, 0.9999999) << X;
    EXPECT_EQ(r.T, 10000000.0) << X;
    EXPECT_LE(r.limits.upper, 1.0) << X;
    EXPECT_EQ(r.beyond, Beyond::None) << X;
  }
}

TEST(CalcFrequentTest, NonPositiveFBecomesTheSmallest) {
  // A Gumbel law far below its data: exp(-exp(1000)) is 0 by rounding.
  const ForwardResult r = CalcFrequent(General(kGumbel, 1, -1000), 10, 1);
  EXPECT_EQ(r.F, 0.0000001);
  EXPECT_EQ(r.beyond, Beyond::None);
}

TEST(LimitsOfTest, SixDataAtTheMedian) {
  const FrequencyLimits limits = LimitsOf(0.5, 6);
  EXPECT_NEAR(limits.upper, 0.8470, 5e-5);
  EXPECT_NEAR(limits.lower, 0.1530, 5e-5);
}

TEST(CalcFrequentTest, CompositeAtItsBreakPointTakesTheLowerBranch) {
  // Code 8 (logistic both sides): As, Bs, Ag, Bg, P; the branches differ.
  const WorkingValues w = MakeWorkingValues(kCompositeLogistic, {-1, 5, -2, 12, 6.0}, 0);
  const double X = 6.0 - 0.0001;
  const double x = X + 0.0001;
  EXPECT_NEAR(CalcFrequent(w, 10, X).F, 1 / (1 + std::exp(-x + 5)), 1e-12);
  EXPECT_NEAR(CalcFrequent(w, 10, 6.5).F, 1 / (1 + std::exp(-2 * 6.5001 + 12)), 1e-12);
  ASSERT_TRUE(w.breakPointF);
  EXPECT_NEAR(*w.breakPointF, 1 / (1 + std::exp(-2 * 6.0 + 12)), 1e-15);
}

TEST(CalcFrequentTest, NotFiniteResultsShowAsNotAvailable) {
  // A Student law without spread divides by zero.
  const WorkingValues w = MakeWorkingValues(kStudentTwoDf, {5, 0}, 0);
  const ForwardResult r = CalcFrequent(w, 10, 7);
  EXPECT_EQ(ResultText(r.F), " n.a");
  EXPECT_EQ(ResultText(r.T), " n.a");
}

TEST(CalcValTest, GammaHasNoInverse) {
  const WorkingValues w = MakeWorkingValues(kGamma, {2, 3}, 0);
  const InverseResult r = CalcVal(w, {1, 2, 3, 4, 5, 6}, 0.5);
  EXPECT_FALSE(r.X);
  EXPECT_FALSE(r.XLower);
  EXPECT_FALSE(r.XUpper);
}

TEST(CalcValTest, NormalFindsAnAnswerFarFromTheData) {
  // A mean far above the data: the answer lies where the law puts it.
  const WorkingValues w = MakeWorkingValues(kNormal, {1000, 1}, 0);
  const InverseResult r = CalcVal(w, {1, 2, 3, 4, 5, 6}, 0.5);
  ASSERT_TRUE(r.X);
  EXPECT_NEAR(*r.X, 1000 + 0.001, 1e-2);
}

TEST(CalcValTest, NormalWithoutSpreadIsNotAvailable) {
  const WorkingValues w = MakeWorkingValues(kNormal, {3.5, 0}, 0);
  const InverseResult r = CalcVal(w, {1, 2, 3, 4, 5, 6}, 0.5);
  EXPECT_FALSE(r.X);
  EXPECT_FALSE(r.XUpper);
  EXPECT_EQ(ResultText(r.X), " n.a");
}

TEST(CalcValTest, NormalFindsTheFirstGridPointAbove) {
  const WorkingValues w = MakeWorkingValues(kNormal, {3.5, 1}, 0);
  const std::vector<long double> data{1, 2, 3, 4, 5, 6};
  const InverseResult r = CalcVal(w, data, 0.5);
  ASSERT_TRUE(r.X);
  // Grid step: from 1.001 (the smallest shifted datum) to 11.5 (Av + 8 Sd)
  // in 100000 steps; the result adds 0.001 back.
  EXPECT_NEAR(*r.X, 3.5 + 0.001, 1.05e-4 + 1e-3);
  EXPECT_LT(*r.XLower, *r.X);
  EXPECT_GT(*r.XUpper, *r.X);
}

TEST(CalcValTest, SquareNormalOfANegativeGridValueIsNotAvailable) {
  const WorkingValues w = MakeWorkingValues(kSquareNormal, {1, 1}, 0);
  EXPECT_FALSE(NormalBackTransform(w, -0.5, Limit::Result));
  ASSERT_TRUE(NormalBackTransform(w, 0.25, Limit::Result));
  EXPECT_DOUBLE_EQ(*NormalBackTransform(w, 0.25, Limit::Result), 0.5);
}

TEST(CalcValTest, RootNormalOfANegativeGridValueIsNotAvailable) {
  // No X has a negative root; squaring it would give an X whose F is not f.
  const WorkingValues w = MakeWorkingValues(kRootNormal, {1, 1}, 0);
  EXPECT_FALSE(NormalBackTransform(w, -0.5, Limit::Result));
  ASSERT_TRUE(NormalBackTransform(w, 0.5, Limit::Result));
  EXPECT_DOUBLE_EQ(*NormalBackTransform(w, 0.5, Limit::Result), 0.25);
}

TEST(MaxMinTest, ShiftsAndTransformsTheData) {
  const WorkingValues w = MakeWorkingValues(kLogNormal, {0, 1}, -1);
  const Extremes e = MaxMin(w, {0, 1, 2});
  EXPECT_NEAR(e.smallest, std::log(1.001), 1e-12);
  EXPECT_NEAR(e.largest, std::log(3.001), 1e-12);
}

// Data below 0.0004 were shifted left by 0.75 of their smallest value and
// fitted without the 0.0001 of other data: the forward direction takes X
// as the fits did, and the inverse gives X back.
TEST(CalcFrequentTest, LeftShiftedReportTakesXAsTheFitsDid) {
  const double shift = 0.75 * 0.00011;
  const WorkingValues w = MakeWorkingValues(kGumbel, {20000, -3}, shift);
  const double X = 0.0002;
  const ForwardResult forward = CalcFrequent(w, 20, X);
  EXPECT_NEAR(forward.F, std::exp(-std::exp(-(20000 * (X - shift) - 3))), 1e-12);
  const InverseResult back = CalcVal(w, std::vector<long double>(20, 1.0L), forward.F);
  ASSERT_TRUE(back.X);
  EXPECT_NEAR(*back.X, X, 1e-12);
}

// Codes 1 and 2 take E = 1 from the working values' default.
struct RoundTripCase {
  int code;
  std::vector<double> values;
  double shift;
  double X;
};

class HandRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(HandRoundTripTest, InverseOfTheForwardGivesXBack) {
  const auto& c = GetParam();
  const WorkingValues w = MakeWorkingValues(c.code, c.values, c.shift);
  const ForwardResult forward = CalcFrequent(w, 20, c.X);
  const InverseResult back = CalcVal(w, std::vector<long double>(20, 1.0L), forward.F);
  ASSERT_TRUE(back.X);
  EXPECT_NEAR(*back.X, c.X + 0.0001, 1e-9 * (1 + std::abs(c.X)));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, HandRoundTripTest,
    testing::Values(RoundTripCase{kGeneralizedLinear, {0.1, 0.05}, 0, 3},
                    RoundTripCase{kGeneralizedLinearExponential, {0.2, -2}, 0, 4},
                    // Branches that meet at P, so F and X choose the same one.
                    RoundTripCase{kCompositeLogistic, {-1, 5, -2, 11, 6.0}, 0, 5},
                    RoundTripCase{kCompositeLogistic, {-1, 5, -2, 11, 6.0}, 0, 7},
                    RoundTripCase{kCompositeGeneralizedPoissonGumbel,
                                  {1.2, 0.8, 0.5, 0.1, 1.5, -3, 4.0},
                                  -1,
                                  2}));

}  // namespace
}  // namespace quarlin
