#include "engine/driver/composite_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/catalogue/composite_members.h"
#include "engine/driver/composite_eligibility.h"

namespace quarlin {
namespace {

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
