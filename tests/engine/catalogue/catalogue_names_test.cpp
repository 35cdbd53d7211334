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

// Every assigned code, as lists and graph captions have always shown it.
INSTANTIATE_TEST_SUITE_P(
    EveryCode, ListNameTest,
    ::testing::Values(
        std::pair{1, "Generalized linear"}, std::pair{2, "Generalized linear exponential"},
        std::pair{3, "Generalized exponential (Poisson) distribution"},
        std::pair{4, "Gumbel distribution"}, std::pair{5, "Mirrored Gumbel distribution"},
        std::pair{6, "Simple exponential (Poisson) distribution"},
        std::pair{7, "Composite Gumbel mirrored distribution"},
        std::pair{8, "Composite logistic distribution"},
        std::pair{9, "Composite Gumbel distribution"},
        std::pair{10, "Composite Gumbel mirrored + logistic distribution"},
        std::pair{11, "Mirrored Gumbel + standard Gumbel distribution"},
        std::pair{12, "Composite Gumbel + logistic distribution"},
        std::pair{13, "Standard Gumbel + mirrored Gumbel distribution"},
        std::pair{14, "Composite logistic + mirrored Gumbel distribution"},
        std::pair{15, "Composite logistic + Gumbel distribution"},
        std::pair{16, "Composite Gumbel + Poisson distribution"},
        std::pair{17, "Composite Gumbel mirrored + Poisson distribution"},
        std::pair{18, "Composite lLogistic + Poisson distribution"},
        std::pair{20, "Normal distribution usual"}, std::pair{21, "Normal distribution optimized"},
        std::pair{22, "Log-normal distribution usual"},
        std::pair{23, "Log-normal distribution optimized"},
        std::pair{24, "Root-normal distribution"}, std::pair{25, "Square-normal distribution"},
        std::pair{26, "Generalized normal distribution"},
        std::pair{31, "Burr (generalized Pareto-Lomax) distribution"},
        std::pair{32, "Dagum (mirrorred Burr) distribution"},
        std::pair{33, "Fisher-Tippett type 3 mirrored"},
        std::pair{34, "Generalized Gompertz distribution"},
        std::pair{35, "Mirrored Frechet distribution"}, std::pair{36, "Kumaraswamy distribution"},
        std::pair{51, "Generalized Gumbel distribution"},
        std::pair{52, "Generalized mirrored Gumbel distribution"},
        std::pair{53, "Logistic distribution"}, std::pair{54, "Log-logistic distribution"},
        std::pair{55, "Generalized logistic distribution"},
        std::pair{56, "Adjusted Fisk distribution"}, std::pair{57, "Weibull distribution"},
        std::pair{58, "Frechet distribution"}, std::pair{59, "Fisher-Tippett type 3 distribution"},
        std::pair{60, "Mirrored Weibull distribution"},
        std::pair{61, "Gamma (Erlang) distribution"},
        std::pair{62, "Student t-distribution with 1 d.f."},
        std::pair{63, "Student t-distribution with 2 d.f."}, std::pair{64, "Cauchy distribution"},
        std::pair{65, "Generalized Cauchy distribution"},
        std::pair{66, "Mirrored Poisson distribution"},
        std::pair{67, "Generalized extreme value (GEV) distribution"},
        std::pair{68, "Laplace distribution"}, std::pair{69, "Generalized Rayleigh distribution"},
        std::pair{70, "Composite generalized logistic distribution"},
        std::pair{71, "Composite generalized Gumbel distribution"},
        std::pair{72, "Composite generalized Poisson distribution"},
        std::pair{73, "Generalized Laplace distribution"},
        std::pair{74, "Composite generalized Gumbel mirrored"},
        std::pair{80, "Composite logistic and Gumbel distribution"},
        std::pair{81, "Composite logistic and Poisson distribution"},
        std::pair{82, "Composite Gumbel and logistic distribution"},
        std::pair{83, "Composite Gumbel and Poisson distribution"},
        std::pair{84, "Composite Poisson and logistic distribution"},
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
