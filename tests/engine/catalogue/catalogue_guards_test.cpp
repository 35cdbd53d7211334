#include <gtest/gtest.h>

#include <cmath>

#include "engine/catalogue/catalogue.h"
#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

long double FreeF(int code, long double Y, const FittedParams& p) {
  return Evaluate(code, Y, p, EvalSite::FreeValue())->F;
}

TEST(LaplaceGuardTest, TheCentreItselfGivesExactlyOneHalf) {
  const FittedParams p = testing::Laplace(4, 1.5, 2.5, 1, 1);
  EXPECT_EQ(FreeF(68, 4.0L, p), 0.5L);
}

TEST(GeneralizedLaplaceGuardTest, YPowerE1ChoosesTheSideEvenWhenYPowerE2DisagreesWithIt) {
  // 4.5^0.9 = 3.87 is not above L = 4 while 4.5^1.2 = 6.08 is: lower side.
  FittedParams p = testing::Laplace(4, 1.5, 2.5, 0.9, 1.2);
  EXPECT_NEAR(static_cast<double>(FreeF(73, 4.5L, p)),
              static_cast<double>(0.5L * std::exp((std::pow(4.5L, 0.9L) - 4) / 1.5L)), 1e-15);
  // 3.5^1.2 = 4.50 is above L while 3.5^0.9 = 3.09 is not: upper side, which
  // then gives a value below one half.
  p = testing::Laplace(4, 1.5, 2.5, 1.2, 0.9);
  const long double upper = 1 - 0.5L * std::exp(-(std::pow(3.5L, 0.9L) - 4) / 2.5L);
  EXPECT_NEAR(static_cast<double>(FreeF(73, 3.5L, p)), static_cast<double>(upper), 1e-15);
  EXPECT_LT(upper, 0.5L);
}

class GevOutsideSupportTest : public ::testing::TestWithParam<std::pair<double, long double>> {};

TEST_P(GevOutsideSupportTest, GivesExpMinusOne) {
  FittedParams p;
  p.gev = {GetParam().first, 3.0, 1.5, false};
  EXPECT_NEAR(static_cast<double>(FreeF(67, GetParam().second, p)), 0.36787944117144233, 1e-16);
}

// (shape K, Y): 1 + K(Y - 3)/1.5 is 0 or below.
INSTANTIATE_TEST_SUITE_P(Points, GevOutsideSupportTest,
                         ::testing::Values(std::pair{-0.5, 6.0L}, std::pair{-0.5, 10.0L},
                                           std::pair{0.5, -0.5L}, std::pair{0.5, 0.0L}));

TEST(GevGuardTest, AShapeOfZeroIsTheGumbelLimit) {
  FittedParams p;
  p.gev = {0.0, 3.0, 1.5, false};
  for (const long double Y : {1.0L, 3.0L, 7.0L}) {
    const long double gumbel = std::exp(-std::exp(-(Y - 3) / 1.5L));
    EXPECT_NEAR(static_cast<double>(FreeF(67, Y, p)), static_cast<double>(gumbel), 1e-15);
    const auto back = Invert(67, gumbel, p, Member::Lower);
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(static_cast<double>(*back), static_cast<double>(Y), 1e-9);
  }
}

TEST(FiskGuardTest, ATinyScaleIsEvaluatedAndStoredAs0001) {
  for (const double tiny : {0.0005, -0.0005, 0.0}) {
    FittedParams p;
    p.fisk = {0.5, tiny};
    // (0.004/0.001)^0.5 = 2, so F = 2/3.
    EXPECT_NEAR(static_cast<double>(FreeF(56, 0.004L, p)), 2.0 / 3.0, 1e-15) << tiny;
    ApplyStoredGuards(56, p);
    EXPECT_EQ(p.fisk.B, 0.001) << tiny;
  }
}

TEST(FiskGuardTest, AScaleOf0001OrMoreInSizeIsKept) {
  for (const double kept : {0.001, -0.001, 0.002, 3.0}) {
    FittedParams p;
    p.fisk = {0.5, kept};
    ApplyStoredGuards(56, p);
    EXPECT_EQ(p.fisk.B, kept);
  }
}

TEST(FiskGuardTest, OtherCodesLeaveTheSlotAlone) {
  FittedParams p;
  p.fisk = {0.5, 0.0005};
  ApplyStoredGuards(57, p);
  EXPECT_EQ(p.fisk.B, 0.0005);
}

struct BoundCase {
  int code;
  double C;
  long double beyond;  // a value on the wrong side of C
  bool oneMinus;       // F = 1 - exp(-w^A) rather than exp(-w^A)
};

void PrintTo(const BoundCase& c, std::ostream* os) {
  *os << "code" << c.code;
}

class BoundGuardTest : public ::testing::TestWithParam<BoundCase> {
 protected:
  FittedParams Params() const { return testing::Bound(1.6, -1.5, GetParam().C); }
  long double Expected(long double w) const {
    const long double e = std::exp(-std::pow(w, 1.6L));
    return GetParam().oneMinus ? 1 - e : e;
  }
};

TEST_P(BoundGuardTest, AtADataPointWBecomes00001AndTheWarningIsRaised) {
  for (const long double Y : {GetParam().beyond, static_cast<long double>(GetParam().C)}) {
    const auto value = Evaluate(GetParam().code, Y, Params(), EvalSite::DataPoint(3));
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(static_cast<double>(value->F), static_cast<double>(Expected(0.0001L)), 1e-16);
    EXPECT_TRUE(value->boundWarning);
  }
}

TEST_P(BoundGuardTest, AtAnyOtherValueWBecomes0001Silently) {
  for (const long double Y : {GetParam().beyond, static_cast<long double>(GetParam().C)}) {
    const auto value = Evaluate(GetParam().code, Y, Params(), EvalSite::FreeValue());
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(static_cast<double>(value->F), static_cast<double>(Expected(0.001L)), 1e-16);
    EXPECT_FALSE(value->boundWarning);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, BoundGuardTest,
                         ::testing::Values(BoundCase{58, 0.5, 0.2L, false},
                                           BoundCase{35, 0.5, 0.2L, true},
                                           BoundCase{59, 10.0, 12.0L, false},
                                           BoundCase{33, 10.0, 12.0L, true}),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

struct GammaCase {
  double b;
  int terms;
};

void PrintTo(const GammaCase& c, std::ostream* os) {
  *os << "b=" << c.b;
}

class GammaTermsTest : public ::testing::TestWithParam<GammaCase> {};

TEST_P(GammaTermsTest, SumsTheNearestIntegerNumberOfTermsWithHalvesToEven) {
  FittedParams p;
  p.gamma = {1.5, GetParam().b};
  const long double Y = 2.0L, x = Y / 1.5L;
  long double sum = 0;
  for (int n = 0; n < GetParam().terms; ++n) {
    sum += std::pow(x, n) * std::exp(-x) / std::tgamma(n + 1.0L);
  }
  EXPECT_NEAR(static_cast<double>(FreeF(61, Y, p)), static_cast<double>(1 - sum), 1e-16);
}

INSTANTIATE_TEST_SUITE_P(Orders, GammaTermsTest,
                         ::testing::Values(GammaCase{2.4, 2}, GammaCase{2.5, 2}, GammaCase{2.6, 3},
                                           GammaCase{3.5, 4}, GammaCase{1.5, 2}, GammaCase{0.5, 0},
                                           GammaCase{0.4, 0}, GammaCase{-3.0, 0},
                                           GammaCase{7.0, 7}));

TEST(GammaGuardTest, AHugeOrderSumsToOneWithoutRunningOn) {
  FittedParams p;
  p.gamma = {1.5, 1e12};
  EXPECT_NEAR(static_cast<double>(FreeF(61, 2.0L, p)), 0.0, 1e-15);
}

TEST(BurrGuardTest, TheInverseTakesTheRootOfTheAbsoluteValue) {
  // A frequency below F(0) = 1 - exp(D): the base exp(-(ln(1 - F) - D)/E) - 1
  // is negative and its absolute value is rooted.
  const FittedParams p = testing::Burr(2, 3, 1.5, -0.5);
  const long double F = 0.2L;
  const long double base = std::exp(-(std::log(1 - F) + 0.5L) / 1.5L) - 1;
  ASSERT_LT(base, 0.0L);
  const auto Y = Invert(31, F, p, Member::Lower);
  ASSERT_TRUE(Y.has_value());
  EXPECT_NEAR(static_cast<double>(*Y), static_cast<double>(3 * std::sqrt(-base)), 1e-15);
}

TEST(KumaraswamyGuardTest, FromTheUpperEndOnFIsOne) {
  FittedParams p;
  p.kumaraswamy = {10.0, 1.5, 2.0};
  EXPECT_EQ(FreeF(36, 10.0L, p), 1.0L);
  EXPECT_EQ(FreeF(36, 12.5L, p), 1.0L);
}

TEST(NormalFamilyTest, FarBelowTheMeanTheApproximationGivesZero) {
  const FittedParams p = testing::Normal(5, 1);
  EXPECT_EQ(FreeF(20, 2.0L, p), 0.0L);  // z = -3
}

}  // namespace
}  // namespace quarlin
