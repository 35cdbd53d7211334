#include "engine/report/x_limits_text.h"

#include <gtest/gtest.h>

#include "common/text_file.h"

namespace quarlin {
namespace {

const std::string kReportFixtures = std::string(QUARLIN_FIXTURES_DIR) + "/report/";

// Row 1 has a negative lower limit, row 2 an upper limit equal to the
// calculated value.
XConfidence SmallConfidence() {
  XConfidence c;
  c.dX = 3;
  c.smallestDatumNegative = false;
  c.rows = {{1.25L, 7, 1.1, -0.2, 1.9}, {2.5L, 42, 2.6, 1.3, 2.6}, {7.75L, 123, 7.4, 5.05, 11.2}};
  c.RX = 0.9876;
  return c;
}

TEST(XLimitsText, MatchesTheGoldenText) {
  const auto expected = ReadLines(kReportFixtures + "values.txt");
  ASSERT_TRUE(expected);
  EXPECT_EQ(XLimitsLines(SmallConfidence()), *expected);
  EXPECT_EQ(XLimitsText(SmallConfidence()).substr(0, 4), "\r\n\r\n");
}

TEST(XLimitsText, NegativeLowerLimitStaysWhenTheDataGoBelowZero) {
  XConfidence c = SmallConfidence();
  c.smallestDatumNegative = true;
  EXPECT_EQ(XLimitsLines(c)[8], "   1.250       7        1.100         -0.200          1.900");
}

struct PrintedCase {
  XLimitRow row;
  bool negativeData;
  std::string line;
};

class ValuesLineLimitsTest : public testing::TestWithParam<PrintedCase> {};

TEST_P(ValuesLineLimitsTest, AdjustOnlyWhatThePrintRulesName) {
  XConfidence c;
  c.dX = 2;
  c.smallestDatumNegative = GetParam().negativeData;
  c.rows = {GetParam().row};
  EXPECT_EQ(XLimitsLines(c)[8], GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValuesLineLimitsTest,
    testing::Values(PrintedCase{{5, 1, 5.0, -1.0, 6.0},
                                false,
                                "    5.00       1         5.00           0.00           6.00"},
                    PrintedCase{{5, 1, 5.0, -1.0, 6.0},
                                true,
                                "    5.00       1         5.00          -1.00           6.00"},
                    PrintedCase{{5, 1, 5.0, 4.0, 5.0},
                                false,
                                "    5.00       1         5.00           4.00           5.05"},
                    PrintedCase{{5, 1, 5.0, 4.0, 4.5},
                                false,
                                "    5.00       1         5.00           4.00           5.05"},
                    PrintedCase{{5, 1, 5.0, 0.0, 5.2},
                                false,
                                "    5.00       1         5.00           0.00           5.20"},
                    // A negative calculated value keeps its upper limit above it.
                    PrintedCase{{-5, 1, -5.0, -6.0, -5.0},
                                true,
                                "   -5.00       1        -5.00          -6.00          -4.95"}));

}  // namespace
}  // namespace quarlin
