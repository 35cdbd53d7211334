#include "engine/model/normal_cdf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quarlin {
namespace {

struct CdfCase {
  long double z;
  long double F;  // to 7 decimals
};

class HastingsValueTest : public testing::TestWithParam<CdfCase> {};

TEST_P(HastingsValueTest, MatchesToSevenDecimals) {
  EXPECT_NEAR(NormalCdfHastings(GetParam().z), GetParam().F, 0.5e-7L) << "z = " << GetParam().z;
}

// The short constants give 0.5000017 at 0 (t = 1, P = 1.25331); below about
// -1.9 the expression turns negative and is clamped; -1 is not mirrored.
INSTANTIATE_TEST_SUITE_P(KnownValues, HastingsValueTest,
                         testing::Values(CdfCase{0, 0.5000017L}, CdfCase{1, 0.8413479L},
                                         CdfCase{-1, 0.1576833L}, CdfCase{-1.9L, 0.0005926L},
                                         CdfCase{-1.95L, 0}, CdfCase{-2, 0},
                                         CdfCase{2, 0.9772505L}));

TEST(HastingsTest, IsZeroWhereTheDenominatorVanishesOrTurnsNegative) {
  EXPECT_EQ(NormalCdfHastings(-1.0L / 0.23165L), 0.0L);
  EXPECT_EQ(NormalCdfHastings(-5), 0.0L);
  EXPECT_EQ(NormalCdfHastings(-1e30L), 0.0L);
}

TEST(HastingsTest, InfiniteArgumentsGiveTheLimits) {
  constexpr long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(NormalCdfHastings(-inf), 0.0L);
  EXPECT_EQ(NormalCdfHastings(inf), 1.0L);
  EXPECT_EQ(NormalCdfHastings(std::numeric_limits<long double>::quiet_NaN()), 0.0L);
}

}  // namespace
}  // namespace quarlin
