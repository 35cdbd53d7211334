#include "engine/driver/composite_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/catalogue/composite_members.h"
#include "engine/driver/composite_eligibility.h"

namespace quarlin {
namespace {

struct ListingCase {
  int code;
  std::string nameLine;
  std::vector<std::string> progressLines;
};

class CompositeListingTest : public ::testing::TestWithParam<ListingCase> {};

TEST_P(CompositeListingTest, WritesItsLinesExactly) {
  const ListingCase& c = GetParam();
  const CompositeListing& listing = CompositeListingOf(c.code);
  EXPECT_EQ(listing.code, c.code);
  EXPECT_EQ(std::string(listing.nameLine), c.nameLine);
  EXPECT_EQ(listing.progressLines, c.progressLines);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompositeListingTest,
    ::testing::Values(
        ListingCase{7, " Composite Gumbel distribution mirrored", {" 7 done"}},
        ListingCase{8, " Composite logistic distribution", {" 8 done"}},
        ListingCase{9, " Composite Gumbel distribution", {" 9 done"}},
        ListingCase{10, " Gumbel mirrored + Logistic distribution", {" 10 done"}},
        ListingCase{11, " Gumbel mirrored  + Gumbel standard distribution ", {" 11 done"}},
        ListingCase{12, " Gumbel + Logistic distribution", {" 12 done"}},
        ListingCase{13, " Gumbel + Gumbel Mirrored  distribution", {" 13 done"}},
        ListingCase{14, " Logistic + Gumbel mirrored distribution", {" 14 done"}},
        ListingCase{15, " Logistic + Gumbel distribution", {" 15 done"}},
        ListingCase{16, " Gumbel + Poisson distribution", {" 16 done"}},
        ListingCase{17, " Gumbel mirrored + Poisson distribution", {" 17 done"}},
        ListingCase{18, " Logistic + Poisson distribution", {" 18 done"}},
        ListingCase{70, " Composite generalizd logistic distribution", {" 70 done"}},
        ListingCase{71, " Composite generalized Gumbel distribution", {" 71 done"}},
        ListingCase{72, " Composite generalized exponential (Poisson) distribution", {" 72 done"}},
        ListingCase{74, " Composite mirrored Gumbel distribution generalized", {" 74 done"}},
        ListingCase{
            80, " Generalized logistic + Gumbel distribution", {" 80 done", " Progress 20% ....."}},
        ListingCase{81, " Generalized Logistic + Poisson distribution", {" 81 done"}},
        ListingCase{82, " Generalized Gumbel + logistic distribution", {" 82 done ....."}},
        ListingCase{83, " Generalized Gumbel + Poisson distribution", {" 83 done"}},
        ListingCase{84,
                    " Generalized Poisson + logistic distribution",
                    {" 84 done", " Progress 60% ....."}},
        ListingCase{85, " Generalized Poisson + Gumbel distribution", {" 85 done"}}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(CompositeListingTest, OtherCodesHaveAnEmptyListing) {
  for (int code : {0, 6, 19, 73, 86}) {
    const CompositeListing& listing = CompositeListingOf(code);
    EXPECT_EQ(listing.code, 0);
    EXPECT_EQ(std::string(listing.nameLine), "");
    EXPECT_TRUE(listing.progressLines.empty());
  }
}

TEST(CompositeOrderTest, ListsEachCompositeOnceInItsShapeGroup) {
  std::vector<int> seen;
  for (int code : kSimpleCompositeOrder) {
    EXPECT_FALSE(CompositeShapeOf(code)->generalized) << code;
    seen.push_back(code);
  }
  for (int code : kGeneralizedCompositeOrder) {
    EXPECT_TRUE(CompositeShapeOf(code)->generalized) << code;
    seen.push_back(code);
  }
  // Each group ascending, so the order is the codes' own.
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.size(), 22u);
}

FitResult Composite(int code, long double SAD, int K) {
  FitResult fit;
  fit.code = code;
  fit.fitted = true;
  fit.SAD = SAD;
  fit.params.composite.K = K;
  return fit;
}

struct EligibilityCase {
  std::string label;
  int code;
  long double SAD;
  int K;
  long double bestSad, bestNonCompositeSad;
  int N;
  bool eligible;
};

class CompositeEligibilityTest : public ::testing::TestWithParam<EligibilityCase> {};

TEST_P(CompositeEligibilityTest, FollowsTheChoiceRule) {
  const EligibilityCase& c = GetParam();
  EXPECT_EQ(CompositeEligible(c.code, Composite(c.code, c.SAD, c.K), c.bestSad,
                              c.bestNonCompositeSad, c.N),
            c.eligible);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, CompositeEligibilityTest,
    ::testing::Values(
        EligibilityCase{"better_with_room", 9, 1.0L, 20, 2.0L, 2.0L, 50, true},
        EligibilityCase{"K5_refused", 9, 1.0L, 5, 2.0L, 2.0L, 50, false},
        EligibilityCase{"K6_accepted", 9, 1.0L, 6, 2.0L, 2.0L, 50, true},
        EligibilityCase{"K5_code70_accepted", 70, 1.0L, 5, 2.0L, 2.0L, 50, true},
        EligibilityCase{"K4_code70_refused", 70, 1.0L, 4, 2.0L, 2.0L, 50, false},
        EligibilityCase{"K5_code71_refused", 71, 1.0L, 5, 2.0L, 2.0L, 50, false},
        EligibilityCase{"equal_to_best_refused", 9, 1.5L, 20, 1.5L, 2.0L, 50, false},
        EligibilityCase{"equal_to_noncomposite_refused", 9, 1.5L, 20, 2.0L, 1.5L, 50, false},
        EligibilityCase{"worse_than_noncomposite_refused", 80, 1.5L, 20, 2.0L, 1.2L, 50, false},
        // N - 5 > K: with N = 30, K = 24 is the last break allowed.
        EligibilityCase{"five_above_refused", 9, 1.0L, 25, 2.0L, 2.0L, 30, false},
        EligibilityCase{"six_above_accepted", 9, 1.0L, 24, 2.0L, 2.0L, 30, true},
        EligibilityCase{"code70_five_above_refused", 70, 1.0L, 25, 2.0L, 2.0L, 30, false}),
    [](const auto& info) { return info.param.label; });

TEST(CompositeEligibilityTest, AFitThatFailedIsNeverEligible) {
  FitResult fit = Composite(9, 0.5L, 20);
  fit.fitted = false;
  EXPECT_FALSE(CompositeEligible(9, fit, 2.0L, 2.0L, 50));
}

}  // namespace
}  // namespace quarlin
