#include "engine/model/kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace quarlin {
namespace {

// Arrays indexed from 1, as the kernels read them.
std::vector<long double> OneBased(std::vector<long double> values) {
  values.insert(values.begin(), 0.0L);
  return values;
}

// A line the kernels must not touch when they fail.
LineFit Sentinel() {
  return LineFit{.A = -7, .B = -8, .meanF = -9, .meanX = -10, .SDx = -11};
}

TEST(RegressTest, AllPointsGiveTheLeastSquaresLine) {
  // meanX = 2.5, meanF = 5, Sxx = 5, Sxy = 11.
  const auto Xt = OneBased({1, 2, 3, 4});
  const auto Ft = OneBased({2, 4, 5, 9});
  LineFit line;
  ASSERT_TRUE(RegressAll(Xt, Ft, 4, line));
  EXPECT_DOUBLE_EQ(line.A, 2.2);
  EXPECT_DOUBLE_EQ(line.B, -0.5);
  EXPECT_DOUBLE_EQ(line.meanX, 2.5);
  EXPECT_DOUBLE_EQ(line.meanF, 5);
  EXPECT_DOUBLE_EQ(line.SDx, std::sqrt(5.0 / 3.0));
}

TEST(RegressTest, LowerPointsOnlyAndSdxKept) {
  // Points 1..3: meanX = 2, meanF = 11/3, Sxx = 2, Sxy = 3.
  const auto Xt = OneBased({1, 2, 3, 4});
  const auto Ft = OneBased({2, 4, 5, 9});
  LineFit line = Sentinel();
  ASSERT_TRUE(RegressLower(Xt, Ft, 3, line));
  EXPECT_DOUBLE_EQ(line.A, 1.5);
  EXPECT_DOUBLE_EQ(line.B, 2.0 / 3.0);
  EXPECT_DOUBLE_EQ(line.meanF, 11.0 / 3.0);
  EXPECT_EQ(line.SDx, -11);
}

TEST(RegressTest, TwoEqualXAmongOthersStillGiveALine) {
  // meanX = 7/4, meanF = 5/2, Sxx = 11/4, Sxy = 7/2.
  const auto Xt = OneBased({1, 1, 2, 3});
  const auto Ft = OneBased({1, 2, 3, 4});
  LineFit line;
  ASSERT_TRUE(RegressAll(Xt, Ft, 4, line));
  EXPECT_DOUBLE_EQ(line.A, 14.0 / 11.0);
  EXPECT_DOUBLE_EQ(line.B, 2.5 - 14.0 / 11.0 * 1.75);
}

struct EqualCase {
  long double value;
  int N;
};

void PrintTo(const EqualCase& c, std::ostream* os) {
  *os << c.N << " x " << static_cast<double>(c.value);
}

class AllEqualXTest : public testing::TestWithParam<EqualCase> {};

// Values such as 0.1 summed N times and divided by N miss the value by a
// rounding error: the failure must not depend on that.
TEST_P(AllEqualXTest, FailsAndLeavesTheLineAsItWas) {
  const auto [value, N] = GetParam();
  std::vector<long double> Xt(N + 1, value), Ft(N + 1);
  for (int i = 1; i <= N; ++i) Ft[i] = static_cast<long double>(i) / (N + 1);
  LineFit all = Sentinel(), lower = Sentinel();
  EXPECT_FALSE(RegressAll(Xt, Ft, N, all));
  EXPECT_FALSE(RegressLower(Xt, Ft, N - 1, lower));
  for (const LineFit& line : {all, lower}) {
    EXPECT_EQ(line.A, -7);
    EXPECT_EQ(line.B, -8);
    EXPECT_EQ(line.meanF, -9);
    EXPECT_EQ(line.meanX, -10);
    EXPECT_EQ(line.SDx, -11);
  }
}

INSTANTIATE_TEST_SUITE_P(Values, AllEqualXTest,
                         testing::Values(EqualCase{5, 6}, EqualCase{0.1L, 7}, EqualCase{0.1L, 250},
                                         EqualCase{0.3L, 11}, EqualCase{7.77L, 2500},
                                         EqualCase{-1.1L, 13}));

TEST(RegressTest, LowerPartWithoutVariationFailsWhileTheWholeSucceeds) {
  const auto Xt = OneBased({0.7L, 0.7L, 0.7L, 2});
  const auto Ft = OneBased({0.2L, 0.4L, 0.6L, 0.8L});
  LineFit line;
  EXPECT_TRUE(RegressAll(Xt, Ft, 4, line));
  EXPECT_FALSE(RegressLower(Xt, Ft, 3, line));
}

TEST(RatioTest, AllRunsThroughTheFirstPointAndTheCentroid) {
  // Centroid (3, 5), first point (1, 1): slope 2, intercept -1.
  const auto Xt = OneBased({1, 2, 3, 4, 5});
  const auto Ft = OneBased({1, 3, 4, 6, 11});
  LineFit line;
  RatioAll(Xt, Ft, 5, line);
  EXPECT_DOUBLE_EQ(line.A, 2);
  EXPECT_DOUBLE_EQ(line.B, -1);
  EXPECT_DOUBLE_EQ(line.meanX, 3);
  EXPECT_DOUBLE_EQ(line.meanF, 5);
}

TEST(RatioTest, UpperRunsThroughPointKAndTheUpperCentroid) {
  // Points 3..5 have the centroid (4, 7); point 2 is (2, 3).
  const auto Xt = OneBased({1, 2, 3, 4, 5});
  const auto Ft = OneBased({1, 3, 4, 6, 11});
  LineFit line;
  RatioUpper(Xt, Ft, 5, 2, line);
  EXPECT_DOUBLE_EQ(line.A, 2);
  EXPECT_DOUBLE_EQ(line.B, -1);
  EXPECT_DOUBLE_EQ(line.meanX, 4);
  EXPECT_DOUBLE_EQ(line.meanF, 7);
}

TEST(RatioTest, UpperWithoutUpperPointsAimsAtAThousand) {
  const auto Xt = OneBased({1, 2, 3, 4, 5});
  const auto Ft = OneBased({1, 3, 4, 6, 11});
  LineFit line;
  RatioUpper(Xt, Ft, 5, 5, line);
  EXPECT_DOUBLE_EQ(line.A, 989.0 / 995.0);
  EXPECT_NEAR(line.B, 1000 - 989.0 / 995.0 * 1000, 1e-10);
  EXPECT_EQ(line.meanX, 1000);
  EXPECT_EQ(line.meanF, 1000);
}

TEST(RatioTest, UpperWithoutUpperPointsAtAThousandHasSlopeHundred) {
  const auto Xt = OneBased({1, 2, 1000});
  const auto Ft = OneBased({0.25L, 0.5L, 0.75L});
  LineFit line;
  RatioUpper(Xt, Ft, 3, 3, line);
  EXPECT_EQ(line.A, 100);
  EXPECT_EQ(line.B, 1000 - 100 * 1000);
}

class FlatUpperTest : public testing::TestWithParam<EqualCase> {};

// Upper points all equal to Xt[K]: slope 100 whether or not their mean
// comes out exactly equal.
TEST_P(FlatUpperTest, HasSlopeHundred) {
  const auto [value, upperCount] = GetParam();
  const int K = 3, N = K + upperCount;
  std::vector<long double> Xt(N + 1, value), Ft(N + 1);
  Xt[1] = value - 2;
  Xt[2] = value - 1;
  for (int i = 1; i <= N; ++i) Ft[i] = static_cast<long double>(i) / (N + 1);
  LineFit line;
  RatioUpper(Xt, Ft, N, K, line);
  EXPECT_EQ(line.A, 100);
  const long double meanF = (static_cast<long double>(K + 1 + N) / 2) / (N + 1);
  EXPECT_NEAR(line.B, static_cast<double>(meanF - 100 * value), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Values, FlatUpperTest,
                         testing::Values(EqualCase{3, 2}, EqualCase{0.1L, 3}, EqualCase{0.1L, 7},
                                         EqualCase{0.3L, 10}, EqualCase{7.77L, 29}));

TEST(DeviationTest, SumsOfSquaresAndAbsoluteValues) {
  const auto Fc = OneBased({0.5L, 0.2L, 0.75L});
  const auto Fcalc = OneBased({2.0L, 0.1L, 0.25L});  // d = -1.5, 0.1, 0.5
  EXPECT_NEAR(SumOfSquares(Fc, Fcalc, 3), 2.25L + 0.01L + 0.25L, 1e-15L);
  EXPECT_NEAR(SumOfSquares(Fc, Fcalc, 3, true), 1 + 0.01L + 0.25L, 1e-15L);
  EXPECT_NEAR(SumOfAbsolute(Fc, Fcalc, 3), 1.5L + 0.1L + 0.5L, 1e-15L);
  EXPECT_NEAR(SumOfSquares(Fc, Fcalc, 2), 2.25L + 0.01L, 1e-15L);
}

TEST(DeviationTest, CapLeavesDeviationsUpToOne) {
  const auto Fc = OneBased({1, 0});
  const auto Fcalc = OneBased({0, 1});  // d = 1 and -1
  EXPECT_EQ(SumOfSquares(Fc, Fcalc, 2, true), 2);
  EXPECT_EQ(SumOfSquares(Fc, Fcalc, 2, false), 2);
}

TEST(DeviationTest, AverageAbsoluteDifferenceIsInPerCent) {
  EXPECT_DOUBLE_EQ(AvAbsDiff(1.6L, 8), 20);
}

}  // namespace
}  // namespace quarlin
