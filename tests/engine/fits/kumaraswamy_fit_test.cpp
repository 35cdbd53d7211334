#include <gtest/gtest.h>

#include <cmath>

#include "engine/fits/own_formula_fits.h"
#include "engine/search/exponent_grid.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

constexpr int kN = 20;

// Data of F = 1 - (1 - (x/M)^a)^b with M = 1, b chosen so that the largest
// datum is M/1.5: the upper-end trial 5, 1.5*X[N], is then M itself.
// Returns b.
long double KumaraswamySample(double a, Sample& s) {
  const long double lastF = static_cast<long double>(kN) / (kN + 1);
  const long double b = std::log(1.0L - lastF) / std::log(1.0L - std::pow(1.0L / 1.5L, a));
  s = QuantileSample(
      kN, [&](long double F) { return std::pow(1.0L - std::pow(1.0L - F, 1.0L / b), 1.0L / a); });
  return b;
}

TEST(KumaraswamyFitTest, LandsOnGridPointOfGeneratingLaw) {
  const double a = ExponentOfTrial(31);  // 0.5
  Sample s;
  const long double b = KumaraswamySample(a, s);
  const FitResult fit = FitKumaraswamy(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 36);
  EXPECT_NEAR(fit.params.kumaraswamy.M, 1.0, 1e-12);
  EXPECT_EQ(fit.params.kumaraswamy.A, a);
  EXPECT_NEAR(fit.params.kumaraswamy.B, static_cast<double>(b), 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
}

// The search ends on trial 83 (1.02), in the band that the exponent guard
// turns into 1; the final line is then drawn with exponent 1.
TEST(KumaraswamyFitTest, ExponentNearOneIsGuardedToOne) {
  Sample s;
  KumaraswamySample(ExponentOfTrial(83), s);
  const FitResult fit = FitKumaraswamy(s);
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.params.kumaraswamy.A, 1.0);
  EXPECT_NEAR(fit.params.kumaraswamy.M, 1.0, 1e-12);
  EXPECT_GT(fit.SAD, 1e-9);
}

}  // namespace
}  // namespace quarlin
