#include "engine/fits/regression_members.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarlin {
namespace {

// The quantile x of each plotting position under the member's own law with
// slope A, intercept B and exponent E, written out per link so that the fit
// is checked against the closed form and not against itself.
long double Quantile(int code, long double F, double A, double B, double E) {
  long double Ft = 0;
  switch (code) {
    case 4:
    case 51:
      Ft = -std::log(-std::log(F));
      break;
    case 5:
    case 52:
      Ft = -std::log(-std::log(1 - F));
      break;
    case 53:
    case 54:
    case 55:
      Ft = std::log(1 / F - 1);
      break;
    case 3:
      Ft = -std::log(1 - F);
      break;
    case 57:
      Ft = std::log(-std::log(1 - F));
      break;
    case 60:
      Ft = std::log(-std::log(F));
      break;
    case 64:
    case 65:
      Ft = std::tan(3.14159265358979323846L * (F - 0.5L));
      break;
    case 66:
      Ft = -std::log(F);
      break;
  }
  const long double Xt = (Ft - B) / A;
  if (code == 54 || code == 57 || code == 60) return std::exp(Xt);
  return std::pow(Xt, 1.0L / E);
}

struct LawCase {
  int code;
  double A, B, E;
};

class RegressionRecoveryTest : public testing::TestWithParam<LawCase> {};

// Data exactly on a member's law: the search lands on the law's exponent,
// the line on its slope and intercept, and the calculated frequencies on the
// plotting positions.
TEST_P(RegressionRecoveryTest, RecoversTheLawTheDataFollow) {
  const auto& c = GetParam();
  const int N = 40;
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) values.push_back(Quantile(c.code, i / (N + 1.0L), c.A, c.B, c.E));
  const Sample s = RankValues(values);
  const FitResult r = FitRegressionMember(s, *RegressionMemberOf(c.code));
  ASSERT_TRUE(r.fitted);
  EXPECT_NEAR(r.params.line.E, c.E, 1e-9);
  EXPECT_NEAR(r.params.line.A, c.A, 1e-6 * std::fabs(c.A));
  EXPECT_NEAR(r.params.line.B, c.B, 1e-6 * std::max(1.0, std::fabs(c.B)));
  EXPECT_LT(r.SAD, 1e-6L);
}

INSTANTIATE_TEST_SUITE_P(Members, RegressionRecoveryTest,
                         testing::Values(LawCase{4, 0.05, -5.0, 1}, LawCase{5, -0.2, 4.0, 1},
                                         LawCase{53, -0.1, 3.0, 1}, LawCase{54, -2.0, 4.0, 1},
                                         LawCase{57, 1.5, -3.0, 1}, LawCase{60, -1.2, 2.0, 1},
                                         LawCase{64, 0.3, -6.0, 1}, LawCase{51, 0.02, -3.0, 1.5},
                                         LawCase{52, -0.5, 5.0, 0.5}, LawCase{55, -0.01, 5.0, 2.0},
                                         LawCase{65, 0.004, -20.0, 2.5}, LawCase{3, 0.3, 0.0, 0.8},
                                         LawCase{66, -0.5, 5.0, 0.4}));

TEST(RegressionMemberTest, ExponentNearOneFallsBackToOne) {
  const int N = 30;
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) values.push_back(Quantile(51, i / (N + 1.0L), 0.05, -5.0, 1.02));
  const FitResult r = FitRegressionMember(RankValues(values), *RegressionMemberOf(51));
  ASSERT_TRUE(r.fitted);
  EXPECT_EQ(r.params.line.E, 1.0);
}

TEST(RegressionMemberTest, RatioLineOfCode6PassesThroughFirstPointAndKeepsNoIntercept) {
  std::vector<long double> values{1, 2, 3, 5, 8, 13, 21};
  const Sample s = RankValues(values);
  const FitResult r = FitRegressionMember(s, *RegressionMemberOf(6));
  ASSERT_TRUE(r.fitted);
  EXPECT_EQ(r.params.line.B, 0.0);
  long double meanX = 0, meanF = 0;
  for (int i = 1; i <= 7; ++i) {
    meanX += s.X[i] / 7;
    meanF += -std::log(1 - s.Fc[i]) / 7;
  }
  const long double slope = (meanF + std::log(1 - s.Fc[1])) / (meanX - s.X[1]);
  EXPECT_NEAR(r.params.line.A, slope, 1e-12);
  EXPECT_NEAR(r.Fcalc[3], 1 - std::exp(-slope * 3), 1e-12);
}

struct GuardCase {
  int code;
  long double z;
  long double search, final;
};

class RegressionGuardTest : public testing::TestWithParam<GuardCase> {};

// The exponential forms saturate at 8 inside the search only; the value
// handed on is the raw function held within 0.001..0.999.
TEST_P(RegressionGuardTest, SearchAndFinalValues) {
  const auto& c = GetParam();
  const RegressionMember m = *RegressionMemberOf(c.code);
  EXPECT_NEAR(SearchValue(m, c.z), c.search, 1e-15);
  EXPECT_NEAR(FinalValue(m, c.z), c.final, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Members, RegressionGuardTest,
    testing::Values(GuardCase{3, -9, 8, 0.001L}, GuardCase{3, -8, 8, 0.001L},
                    GuardCase{3, 10, 1 - std::exp(-10.0L), 0.999L},
                    GuardCase{3, 0.5L, 1 - std::exp(-0.5L), 1 - std::exp(-0.5L)},
                    GuardCase{66, -9, 8, 0.999L},
                    GuardCase{66, 9, std::exp(-9.0L), std::exp(-9.0L)},
                    GuardCase{4, 12, std::exp(-std::exp(-8.0L)), std::exp(-std::exp(-8.0L))},
                    GuardCase{4, -12, std::exp(-std::exp(8.0L)), std::exp(-std::exp(8.0L))},
                    GuardCase{53, 2, 1 / (1 + std::exp(2.0L)), 1 / (1 + std::exp(2.0L))}));

}  // namespace
}  // namespace quarlin
