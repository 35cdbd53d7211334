#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

long double GevQuantile(long double F, double K, double A, double B) {
  return A + B * (std::exp(-K * std::log(-std::log(F))) - 1.0L) / K;
}

long double SampleSD(const Sample& s) {
  long double mean = 0, ss = 0;
  for (int i = 1; i <= s.N; ++i) mean += s.X[i] / s.N;
  for (int i = 1; i <= s.N; ++i) ss += (s.X[i] - mean) * (s.X[i] - mean);
  return std::sqrt(ss / (s.N - 1));
}

// The location is taken where the observed frequency reaches 0.37, not at the
// law's own exp(-1), so the fit lands next to (not on) the generating law:
// within one shape step and one scale step (1% of the standard deviation).
TEST(GevFitTest, LandsNextToGeneratingLaw) {
  const Sample s = QuantileSample(40, [](long double F) { return GevQuantile(F, -0.2, 10, 2); });
  const FitResult fit = FitGev(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 67);
  EXPECT_NEAR(fit.params.gev.K, -0.2, 0.0100001);
  EXPECT_NEAR(fit.params.gev.B, 2.0, 0.01 * static_cast<double>(SampleSD(s)));
  EXPECT_NEAR(fit.params.gev.A, static_cast<double>(GevQuantile(0.37L, -0.2, 10, 2)), 0.01);
  EXPECT_FALSE(fit.params.gev.boundCorrected);
  EXPECT_EQ(fit.extraProgress, std::vector<std::string>{" This takes time .."});
}

// Data of a steep law with upper bound 12.22 whose largest datum is moved up
// to 13: the best trial leaves that datum beyond its bound. The corrected
// shape puts the bound 0.1% above it, so it is inside the support and gets
// a value near 1, not exp(-1).
TEST(GevFitTest, BoundInsideDataIsMovedBeyondLargestDatum) {
  Sample base = QuantileSample(40, [](long double F) { return GevQuantile(F, -0.9, 10, 2); });
  std::vector<long double> values(base.X.begin() + 1, base.X.end());
  values.back() = 13.0L;
  const Sample s = RankValues(values);
  const FitResult fit = FitGev(s);
  ASSERT_TRUE(fit.fitted);
  const GevParams& gev = fit.params.gev;
  EXPECT_TRUE(gev.boundCorrected);
  ASSERT_LT(gev.K, 0.0);
  EXPECT_NEAR(gev.A - gev.B / gev.K, 13.013, 1e-9);
  for (int i = 1; i <= s.N; ++i) EXPECT_GT(1.0L + gev.K * (s.X[i] - gev.A) / gev.B, 0.0L) << i;
  EXPECT_GT(fit.Fcalc[s.N], fit.Fcalc[s.N - 1]);
  EXPECT_GT(fit.Fcalc[s.N], 0.9L);
}

struct BoundCase {
  double K, A, B;
  bool corrected;
  double bound;  // A - B/K afterwards
};

class GevBoundTest : public ::testing::TestWithParam<BoundCase> {};

// Data 1..6.
TEST_P(GevBoundTest, BoundEndsBeyondMostExtremeDatum) {
  const BoundCase c = GetParam();
  GevParams gev{c.K, c.A, c.B, !c.corrected};
  CorrectGevBound(RankValues({1, 2, 3, 4, 5, 6}), gev);
  EXPECT_EQ(gev.boundCorrected, c.corrected);
  EXPECT_EQ(gev.A, c.A);
  EXPECT_EQ(gev.B, c.B);
  EXPECT_NEAR(gev.A - gev.B / gev.K, c.bound, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GevBoundTest,
    ::testing::Values(BoundCase{-0.5, 3, 1, true, 6.006},     // upper bound 5 inside the data
                      BoundCase{-0.2, 3, 1, false, 8.0},      // upper bound 8 clears 6
                      BoundCase{-0.2, 3, 0.6, true, 6.006},   // 0.999*6 = 5.994 < 6
                      BoundCase{0.5, 3, 1, true, 0.999},      // lower bound 1 on the smallest datum
                      BoundCase{0.5, 3, 4.2, false, -5.4}));  // lower bound -5.4 clears 1

}  // namespace
}  // namespace quarlin
