#include <gtest/gtest.h>

#include <cmath>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;
using testing::SolveIncreasing;

// Erlang law of order 3 and scale 1.5 (grid values n = 3, theta = 0.1*15).
TEST(GammaFitTest, LandsOnGridPointOfGeneratingLaw) {
  const long double theta = 0.1 * 15;
  const auto cdf = [&](long double x) {
    const long double t = x / theta;
    return 1.0L - std::exp(-t) * (1.0L + t + t * t / 2.0L);
  };
  const FitResult fit = FitGamma(
      QuantileSample(20, [&](long double F) { return SolveIncreasing(cdf, F, 0.0L, 100.0L); }));
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 61);
  EXPECT_EQ(fit.params.gamma.b, 3.0);
  EXPECT_EQ(fit.params.gamma.a, static_cast<double>(theta));
  EXPECT_LT(fit.SAD, 1e-9);
}

}  // namespace
}  // namespace quarlin
