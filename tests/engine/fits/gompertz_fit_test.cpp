#include <gtest/gtest.h>

#include <cmath>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

// F = 1 - exp(A*(exp(q*Z^p) - 1)) solved for Z.
long double GompertzQuantile(long double F, double A, double p, double q) {
  return std::pow(std::log(std::log(1.0L - F) / A + 1.0L) / q, 1.0L / p);
}

// p = 1.2 is grid value 10, q = 0.5 grid value 3; the data reach 3.7.
TEST(GompertzFitTest, LandsOnGridPointOfGeneratingLaw) {
  const double A = -0.3, p = 1.2, q = 0.5;
  const FitResult fit =
      FitGompertz(QuantileSample(20, [&](long double F) { return GompertzQuantile(F, A, p, q); }));
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 34);
  EXPECT_FALSE(fit.params.gompertz.flag);
  EXPECT_NEAR(fit.params.gompertz.E, p, 1e-12);
  EXPECT_NEAR(fit.params.gompertz.B, q, 1e-12);
  EXPECT_NEAR(fit.params.gompertz.A, A, 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
}

// Z between 1.04 and 1.9, so every datum Z - 1 lies below 1: the fit must
// add 1 itself to find the law again.
TEST(GompertzFitTest, DataBelowOneAreShiftedByOneAndFlagged) {
  const double A = -0.05, p = 3.0, q = 0.6;
  const Sample s =
      QuantileSample(20, [&](long double F) { return GompertzQuantile(F, A, p, q) - 1.0L; });
  ASSERT_LT(s.X[s.N], 1.0L);
  const FitResult fit = FitGompertz(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_TRUE(fit.params.gompertz.flag);
  EXPECT_NEAR(fit.params.gompertz.E, p, 1e-12);
  EXPECT_NEAR(fit.params.gompertz.B, q, 1e-12);
  EXPECT_NEAR(fit.params.gompertz.A, A, 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
}

}  // namespace
}  // namespace quarlin
