#include <gtest/gtest.h>

#include <cmath>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

// A law F = exp(-w^A) or 1 - exp(-w^A) with w the distance to the bound C
// over the scale s, the sign of A making F increase with the datum.
struct BoundLaw {
  int code;
  double A;
  double C;
  double scale;
};

class BoundFamilyFitTest : public ::testing::TestWithParam<BoundLaw> {};

long double BoundQuantile(const BoundLaw& law, long double F) {
  const bool lower = law.code == 58 || law.code == 35;
  const bool mirrored = law.code == 35 || law.code == 33;
  const long double w = std::pow(-std::log(mirrored ? 1.0L - F : F), 1.0L / law.A);
  return lower ? law.C + law.scale * w : law.C - law.scale * w;
}

// The bound grid steps by 1% of the data range; the fit must land within
// one step of the bound of the law the data came from, and its line must
// carry that law's exponent and scale (intercept -A*ln s) closely.
TEST_P(BoundFamilyFitTest, LandsNextToBoundOfGeneratingLaw) {
  const BoundLaw law = GetParam();
  const Sample s = QuantileSample(20, [&](long double F) { return BoundQuantile(law, F); });
  const double step = static_cast<double>(0.01L * (s.X[s.N] - s.X[1]));
  const FitResult fit = FitBoundFamily(s, law.code);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, law.code);
  EXPECT_NEAR(fit.params.bound.C, law.C, step);
  EXPECT_NEAR(fit.params.bound.A, law.A, 0.05 * std::fabs(law.A));
  EXPECT_NEAR(std::exp(-fit.params.bound.B / fit.params.bound.A), law.scale, 0.05 * law.scale);
  EXPECT_FALSE(fit.params.bound.boundWarning);
  EXPECT_LT(fit.SAD / s.N, 0.002);
}

INSTANTIATE_TEST_SUITE_P(Codes, BoundFamilyFitTest,
                         ::testing::Values(BoundLaw{58, -2.0, 1.0, 3.0},
                                           BoundLaw{35, 1.5, 2.0, 4.0},
                                           BoundLaw{59, 2.5, 20.0, 5.0},
                                           BoundLaw{33, -1.8, 30.0, 6.0}));

TEST(BoundFamilyFitTest, OtherCodesAreNotFitted) {
  const Sample s = RankValues({1, 2, 3, 4, 5, 6});
  EXPECT_FALSE(FitBoundFamily(s, 57).fitted);
}

}  // namespace
}  // namespace quarlin
