#include "engine/search/exponent_grid.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quarlin {
namespace {

TEST(ExponentGridTest, RunsFromTwentyHundredthsInHundredths) {
  EXPECT_DOUBLE_EQ(ExponentOfTrial(1), 0.20);
  EXPECT_NEAR(ExponentOfTrial(kExponentTrials), 2.99, 1e-12);
  for (int j = 1; j <= kExponentTrials; ++j)
    EXPECT_NEAR(ExponentOfTrial(j), 0.19 + 0.01 * j, 1e-12) << "trial " << j;
}

TEST(ExponentGridTest, IsBuiltByAdditionNotByMultiplication) {
  // Repeated addition drifts upwards near 1 and downwards near 3.
  EXPECT_GT(ExponentOfTrial(76), 0.95);
  EXPECT_LE(0.19 + 0.01 * 76, 0.95);
  EXPECT_GT(ExponentOfTrial(86), 1.05);
  EXPECT_LT(ExponentOfTrial(279), 2.98);
  EXPECT_NE(ExponentOfTrial(81), 1.0);
}

struct GuardCase {
  int j;
  bool becomesOne;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
  *os << "trial " << c.j;
}

class ExponentGuardTest : public testing::TestWithParam<GuardCase> {};

TEST_P(ExponentGuardTest, GuardsTheGridValue) {
  const double E = ExponentOfTrial(GetParam().j);
  EXPECT_EQ(GuardExponent(E), GetParam().becomesOne ? 1.0 : E) << "E = " << E;
}

// Ends: 0.20 and 2.99 go, 0.21 and 2.98 (as added up) stay. Around 1: the
// added-up 0.95 lies above 0.95 and goes, the added-up 1.05 lies above 1.05
// and stays.
INSTANTIATE_TEST_SUITE_P(Trials, ExponentGuardTest,
                         testing::Values(GuardCase{1, true}, GuardCase{2, false},
                                         GuardCase{3, false}, GuardCase{75, false},
                                         GuardCase{76, true}, GuardCase{81, true},
                                         GuardCase{85, true}, GuardCase{86, false},
                                         GuardCase{150, false}, GuardCase{279, false},
                                         GuardCase{280, true}));

TEST(ExponentGuardTest, ComparesStrictlyWithTheDecimalBounds) {
  EXPECT_EQ(GuardExponent(0.21), 0.21);
  EXPECT_EQ(GuardExponent(2.98), 2.98);
  EXPECT_EQ(GuardExponent(0.95), 0.95);
  EXPECT_EQ(GuardExponent(1.05), 1.05);
  EXPECT_EQ(GuardExponent(0.2), 1.0);
  EXPECT_EQ(GuardExponent(1.02), 1.0);
  EXPECT_EQ(GuardExponent(2.99), 1.0);
}

}  // namespace
}  // namespace quarlin
