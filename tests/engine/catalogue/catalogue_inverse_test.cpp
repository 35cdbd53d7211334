#include <gtest/gtest.h>

#include <cmath>

#include "engine/catalogue/catalogue.h"
#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

using testing::CodeCase;
using testing::CompositeCase;

void ExpectRoundTrip(int code, long double Y, const FittedParams& params, EvalSite site,
                     Member member) {
  const auto value = Evaluate(code, Y, params, site);
  ASSERT_TRUE(value.has_value());
  const auto back = Invert(code, value->F, params, member);
  ASSERT_TRUE(back.has_value()) << "code " << code << " Y = " << static_cast<double>(Y);
  EXPECT_NEAR(static_cast<double>(*back), static_cast<double>(Y),
              1e-9 * std::fabs(static_cast<double>(Y)))
      << "code " << code << " F = " << static_cast<double>(value->F);
}

class CatalogueInverseTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CatalogueInverseTest, InvertingFOfYGivesY) {
  const CodeCase& c = GetParam();
  if (!HasInverse(c.code)) {
    EXPECT_FALSE(Invert(c.code, 0.5L, c.params, Member::Lower).has_value());
    return;
  }
  for (const long double Y : c.Ys) {
    ExpectRoundTrip(c.code, Y, c.params, EvalSite::FreeValue(), Member::Lower);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, CatalogueInverseTest,
                         ::testing::ValuesIn(testing::SingleFormulaCases()),
                         [](const auto& info) { return info.param.label; });

class CompositeInverseTest : public ::testing::TestWithParam<CompositeCase> {};

TEST_P(CompositeInverseTest, EachMemberInvertsItsOwnSide) {
  const FittedParams params = testing::CompositeParamsForTest();
  const int K = params.composite.K;
  for (const long double Y : {1.0L, 2.0L, 3.0L}) {
    ExpectRoundTrip(GetParam().code, Y, params, EvalSite::DataPoint(1), Member::Lower);
  }
  for (const long double Y : {4.0L, 6.0L}) {
    ExpectRoundTrip(GetParam().code, Y, params, EvalSite::DataPoint(K + 1), Member::Upper);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, CompositeInverseTest,
                         ::testing::ValuesIn(testing::CompositeCases()),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(CatalogueInverseTest, CodesWithoutAClosedFormHaveNoInverse) {
  const FittedParams params = testing::CompositeParamsForTest();
  for (const int code : {0, 1, 2, 19, 20, 21, 22, 23, 24, 25, 26, 61, 75, 86}) {
    EXPECT_FALSE(HasInverse(code)) << code;
    EXPECT_FALSE(Invert(code, 0.5L, params, Member::Lower).has_value()) << code;
  }
}

TEST(CatalogueInverseTest, BothSidesOfTheLaplaceLawsInvert) {
  const FittedParams laplace = testing::Laplace(4, 1.5, 2.5, 1.2, 0.9);
  for (const int code : {68, 73}) {
    for (const long double Y : {2.0L, 2.8L, 5.0L, 8.0L}) {
      const long double F = Evaluate(code, Y, laplace, EvalSite::FreeValue())->F;
      // Two test points on each side of the centre (4 for code 68, 4^(1/1.2)
      // for code 73).
      EXPECT_EQ(F < 0.5L, Y < 3.0L) << code;
      ExpectRoundTrip(code, Y, laplace, EvalSite::FreeValue(), Member::Lower);
    }
  }
}

TEST(CatalogueInverseTest, ARootOfANonPositiveQuantityGivesNothing) {
  // Code 3 at F = 0.1: -ln(0.9) - B = 0.105 - 1 < 0, so (...)^(1/E) is undefined.
  const FittedParams p = testing::Line(0.8, 1.0, 1.3);
  EXPECT_FALSE(Invert(3, 0.1L, p, Member::Lower).has_value());
  // The same base with a plain Y is a valid, negative value for code 4.
  EXPECT_TRUE(Invert(4, 0.1L, p, Member::Lower).has_value());
}

TEST(CatalogueInverseTest, AZeroSlopeGivesNothingInsteadOfAnInfiniteValue) {
  const FittedParams p = testing::Line(0.0, 1.0, 1.0);
  EXPECT_FALSE(Invert(4, 0.3L, p, Member::Lower).has_value());
}

}  // namespace
}  // namespace quarlin
