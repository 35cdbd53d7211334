#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/catalogue/catalogue.h"

namespace quarlin {
namespace {

class ListNameTest : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(ListNameTest, GivesTheNameExactlyAsListed) {
  EXPECT_EQ(ListName(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    SpotChecks, ListNameTest,
    ::testing::Values(std::pair{1, "Generalized linear"},
                      std::pair{2, "Generalized linear exponential"},
                      std::pair{3, "Generalized exponential (Poisson) distribution"},
                      std::pair{11, "Mirrored Gumbel + standard Gumbel distribution"},
                      std::pair{18, "Composite lLogistic + Poisson distribution"},
                      std::pair{20, "Normal distribution usual"},
                      std::pair{26, "Generalized normal distribution"},
                      std::pair{31, "Burr (generalized Pareto-Lomax) distribution"},
                      std::pair{32, "Dagum (mirrorred Burr) distribution"},
                      std::pair{33, "Fisher-Tippett type 3 mirrored"},
                      std::pair{35, "Mirrored Frechet distribution"},
                      std::pair{60, "Mirrored Weibull distribution"},
                      std::pair{62, "Student t-distribution with 1 d.f."},
                      std::pair{67, "Generalized extreme value (GEV) distribution"},
                      std::pair{74, "Composite generalized Gumbel mirrored"},
                      std::pair{85, "Composite Poisson and Gumbel distribution"}));

TEST(ListNameTest, CodeZeroAndUnassignedCodesHaveNoName) {
  for (const int code : {0, -1, 19, 27, 30, 37, 50, 75, 79, 86, 1000}) {
    EXPECT_EQ(ListName(code), "") << code;
  }
}

TEST(ListNameTest, EveryAssignedCodeHasAName) {
  int named = 0;
  for (int code = -10; code <= 200; ++code) {
    const bool assigned = (code >= 1 && code <= 18) || (code >= 20 && code <= 26) ||
                          (code >= 31 && code <= 36) || (code >= 51 && code <= 74) ||
                          (code >= 80 && code <= 85);
    EXPECT_EQ(!ListName(code).empty(), assigned) << code;
    named += assigned ? 1 : 0;
  }
  EXPECT_EQ(named, 61);
}

TEST(ListNameTest, TheGeneralizedLinearCodesAreNamesWithoutAFunction) {
  for (const int code : {1, 2}) {
    EXPECT_FALSE(ListName(code).empty());
    EXPECT_FALSE(HasFunction(code));
    EXPECT_FALSE(Evaluate(code, 1.0L, FittedParams{}, EvalSite::FreeValue()).has_value());
  }
}

}  // namespace
}  // namespace quarlin
