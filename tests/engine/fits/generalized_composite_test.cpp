#include "engine/fits/generalized_composite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/catalogue/composite_members.h"
#include "fixtures/composite_samples.h"

namespace quarlin {
namespace {

using testing::JoinedSample;
using testing::ThroughBreak;

constexpr int kN = 100;
constexpr int kBreakRank = 40;  // one of the break indices (40% of the points)
constexpr int kIndexStep = kN / 20;
constexpr long double kXBreak = 25;
constexpr long double kE = 0.5;  // both laws in sqrt(x), a trial exponent of both sides

struct JoinedLaws {
  testing::Law lower, upper;
};

// Lower slope 1, upper slope 0.3 (in their transforms of sqrt(x)).
JoinedLaws LawsForCode(int code) {
  const CompositeShape shape = *CompositeShapeOf(code);
  const long double Fb = static_cast<long double>(kBreakRank) / (kN + 1);
  return {ThroughBreak(shape.lower, 1, kXBreak, Fb, kE),
          ThroughBreak(shape.upper, 0.3L, kXBreak, Fb, kE)};
}

Sample JoinedForCode(int code) {
  const JoinedLaws laws = LawsForCode(code);
  return JoinedSample(kN, kBreakRank, laws.lower, laws.upper, kE);
}

TEST(SideExponentTest, IsBuiltByRepeatedAdditionFromZero) {
  EXPECT_EQ(SideExponentOfTrial(1), 0.01);
  // The sums in double precision, not the doubles nearest 0.06, 0.1, 0.5,
  // 1 and 3.
  EXPECT_EQ(SideExponentOfTrial(6), 0.060000000000000005);
  EXPECT_EQ(SideExponentOfTrial(10), 0.09999999999999999);
  EXPECT_EQ(SideExponentOfTrial(50), 0.5000000000000002);
  EXPECT_EQ(SideExponentOfTrial(100), 1.0000000000000007);
  EXPECT_EQ(SideExponentOfTrial(kSideExponentTrials), 2.99999999999998);
}

struct IndicesCase {
  int N;
  std::vector<int> expected;
};

class BreakIndicesTest : public ::testing::TestWithParam<IndicesCase> {};

TEST_P(BreakIndicesTest, KeepOnlyIndicesWithThreePointsOnEachSide) {
  EXPECT_EQ(GeneralizedBreakIndices(GetParam().N), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BreakIndicesTest,
    ::testing::Values(IndicesCase{100, {25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75}},
                      IndicesCase{99, {24, 29, 34, 39, 44, 49, 54, 59, 64, 69, 74}},
                      // 1, 1, 2, 2, 2 and 4, 4 leave fewer than three on a side.
                      IndicesCase{6, {3, 3, 3, 3}},
                      // 1, 2, 2, 2 below; 5 leaves two above.
                      IndicesCase{7, {3, 3, 3, 4, 4, 4}}, IndicesCase{8, {3, 3, 4, 4, 4, 5, 5}},
                      IndicesCase{5, {}}));

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ChooseSideExponentTest, TakesTheFirstSmallestPositiveSum) {
  EXPECT_EQ(ChooseSideExponent(std::vector<double>{0.4, 0.2, 0.3, 0.2}), 1);
  // A sum of exactly 0 (a side fitted without residue) takes no part.
  EXPECT_EQ(ChooseSideExponent(std::vector<double>{0.0, 0.5, 0.2}), 2);
  EXPECT_EQ(ChooseSideExponent(std::vector<double>{0.0, -0.0, kInf}), -1);
  EXPECT_EQ(ChooseSideExponent(std::vector<double>{std::nan(""), 0.7}), 1);
  // The search starts from 1000000, which a sum must go below.
  EXPECT_EQ(ChooseSideExponent(std::vector<double>{1000000.0}), -1);
}

TEST(ChooseBreakIndexTest, TakesTheLastSmallestTotal) {
  EXPECT_EQ(ChooseBreakIndex(std::vector<double>{0.5, 0.3, 0.3, 0.4}), 2);
  EXPECT_EQ(ChooseBreakIndex(std::vector<double>{0.2, 0.3, 0.4}), 0);
  EXPECT_EQ(ChooseBreakIndex(std::vector<double>{kInf, kInf}), -1);
  EXPECT_EQ(ChooseBreakIndex(std::vector<double>{}), -1);
  // A total equal to the start value 100000 is taken, one above it is not.
  EXPECT_EQ(ChooseBreakIndex(std::vector<double>{100000.0}), 0);
  EXPECT_EQ(ChooseBreakIndex(std::vector<double>{100001.0}), -1);
}

class GeneralizedBreakTest : public ::testing::TestWithParam<int> {};

TEST_P(GeneralizedBreakTest, FindsTheBreakWithinOneIndexStepAndBeatsEverySingleLine) {
  const int code = GetParam();
  const Sample s = JoinedForCode(code);
  ASSERT_TRUE(testing::FollowsItsLaws(s));

  const FitResult fit = FitGeneralizedComposite(s, code);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, code);
  const CompositeParams& c = fit.params.composite;
  EXPECT_LE(std::abs(c.K - kBreakRank), kIndexStep);
  EXPECT_EQ(c.P, static_cast<double>(s.X[c.K]));
  EXPECT_LT(fit.SAD, testing::BestSingleLineSad(s));
}

INSTANTIATE_TEST_SUITE_P(Codes, GeneralizedBreakTest,
                         ::testing::Values(70, 71, 72, 74, 80, 81, 82, 83, 84, 85));

TEST(GeneralizedBreakTest, OneFamilyOnBothSidesIsRecoveredExactly) {
  // The anchor point K lies on both laws and both are lines in sqrt(x), so
  // the break index, both exponents and all four line parameters come back.
  for (int code : {70, 71, 72, 74}) {
    const Sample s = JoinedForCode(code);
    const JoinedLaws laws = LawsForCode(code);
    const FitResult fit = FitGeneralizedComposite(s, code);
    ASSERT_TRUE(fit.fitted);
    const CompositeParams& c = fit.params.composite;
    EXPECT_EQ(c.K, kBreakRank) << "code " << code;
    EXPECT_EQ(c.P, static_cast<double>(kXBreak)) << "code " << code;
    EXPECT_NEAR(c.Es, 0.5, 1e-12) << "code " << code;
    EXPECT_NEAR(c.Eg, 0.5, 1e-12) << "code " << code;
    EXPECT_NEAR(c.As, static_cast<double>(laws.lower.A), 1e-9) << "code " << code;
    EXPECT_NEAR(c.Bs, static_cast<double>(laws.lower.B), 1e-9) << "code " << code;
    EXPECT_NEAR(c.Ag, static_cast<double>(laws.upper.A), 1e-9) << "code " << code;
    EXPECT_NEAR(c.Bg, static_cast<double>(laws.upper.B), 1e-9) << "code " << code;
    EXPECT_LT(fit.SAD, 1e-9L) << "code " << code;
  }
}

class GeneralizedSmallSampleTest : public ::testing::TestWithParam<int> {};

TEST_P(GeneralizedSmallSampleTest, KeepsThreePointsOnEachSide) {
  const int code = GetParam();
  for (int N : {6, 7}) {
    std::vector<long double> values;
    for (int i = 1; i <= N; ++i) values.push_back(1 + i * i);
    const Sample s = RankValues(values);
    const FitResult fit = FitGeneralizedComposite(s, code);
    ASSERT_TRUE(fit.fitted) << "N = " << N;
    const int K = fit.params.composite.K;
    EXPECT_GE(K, 3);
    EXPECT_GE(N - K, 3);
    EXPECT_EQ(fit.params.composite.P, static_cast<double>(s.X[K]));
    EXPECT_TRUE(std::isfinite(fit.SAD));
  }
}

TEST_P(GeneralizedSmallSampleTest, IsNotFittedWhenNoSideVaries) {
  const int code = GetParam();
  // Fifteen equal values: at every break index the lower side is flat.
  std::vector<long double> values(15, 2.0L);
  for (long double v : {3.0L, 4.0L, 6.0L, 9.0L, 13.0L}) values.push_back(v);
  EXPECT_FALSE(FitGeneralizedComposite(RankValues(values), code).fitted);
  // Too few points for any break index.
  EXPECT_FALSE(FitGeneralizedComposite(RankValues({1, 2, 3, 4, 5}), code).fitted);
}

INSTANTIATE_TEST_SUITE_P(Codes, GeneralizedSmallSampleTest,
                         ::testing::Values(70, 71, 72, 74, 80, 81, 82, 83, 84, 85));

TEST(GeneralizedCompositeTest, RefusesCodesOfOtherDistributions) {
  const Sample s = JoinedForCode(70);
  for (int code : {7, 18, 73, 86}) EXPECT_FALSE(FitGeneralizedComposite(s, code).fitted) << code;
}

}  // namespace
}  // namespace quarlin
