// The calculated frequencies a composite fit reports are the catalogue's
// values of the fitted parameters, except where a saturation guard of the
// searches holds them.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/composite_members.h"
#include "engine/fits/generalized_composite.h"
#include "engine/fits/simple_composite.h"

namespace quarlin {
namespace {

// Skewed, positive and with a change of slope around rank 35.
Sample SkewedSample() {
  std::vector<long double> values;
  for (int i = 1; i <= 60; ++i)
    values.push_back(i <= 35 ? 1 + 0.2L * i : 8 + 0.02L * i * i - 24.5L);
  return RankValues(values);
}

struct Guarded {
  bool active = false;
  long double F = 0;
};

// The guard of `link` at predictor z, written out from the links' own rules.
Guarded GuardAt(Link link, long double z) {
  switch (link) {
    case Link::Gumbel:
      if (std::fabs(z) > 8) return {true, std::exp(-std::exp(-std::copysign(8.0L, z)))};
      return {};
    case Link::MirroredGumbel:
      if (std::fabs(z) > 8) return {true, 1 - std::exp(-std::exp(-std::copysign(8.0L, z)))};
      return {};
    case Link::Poisson:
      if (-z >= 8) return {true, 8};
      return {};
    default:
      return {};
  }
}

// One far outlier on top drives the upper side of several composites
// beyond the clamp of the double exponentials.
Sample OutlierSample() {
  std::vector<long double> values;
  for (int i = 1; i <= 59; ++i) values.push_back(i);
  values.push_back(1000);
  return RankValues(values);
}

FitResult Fit(const Sample& s, int code) {
  return CompositeShapeOf(code)->generalized ? FitGeneralizedComposite(s, code)
                                             : FitSimpleComposite(s, code);
}

// Checks the fit's values against the catalogue and the guards; returns the
// number of points a guard held.
int CheckValues(const Sample& s, int code) {
  const CompositeShape shape = *CompositeShapeOf(code);
  const FitResult fit = Fit(s, code);
  EXPECT_TRUE(fit.fitted);
  if (!fit.fitted) return 0;
  EXPECT_EQ(static_cast<int>(fit.Fcalc.size()), s.N + 1);
  const CompositeParams& c = fit.params.composite;

  int guarded = 0;
  long double sad = 0;
  for (int i = 1; i <= s.N; ++i) {
    const bool lower = i <= c.K;
    const Link link = lower ? shape.lower : shape.upper;
    const double A = lower ? c.As : c.Ag, B = lower ? c.Bs : c.Bg, E = lower ? c.Es : c.Eg;
    const long double z = A * std::exp(E * std::log(s.X[i])) + B;
    const Guarded guard = GuardAt(link, z);
    if (guard.active) {
      EXPECT_EQ(fit.Fcalc[i], guard.F) << "rank " << i;
      ++guarded;
    } else {
      const auto value = Evaluate(code, s.X[i], fit.params, EvalSite::DataPoint(i));
      EXPECT_TRUE(value.has_value());
      if (value) {
        EXPECT_NEAR(static_cast<double>(fit.Fcalc[i]), static_cast<double>(value->F), 1e-15)
            << "rank " << i;
      }
    }
    sad += std::fabs(s.Fc[i] - fit.Fcalc[i]);
  }
  EXPECT_NEAR(static_cast<double>(fit.SAD), static_cast<double>(sad), 1e-15);
  return guarded;
}

class CompositeFitValuesTest : public ::testing::TestWithParam<int> {};

TEST_P(CompositeFitValuesTest, AreTheCatalogueValuesWhereNoGuardHolds) {
  // Most points must reach the catalogue comparison.
  for (const Sample& s : {SkewedSample(), OutlierSample()})
    EXPECT_LT(CheckValues(s, GetParam()), s.N / 2);
}

INSTANTIATE_TEST_SUITE_P(Codes, CompositeFitValuesTest,
                         ::testing::Values(7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 70, 71, 72,
                                           74, 80, 81, 82, 83, 84, 85));

TEST(CompositeFitValuesTest, AnOutlierIsHeldAtTheClamp) {
  for (int code : {7, 9, 80}) EXPECT_GE(CheckValues(OutlierSample(), code), 1) << "code " << code;
}

}  // namespace
}  // namespace quarlin
