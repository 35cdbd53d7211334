#include "engine/values_text.h"

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

TEST(ValuesText, MatchesTheGoldenText) {
  const auto expected = ReadLines(kReportFixtures + "values.txt");
  ASSERT_TRUE(expected);
  EXPECT_EQ(ValuesLines(SmallConfidence()), *expected);
  EXPECT_EQ(ValuesText(SmallConfidence()).substr(0, 4), "\r\n\r\n");
}

TEST(ValuesText, NegativeLowerLimitStaysWhenTheDataGoBelowZero) {
  XConfidence c = SmallConfidence();
  c.smallestDatumNegative = true;
  EXPECT_EQ(ValuesLines(c)[8], "   1.250       7        1.100         -0.200          1.900");
}

struct PrintedCase {
  XLimitRow row;
  bool negativeData;
  double lower, upper;
};

class PrintedXLimitsTest : public testing::TestWithParam<PrintedCase> {};

TEST_P(PrintedXLimitsTest, AdjustsOnlyWhatThePrintRulesName) {
  const PrintedCase& c = GetParam();
  const XLimitRow printed = PrintedXLimits(c.row, c.negativeData);
  EXPECT_DOUBLE_EQ(printed.LowerX, c.lower);
  EXPECT_DOUBLE_EQ(printed.UpperX, c.upper);
  EXPECT_DOUBLE_EQ(printed.CalcX, c.row.CalcX);
}

INSTANTIATE_TEST_SUITE_P(Rules, PrintedXLimitsTest,
                         testing::Values(PrintedCase{{1, 1, 5.0, -1.0, 6.0}, false, 0.0, 6.0},
                                         PrintedCase{{1, 1, 5.0, -1.0, 6.0}, true, -1.0, 6.0},
                                         PrintedCase{{1, 1, 5.0, 4.0, 5.0}, false, 4.0, 5.05},
                                         PrintedCase{{1, 1, 5.0, 4.0, 4.5}, false, 4.0, 5.05},
                                         PrintedCase{{1, 1, 5.0, 0.0, 5.2}, false, 0.0, 5.2}));

}  // namespace
}  // namespace quarlin
