#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/fits/own_formula_fits.h"

namespace quarlin {
namespace {

// 29 values of a Laplace law with centre 10 at the quantiles of the plotting
// positions i/30. The scales put the data of rank 9 and 19 (a third and two
// thirds of the ranks) at `low` and `high`; the datum of rank 15 (frequency
// 0.5) is the centre.
constexpr int kN = 29;

struct LaplaceLaw {
  double low, high;
  double D1() const { return (low - 10.0) / std::log(0.6); }
  double D2() const { return -(high - 10.0) / std::log(22.0 / 30.0); }

  std::vector<long double> Values() const {
    std::vector<long double> t;
    for (int i = 1; i <= kN; ++i) {
      const long double F = static_cast<long double>(i) / (kN + 1);
      t.push_back(F < 0.5L ? 10.0L + D1() * std::log(2.0L * F)
                           : 10.0L - D2() * std::log(2.0L - 2.0L * F));
    }
    t[8] = low;
    t[14] = 10.0L;
    t[18] = high;
    return t;
  }
};

// Location trial 10 between the data 8 and 12 is exactly the centre. Both
// half-lines then pass exactly through their points: the lower one has slope
// 1/D1, the upper one (which starts from the centre datum) -1/D2.
TEST(LaplaceFitTest, LandsOnCentreAndScalesOfGeneratingLaw) {
  const LaplaceLaw law{8.0, 12.0};
  const FitResult fit = FitLaplace(RankValues(law.Values()));
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 68);
  EXPECT_NEAR(fit.params.laplace.L, 10.0, 1e-12);
  EXPECT_NEAR(fit.params.laplace.D1, law.D1(), 1e-9);
  EXPECT_NEAR(fit.params.laplace.D2, law.D2(), 1e-9);
  EXPECT_EQ(fit.params.laplace.E1, 1.0);
  EXPECT_EQ(fit.params.laplace.E2, 1.0);
  EXPECT_LT(fit.SAD, 1e-9);
}

// The law in t = x^0.5 (E1 = E2 = 0.5, trial 20 of both exponents). The data
// 81, 100 and 119 at ranks 9, 15 and 19 make location trial 10 the datum
// 100, whose transformed value 10 is the centre in the scale of t.
TEST(LaplaceFitTest, GeneralizedLandsOnExponentsAndCentreOfGeneratingLaw) {
  const LaplaceLaw law{9.0, std::sqrt(119.0)};
  std::vector<long double> values = law.Values();
  for (long double& v : values) v = v * v;
  values[8] = 81.0L;
  values[14] = 100.0L;
  values[18] = 119.0L;
  const FitResult fit = FitGeneralizedLaplace(RankValues(values));
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.code, 73);
  EXPECT_EQ(fit.params.laplace.E1, 0.5);
  EXPECT_EQ(fit.params.laplace.E2, 0.5);
  EXPECT_NEAR(fit.params.laplace.L, 10.0, 1e-12);
  EXPECT_NEAR(fit.params.laplace.D1, law.D1(), 1e-9);
  EXPECT_NEAR(fit.params.laplace.D2, law.D2(), 1e-9);
  EXPECT_LT(fit.SAD, 1e-9);
}

}  // namespace
}  // namespace quarlin
