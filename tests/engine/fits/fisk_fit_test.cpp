#include <gtest/gtest.h>

#include <cmath>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

// F = 1 - 1/(1 + (x/B)^A) with A = 2.1, grid value 10. The scale grid is a
// fraction of the mean datum in steps of 1% of it, so the fit lands within
// one step of B = 5.
TEST(AdjustedFiskFitTest, LandsNextToGeneratingLaw) {
  const double A = 2.1, B = 5.0;
  const Sample s =
      QuantileSample(20, [&](long double F) { return B * std::pow(F / (1.0L - F), 1.0L / A); });
  long double mean = 0;
  for (int i = 1; i <= s.N; ++i) mean += s.X[i] / s.N;
  const FitResult fit = FitAdjustedFisk(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 56);
  EXPECT_NEAR(fit.params.fisk.A, A, 1e-12);
  EXPECT_NEAR(fit.params.fisk.B, B, 0.01 * static_cast<double>(mean));
}

}  // namespace
}  // namespace quarlin
