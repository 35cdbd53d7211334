#include <gtest/gtest.h>

#include <cmath>

#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

// F = 1 - exp(-x^E/S) gives x^E = -S*ln(1 - F), so the mean of x^E over the
// sample is S*m with m the mean of -ln(1 - F). The trial divisors are
// (0.01*j*mean)^E; with E = 2 (trial 190) and S = (0.5*m)^(E/(1-E)) the
// divisor of trial j = 50 is S itself. A divisor grid not raised to E would
// miss this law.
TEST(GeneralizedRayleighFitTest, LandsOnGridPointOfGeneratingLaw) {
  const int N = 20;
  const double E = 0.1 + 0.01 * 190;
  long double m = 0;
  for (int i = 1; i <= N; ++i) m -= std::log(1.0L - static_cast<long double>(i) / (N + 1)) / N;
  const long double S = std::pow(0.5L * m, E / (1.0 - E));
  const FitResult fit = FitGeneralizedRayleigh(QuantileSample(
      N, [&](long double F) { return std::pow(-S * std::log(1.0L - F), 1.0L / E); }));
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 69);
  EXPECT_EQ(fit.params.rayleigh.E, E);
  EXPECT_NEAR(fit.params.rayleigh.S, static_cast<double>(S), 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
}

}  // namespace
}  // namespace quarlin
