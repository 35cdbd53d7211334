#include "engine/fits/normal_family.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

#include "engine/model/normal_cdf.h"
#include "engine/search/exponent_grid.h"

// The expected grid positions of the searches below were worked out from
// the shape of each sample and confirmed with a separate double-precision
// computation of the same sums; the runner-up SS lies at least 1e-4
// (relative) above the minimum in every case, far beyond rounding.

namespace quarlin {
namespace {

struct Plain {
  double mean, sd;
};

Plain PlainOf(const std::vector<long double>& x) {
  long double sum = 0, sumSquares = 0;
  for (long double v : x) sum += v;
  const long double mean = sum / x.size();
  for (long double v : x) sumSquares += (v - mean) * (v - mean);
  return {static_cast<double>(mean), static_cast<double>(std::sqrt(sumSquares / (x.size() - 1)))};
}

std::vector<long double> Map(const std::vector<long double>& values,
                             const std::function<long double(long double)>& f) {
  std::vector<long double> out;
  for (long double v : values) out.push_back(f(v));
  return out;
}

// Standard normal quantile by bisection of the exact cumulative function.
long double NormalQuantile(long double p) {
  long double lo = -10, hi = 10;
  for (int step = 0; step < 200; ++step) {
    const long double mid = (lo + hi) / 2;
    (0.5L * std::erfc(-mid / std::sqrt(2.0L)) < p ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

// z_i at the plotting positions i/(N+1).
std::vector<long double> NormalScores(int N) {
  std::vector<long double> z;
  for (int i = 1; i <= N; ++i) z.push_back(NormalQuantile(static_cast<long double>(i) / (N + 1)));
  return z;
}

TEST(NormalGridTest, RunsFromHalfToOneAndAHalfTimesThePlainValue) {
  EXPECT_DOUBLE_EQ(NormalGridValue(1, 2.0), 1.0);
  EXPECT_DOUBLE_EQ(NormalGridValue(101, 2.0), 2.0);
  EXPECT_DOUBLE_EQ(NormalGridValue(201, 2.0), 3.0);
  // A negative mean: the trials go from 0.5*M0 down to 1.5*M0.
  EXPECT_DOUBLE_EQ(NormalGridValue(1, -2.0), -1.0);
  EXPECT_DOUBLE_EQ(NormalGridValue(201, -2.0), -3.0);
}

TEST(FirstMinimumTest, EarlierEntriesWinTies) {
  EXPECT_EQ(FirstMinimum(std::vector<double>{3, 1, 2, 1}, 1e6), 1);
  EXPECT_EQ(FirstMinimum(std::vector<double>{0.5, 0.5, 0.5}, 1e6), 0);
  EXPECT_EQ(FirstMinimum(std::vector<double>{4, 3, 2}, 1e6), 2);
}

TEST(FirstMinimumTest, NeedsAValueStrictlyBelowTheBound) {
  // A later row equal to the best so far does not replace it.
  EXPECT_EQ(FirstMinimum(std::vector<double>{0.5, 0.7}, 0.5), -1);
  EXPECT_EQ(FirstMinimum(std::vector<double>{0.7, 0.4}, 0.5), 1);
  EXPECT_EQ(FirstMinimum(std::vector<double>{}, 0.5), -1);
}

struct EqualCase {
  long double value;
  int N;
};

void PrintTo(const EqualCase& c, std::ostream* os) {
  *os << c.N << " x " << static_cast<double>(c.value);
}

class NoSpreadTest : public testing::TestWithParam<EqualCase> {};

// The double sums leave SSx slightly positive for some of these.
TEST_P(NoSpreadTest, NoMemberIsFitted) {
  const Sample sample = RankValues(std::vector<long double>(GetParam().N, GetParam().value));
  for (int code = kFirstNormalCode; code <= kLastNormalCode; ++code) {
    const NormalFit fit = FitNormalFamily(code, sample);
    EXPECT_FALSE(fit.fitted) << "code " << code;
    EXPECT_EQ(NormalSadSlot(fit, true), 0) << "code " << code;
    EXPECT_FALSE(NormalHasListEntry(fit, true)) << "code " << code;
    EXPECT_FALSE(EvaluateNormalFamily(code, sample, NormalParams{.M = 1, .S = 1}).fitted);
  }
}

INSTANTIATE_TEST_SUITE_P(Values, NoSpreadTest,
                         testing::Values(EqualCase{5, 6}, EqualCase{0.1L, 7}, EqualCase{0.1L, 9},
                                         EqualCase{0.3L, 25}, EqualCase{7.77L, 40}));

TEST(NormalFamilyTest, CodesOutsideTheFamilyFitNothing) {
  const Sample sample = RankValues({1, 2, 3, 4, 5, 6});
  for (int code : {0, 19, 27, 3}) {
    EXPECT_FALSE(FitNormalFamily(code, sample).fitted);
    EXPECT_FALSE(EvaluateNormalFamily(code, sample, {}).fitted);
  }
}

TEST(NormalFamilyTest, StandardMembersUseThePlainMeanAndDeviation) {
  // x = 1..7 (as X for code 20, as Ln X for code 22): mean 4, SSx = 28.
  const std::vector<long double> x = {3, 1, 7, 5, 2, 6, 4};
  const std::pair<int, Sample> cases[] = {
      {20, RankValues(x)}, {22, RankValues(Map(x, [](long double v) { return std::exp(v); }))}};
  for (const auto& [code, sample] : cases) {
    const NormalFit fit = FitNormalFamily(code, sample);
    ASSERT_TRUE(fit.fitted);
    EXPECT_NEAR(fit.params.M, 4, 1e-12);
    EXPECT_NEAR(fit.params.S, std::sqrt(28.0 / 6.0), 1e-12);
    ASSERT_EQ(fit.Fcalc.size(), 8u);
    EXPECT_NEAR(fit.Fcalc[4], 0.5000017L, 0.5e-7L);  // the median point sits at z = 0
    EXPECT_LT(fit.Fcalc[1], fit.Fcalc[7]);
  }
}

struct SpreadCase {
  const char* name;
  std::vector<long double> x;  // transformed values
  int k;                       // chosen trial
};

// Heavy tails want a steep middle, so the smallest spread of the grid; a
// single far outlier wants the widest.
const SpreadCase kSpreadCases[] = {
    {"heavy tails",
     {1,     10001, 10002, 10003, 10004, 10005, 10006, 10007, 10008, 10009, 10010,
      10011, 10012, 10013, 10014, 10015, 10016, 10017, 10018, 10019, 10020, 20001},
     1},
    {"far outlier", {10, 10.5L, 11, 11.2L, 11.5L, 12, 12.4L, 13, 100}, 201},
};

class SpreadSearchTest : public testing::TestWithParam<int> {};

TEST_P(SpreadSearchTest, StopsAtTheEdgesOfTheGrid) {
  const int code = GetParam();
  // X such that the member's transform gives back x.
  const std::function<long double(long double)> untransform =
      code == 24   ? [](long double v) { return v * v; }
      : code == 25 ? [](long double v) { return std::sqrt(v); }
                   : [](long double v) { return v; };
  for (const SpreadCase& c : kSpreadCases) {
    const Plain plain = PlainOf(c.x);
    const NormalFit fit = FitNormalFamily(code, RankValues(Map(c.x, untransform)));
    ASSERT_TRUE(fit.fitted) << c.name;
    EXPECT_NEAR(fit.params.M, plain.mean, 1e-9 * std::fabs(plain.mean)) << c.name;
    EXPECT_NEAR(fit.params.S0, plain.sd, 1e-9 * plain.sd) << c.name;
    EXPECT_DOUBLE_EQ(fit.params.S, NormalGridValue(c.k, fit.params.S0)) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Members, SpreadSearchTest, testing::Values(21, 24, 25));

struct PairCase {
  const char* name;
  std::vector<long double> lnX;
  int j, k;
};

class MeanAndSpreadSearchTest : public testing::TestWithParam<PairCase> {};

TEST_P(MeanAndSpreadSearchTest, FindsThePair) {
  const PairCase& c = GetParam();
  const Plain plain = PlainOf(c.lnX);
  const NormalFit fit =
      FitNormalFamily(23, RankValues(Map(c.lnX, [](long double v) { return std::exp(v); })));
  ASSERT_TRUE(fit.fitted);
  EXPECT_NEAR(fit.params.M, NormalGridValue(c.j, plain.mean), 1e-12);
  EXPECT_NEAR(fit.params.S, NormalGridValue(c.k, plain.sd), 1e-12);
  EXPECT_NEAR(fit.params.S0, plain.sd, 1e-12);
  EXPECT_EQ(fit.params.M0, fit.params.M);  // the optimised mean replaces the plain one
}

// A bulk far below the mean with one high outlier pulls the mean to the
// lowest trial (first row); a bulk near the mean with one outlier wants the
// smallest spread (first column). With a negative plain mean the bulk below
// it pulls the mean to 1.5*M0, the most negative trial.
INSTANTIATE_TEST_SUITE_P(
    Grid, MeanAndSpreadSearchTest,
    testing::Values(
        PairCase{"first row", {-7, -5, -3, -1, 1, 3, 5, 7, 9, 40}, 1, 20},
        PairCase{"first column", {0, 0.25L, 0.5L, 0.75L, 1, 1.25L, 1.5L, 1.75L, 2, 12}, 15, 1},
        PairCase{"negative mean",
                 {-3.2L, -3.15L, -3.1L, -3.05L, -3, -2.95L, -2.9L, -2.85L, -2.8L, 17},
                 201,
                 201}),
    [](const testing::TestParamInfo<PairCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

struct ExponentCase {
  const char* name;
  std::function<long double(long double)> fromScore;  // X as a function of a normal score
  double E;                                           // after the guards
  int k;
};

class ExponentSearchTest : public testing::TestWithParam<ExponentCase> {};

TEST_P(ExponentSearchTest, FindsAndGuardsTheExponent) {
  const ExponentCase& c = GetParam();
  const std::vector<long double> X = Map(NormalScores(20), c.fromScore);
  const NormalFit fit = FitNormalFamily(26, RankValues(X));
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.params.E, c.E);
  const Plain plain = PlainOf(Map(X, [&](long double v) { return std::pow(v, c.E); }));
  EXPECT_NEAR(fit.params.M, plain.mean, 1e-9 * plain.mean);
  EXPECT_NEAR(fit.params.S0, plain.sd, 1e-9 * plain.sd);
  EXPECT_DOUBLE_EQ(fit.params.S, NormalGridValue(c.k, fit.params.S0));
}

// Normal data: the best trial is E = 1.04, inside the band around 1.
// Log-normal data: the best trial is the grid's first, E = 0.20, below 0.21.
// Square roots of normal data: E = 2.08 (trial 189) is kept.
INSTANTIATE_TEST_SUITE_P(
    Shapes, ExponentSearchTest,
    testing::Values(ExponentCase{"normal", [](long double z) { return 5.5L + 1.5L * z; }, 1.0, 127},
                    ExponentCase{"lognormal", [](long double z) { return std::exp(z); }, 1.0, 124},
                    ExponentCase{"root of normal",
                                 [](long double z) { return std::sqrt(10 + 3 * z); },
                                 ExponentOfTrial(189), 127}),
    [](const testing::TestParamInfo<ExponentCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(NormalFamilyTest, GeneralizedMemberFallenBackToOneLeavesTheRanking) {
  const Sample normal =
      RankValues(Map(NormalScores(20), [](long double z) { return 5.5L + 1.5L * z; }));
  const NormalFit fit = FitNormalFamily(26, normal);
  ASSERT_TRUE(fit.fitted);
  ASSERT_EQ(fit.params.E, 1.0);
  EXPECT_EQ(NormalSadSlot(fit, true), 1000);
  EXPECT_FALSE(NormalHasListEntry(fit, true));
  // A preferred member is taken as it is.
  EXPECT_EQ(NormalSadSlot(fit, false), fit.SAD);
  EXPECT_GT(fit.SAD, 0);

  // Other members with the same fit keep their SAD and their entry.
  const NormalFit plain = FitNormalFamily(21, normal);
  EXPECT_EQ(NormalSadSlot(plain, true), plain.SAD);
  EXPECT_TRUE(NormalHasListEntry(plain, true));
  EXPECT_FALSE(NormalHasListEntry(plain, false));
}

TEST(NormalFamilyTest, GeneralizedMemberWithItsOwnExponentIsRanked) {
  const Sample roots =
      RankValues(Map(NormalScores(20), [](long double z) { return std::sqrt(10 + 3 * z); }));
  const NormalFit fit = FitNormalFamily(26, roots);
  ASSERT_NE(fit.params.E, 1.0);
  EXPECT_EQ(NormalSadSlot(fit, true), fit.SAD);
  EXPECT_TRUE(NormalHasListEntry(fit, true));
}

class EvaluationTest : public testing::TestWithParam<int> {};

TEST_P(EvaluationTest, StoredParametersGiveBackTheFit) {
  // A skewed sample, so that every member ends somewhere else.
  const Sample sample =
      RankValues({2.1L, 3.4L, 2.8L, 5.9L, 4.2L, 3.1L, 9.7L, 2.5L, 3.9L, 6.6L, 3.3L, 4.8L});
  const int code = GetParam();
  const NormalFit fit = FitNormalFamily(code, sample);
  ASSERT_TRUE(fit.fitted);
  const NormalFit again = EvaluateNormalFamily(code, sample, fit.params);
  ASSERT_TRUE(again.fitted);
  EXPECT_EQ(again.Fcalc, fit.Fcalc);
  EXPECT_EQ(again.SAD, fit.SAD);
  EXPECT_EQ(again.params.M, fit.params.M);
  EXPECT_EQ(again.params.S, fit.params.S);

  // Another spread changes the frequencies: nothing is searched again.
  NormalParams wider = fit.params;
  wider.S *= 2;
  const NormalFit widened = EvaluateNormalFamily(code, sample, wider);
  EXPECT_EQ(widened.params.S, wider.S);
  EXPECT_NE(widened.Fcalc, fit.Fcalc);
}

INSTANTIATE_TEST_SUITE_P(Members, EvaluationTest, testing::Range(20, 27));

}  // namespace
}  // namespace quarlin
