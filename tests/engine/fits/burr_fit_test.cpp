#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

struct StepCase {
  long double xmax;
  double step;
};

class BurrScaleStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(BurrScaleStepTest, StepFollowsLargestDatum) {
  EXPECT_EQ(BurrScaleStep(GetParam().xmax), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    TableEdges, BurrScaleStepTest,
    ::testing::Values(StepCase{0.3L, 0.001}, StepCase{0.5L, 0.001}, StepCase{0.6L, 0.002},
                      StepCase{0.999L, 0.002}, StepCase{1.0L, 0.01}, StepCase{5.0L, 0.01},
                      StepCase{5.5L, 0.02}, StepCase{10.0L, 0.02}, StepCase{10.5L, 0.1},
                      StepCase{50.0L, 0.1}, StepCase{100.0L, 0.2}, StepCase{500.0L, 1},
                      StepCase{1000.0L, 2}, StepCase{5000.0L, 10}, StepCase{5001.0L, 20}));

// Data in (0, 0.004]: step 0.001 and only three trial scales, so a large N
// stays quick.
Sample SmallValues(int N) {
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) values.push_back(0.0001L + 0.0039L * i * i / (N * N));
  return RankValues(values);
}

TEST(BurrFitTest, BusyLineOnlyAboveFiveHundredData) {
  const FitResult large = FitBurr(SmallValues(501));
  ASSERT_TRUE(large.fitted);
  EXPECT_EQ(large.extraProgress, std::vector<std::string>{" Burr is busy ....."});
  EXPECT_TRUE(FitBurr(SmallValues(500)).extraProgress.empty());
  EXPECT_TRUE(FitDagum(SmallValues(501)).extraProgress.empty());
}

TEST(BurrFitTest, NoTrialScaleBelowLargestDatumLeavesBurrUnfitted) {
  // The first trial scale, 0.001, is not below the largest datum.
  const Sample s = RankValues({0.0002L, 0.0003L, 0.0005L, 0.0006L, 0.0008L, 0.001L});
  EXPECT_FALSE(FitBurr(s).fitted);
  EXPECT_FALSE(FitDagum(s).fitted);
}

TEST(BurrFitTest, BusyLineStaysWhenNoTrialQualifies) {
  std::vector<long double> values;
  for (int i = 1; i <= 501; ++i) values.push_back(0.0001L + 0.0009L * i / 501);
  const FitResult fit = FitBurr(RankValues(values));
  EXPECT_FALSE(fit.fitted);
  EXPECT_EQ(fit.extraProgress, std::vector<std::string>{" Burr is busy ....."});
}

// Burr: F = 1 - (1 + (x/K)^E)^-c, so Ln(1 - F) = c*Ln(K^E/(x^E + K^E)): slope
// c, intercept 0. E = 1.5 is trial 130; the data reach 11.7, giving step 0.1
// and K = 5 as trial scale 50.
TEST(BurrFitTest, LandsOnGridPointOfGeneratingLaw) {
  const double E = 1.5, K = 5.0, c = 2.0;
  const Sample s = QuantileSample(20, [&](long double F) {
    return K * std::pow(std::pow(1.0L - F, -1.0L / c) - 1.0L, 1.0L / E);
  });
  const FitResult fit = FitBurr(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 31);
  EXPECT_NEAR(fit.params.burr.A, E, 1e-12);
  EXPECT_NEAR(fit.params.burr.K, K, 1e-12);
  EXPECT_NEAR(fit.params.burr.B, std::pow(K, E), 1e-9);
  EXPECT_NEAR(fit.params.burr.E, c, 1e-9);
  EXPECT_NEAR(fit.params.burr.D, 0.0, 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
  EXPECT_TRUE(fit.extraProgress.empty());
}

// Dagum: F = (1 + (x/K)^E)^-c with E < 0. E = -1.2 is trial 100; the data
// reach about 12, giving step 0.1 and K = 1.2 as trial scale 12.
TEST(BurrFitTest, DagumLandsOnGridPointOfGeneratingLaw) {
  const double E = -1.2, K = 1.2, c = 0.8;
  const Sample s = QuantileSample(
      20, [&](long double F) { return K * std::pow(std::pow(F, -1.0L / c) - 1.0L, 1.0L / E); });
  const FitResult fit = FitDagum(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 32);
  EXPECT_NEAR(fit.params.burr.A, E, 1e-12);
  EXPECT_NEAR(fit.params.burr.K, K, 1e-12);
  EXPECT_NEAR(fit.params.burr.B, std::pow(K, E), 1e-9);
  EXPECT_NEAR(fit.params.burr.E, c, 1e-9);
  EXPECT_NEAR(fit.params.burr.D, 0.0, 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
}

}  // namespace
}  // namespace quarlin
