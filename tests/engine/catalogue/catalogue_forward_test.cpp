#include <gtest/gtest.h>

#include <set>

#include "engine/catalogue/catalogue.h"
#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

using testing::CodeCase;
using testing::CompositeCase;

class CatalogueForwardTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CatalogueForwardTest, MatchesTheClosedFormAtEverySite) {
  const CodeCase& c = GetParam();
  for (const long double Y : c.Ys) {
    const long double expected = c.F(c.params, Y);
    ASSERT_GT(expected, 0.0L) << "case outside the support at Y = " << static_cast<double>(Y);
    ASSERT_LT(expected, 1.0L) << "case outside the support at Y = " << static_cast<double>(Y);
    const auto atValue = Evaluate(c.code, Y, c.params, EvalSite::FreeValue());
    const auto atDatum = Evaluate(c.code, Y, c.params, EvalSite::DataPoint(1));
    ASSERT_TRUE(atValue.has_value());
    ASSERT_TRUE(atDatum.has_value());
    EXPECT_NEAR(static_cast<double>(atValue->F), static_cast<double>(expected), 1e-14)
        << "Y = " << static_cast<double>(Y);
    EXPECT_EQ(atDatum->F, atValue->F);
    EXPECT_FALSE(atValue->boundWarning);
    EXPECT_FALSE(atDatum->boundWarning);
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, CatalogueForwardTest,
                         ::testing::ValuesIn(testing::SingleFormulaCases()),
                         [](const auto& info) { return info.param.label; });

class CompositeForwardTest : public ::testing::TestWithParam<CompositeCase> {
 protected:
  const FittedParams params_ = testing::CompositeParamsForTest();

  long double Lower(long double Y) const {
    const CompositeParams& c = params_.composite;
    const long double x = GetParam().generalized ? std::pow(Y, c.Es) : Y;
    return GetParam().lower(c.As * x + c.Bs);
  }
  long double Upper(long double Y) const {
    const CompositeParams& c = params_.composite;
    const long double x = GetParam().generalized ? std::pow(Y, c.Eg) : Y;
    return GetParam().upper(c.Ag * x + c.Bg);
  }
  long double At(long double Y, EvalSite site) const {
    const auto value = Evaluate(GetParam().code, Y, params_, site);
    EXPECT_TRUE(value.has_value());
    return value ? value->F : -1.0L;
  }
};

TEST_P(CompositeForwardTest, ValuesUpToTheBreakPointUseTheLowerMember) {
  for (const long double Y : {1.0L, 2.0L, 3.0L}) {  // P = 3 itself included
    EXPECT_NEAR(static_cast<double>(At(Y, EvalSite::FreeValue())), static_cast<double>(Lower(Y)),
                1e-14);
  }
}

TEST_P(CompositeForwardTest, ValuesAboveTheBreakPointUseTheUpperMember) {
  for (const long double Y : {3.0001L, 4.0L, 6.0L}) {
    EXPECT_NEAR(static_cast<double>(At(Y, EvalSite::FreeValue())), static_cast<double>(Upper(Y)),
                1e-14);
  }
}

TEST_P(CompositeForwardTest, AtDataPointsTheRankChoosesTheMemberWhateverTheValue) {
  const int K = params_.composite.K;
  // Y = 4 lies above P but its rank is within K; Y = 2 lies below P at a
  // rank past K.
  EXPECT_NEAR(static_cast<double>(At(4.0L, EvalSite::DataPoint(K))),
              static_cast<double>(Lower(4.0L)), 1e-14);
  EXPECT_NEAR(static_cast<double>(At(2.0L, EvalSite::DataPoint(K + 1))),
              static_cast<double>(Upper(2.0L)), 1e-14);
  EXPECT_NEAR(static_cast<double>(At(2.0L, EvalSite::DataPoint(1))),
              static_cast<double>(Lower(2.0L)), 1e-14);
}

TEST_P(CompositeForwardTest, TheTwoMembersDifferAtTheTestPoints) {
  // Guards the tests above against members that happen to coincide.
  EXPECT_GT(std::fabs(static_cast<double>(Lower(4.0L) - Upper(4.0L))), 1e-3);
  EXPECT_GT(std::fabs(static_cast<double>(Lower(2.0L) - Upper(2.0L))), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Codes, CompositeForwardTest,
                         ::testing::ValuesIn(testing::CompositeCases()),
                         [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(CatalogueCoverageTest, EveryCodeWithAFunctionHasAClosedFormCase) {
  std::set<int> covered;
  for (const CodeCase& c : testing::SingleFormulaCases()) covered.insert(c.code);
  for (const CompositeCase& c : testing::CompositeCases()) covered.insert(c.code);
  std::set<int> withFunction;
  for (int code = -5; code <= 100; ++code) {
    if (HasFunction(code)) withFunction.insert(code);
  }
  EXPECT_EQ(covered, withFunction);
  EXPECT_EQ(withFunction.size(), 59u);  // 61 assigned codes less 1 and 2
}

TEST(CatalogueCoverageTest, EvaluateAnswersExactlyForTheCodesWithAFunction) {
  const FittedParams params = testing::CompositeParamsForTest();
  for (int code = -5; code <= 100; ++code) {
    EXPECT_EQ(Evaluate(code, 2.0L, params, EvalSite::FreeValue()).has_value(), HasFunction(code))
        << "code " << code;
  }
}

}  // namespace
}  // namespace quarlin
