#include "engine/search/bounded_sum.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/model/kernels.h"

namespace quarlin {
namespace {

struct BoundCase {
  double bound;
  bool exceeded;
  int evaluated;  // points computed before the sum was given up or done
};

class BoundedSumTest : public testing::TestWithParam<BoundCase> {};

// Deviations 0.1, 0.2, 0.3, 0.4 and, capped, 1: partial sums 0.01, 0.05,
// 0.14, 0.30, 1.30.
TEST_P(BoundedSumTest, GivesUpOnlyAboveTheBound) {
  const std::vector<long double> Fc{0, 0.5L, 0.5L, 0.5L, 0.5L, 0.5L};
  const std::vector<long double> Fcalc{0, 0.4L, 0.3L, 0.2L, 0.1L, 2.5L};
  int evaluated = 0;
  const BoundedSum sum = BoundedSumOfSquares(Fc, 5, true, GetParam().bound, [&](int i) {
    ++evaluated;
    return Fcalc[i];
  });
  EXPECT_EQ(sum.exceeded, GetParam().exceeded);
  EXPECT_EQ(evaluated, GetParam().evaluated);
  if (sum.exceeded) {
    EXPECT_GT(static_cast<double>(sum.SS), GetParam().bound);
  } else {
    EXPECT_EQ(sum.SS, SumOfSquares(Fc, Fcalc, 5, true));
  }
}

INSTANTIATE_TEST_SUITE_P(Bounds, BoundedSumTest,
                         testing::Values(BoundCase{1e6, false, 5}, BoundCase{1.3, false, 5},
                                         BoundCase{1.29, true, 5}, BoundCase{0.2, true, 4},
                                         BoundCase{0.0, true, 1}));

TEST(BoundedSumTest, ReferenceNeverGivesUp) {
  const std::vector<long double> Fc{0, 0.5L, 0.5L};
  const BoundedSum sum = BoundedSumOfSquares(
      Fc, 2, false, 0.0, [](int) { return 0.0L; }, false);
  EXPECT_FALSE(sum.exceeded);
  EXPECT_EQ(sum.SS, 0.5L);
}

}  // namespace
}  // namespace quarlin
