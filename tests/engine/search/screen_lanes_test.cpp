// Picking lanes from a table of two vectors, which each compiler builds its
// own way: every lane must get the entry its index names, whatever the
// other lanes ask for.

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "engine/search/screen_math.h"

namespace quarlin {
namespace {

using Indices = std::array<int, kScreenLanes>;

struct LaneCase {
  const char* name;
  Indices index;
};

void PrintTo(const LaneCase& c, std::ostream* os) {
  *os << c.name;
}

class PickLanesTest : public ::testing::TestWithParam<LaneCase> {};

TEST_P(PickLanesTest, EachLaneGetsTheEntryItsIndexNames) {
  // Entry e of the table holds 100 + e, so a wrong pick shows which entry
  // it took.
  ScreenVec low, high;
  for (int k = 0; k < kScreenLanes; ++k) {
    low[k] = 100 + k;
    high[k] = 100 + kScreenLanes + k;
  }
  ScreenBits index;
  for (int k = 0; k < kScreenLanes; ++k) index[k] = GetParam().index[k];
  const ScreenVec picked = PickLanes(low, high, index);
  for (int k = 0; k < kScreenLanes; ++k)
    EXPECT_EQ(picked[k], 100 + GetParam().index[k]) << "lane " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PickLanesTest,
    ::testing::Values(LaneCase{"identity", {0, 1, 2, 3, 4, 5, 6, 7}},
                      LaneCase{"high half", {8, 9, 10, 11, 12, 13, 14, 15}},
                      LaneCase{"reversed across halves", {15, 14, 13, 12, 3, 2, 1, 0}},
                      LaneCase{"one entry everywhere", {11, 11, 11, 11, 11, 11, 11, 11}},
                      LaneCase{"halves alternating", {0, 8, 1, 9, 7, 15, 6, 14}},
                      LaneCase{"edges", {7, 8, 0, 15, 7, 8, 0, 15}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

}  // namespace
}  // namespace quarlin
