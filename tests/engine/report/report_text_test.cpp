#include "engine/report/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/text_file.h"
#include "engine/report/report_params.h"

namespace quarlin {
namespace {

const std::string kReportFixtures = std::string(QUARLIN_FIXTURES_DIR) + "/report/";

// Three made-up observations whose serials need two, one and no blanks.
ReportInput SmallReport() {
  ReportInput in;
  in.EngTitle1 = "Yearly rainfall at station 7";
  in.EngTitle2 = "mm per year";
  in.FileName = "/data/rain.out";
  in.NrOfData = 3;
  in.PrefCode = "1";
  in.chosen.code = 4;
  in.chosen.params.line = {0.5, -1.25, 1.0};
  in.chosen.C = 0.0001;
  in.chosen.spreadS = 2.5625;
  ReportNumbers& n = in.numbers;
  n.dX = 3;
  n.summary = {3.8333, 2.5, 3.4127, 2};
  n.intervals = {{-1.5, 0.0, 0.0, 2.1},
                 {0.0, 3.0, 66.7, 60.4},
                 {3.0, 6.0, 0.0, 20.3},
                 {6.0, 10.5, 33.3, 17.2}};
  n.observations = {{1.25L, 7, 25.0, 21.3, 23.67, 4.17, 54.125},
                    {2.5L, 42, 50.0, 48.5, 28.86, 21.3, 75.5},
                    {7.75L, 123, 75.0, 80.2, 23.02, 56.3, 99.99}};
  n.AvAbsDiff = 3.5;
  n.R2 = 0.9123;
  n.returnPeriods = {{1.25L, 7, 1.3333, 1.2706, 1.05, 2.1, 2},
                     {2.5L, 42, 2.0, 1.9417, 1.4, 3.5, 1},
                     {7.75L, 123, 4.0, 5.0505, 2.6, 30.24, 0}};
  n.returnPeriodAvAbsDiff = 0.27;
  return in;
}

TEST(ReportText, SmallReportMatchesTheGoldenText) {
  const auto expected = ReadLines(kReportFixtures + "full_report.txt");
  ASSERT_TRUE(expected);
  EXPECT_EQ(ReportLines(SmallReport()), *expected);
}

TEST(ReportText, EveryLineEndsInCarriageReturnLineFeed) {
  const std::string text = ReportText(SmallReport());
  const auto lineFeeds = std::count(text.begin(), text.end(), '\n');
  EXPECT_EQ(lineFeeds, static_cast<long>(ReportLines(SmallReport()).size()));
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    ASSERT_EQ(text[at - 1], '\r') << at;
}

TEST(ReportText, ObservationRowsFollowTheLandmarkLineByFour) {
  const auto lines = ReportLines(SmallReport());
  const auto landmark = std::find_if(lines.begin(), lines.end(),
                                     [](const std::string& l) { return l.rfind(" Obs", 0) == 0; });
  ASSERT_NE(landmark, lines.end());
  EXPECT_EQ(*(landmark + 5), "   1.250      7       25.00     21.30     23.67      4.17    54.125");
  EXPECT_EQ(*(landmark + 7), "   7.750      123     75.00     80.20     23.02     56.30    99.990");
}

TEST(ReportText, PreferredDistributionIsSaidOnlyWhenOneWasPreferred) {
  ReportInput in = SmallReport();
  const std::string said = " Probability distribution preferred by user.";
  auto lines = ReportLines(in);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), said), 0);
  in.PrefCode = "57";
  lines = ReportLines(in);
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[7], said);
  EXPECT_EQ(lines[8], "");
}

TEST(ReportText, NoDistributionEndsAfterTheHeader) {
  ReportInput in = SmallReport();
  in.chosen.code = 0;
  const std::vector<std::string> expected = {" RESULTS OF Quarlin PROGRAM",
                                             " Cumulative frequency analysis",
                                             "",
                                             " Yearly rainfall at station 7",
                                             " mm per year",
                                             " Name of input file used: /data/rain.inp",
                                             " Number of data used: 3",
                                             "",
                                             " The frequency distibution cannot be found :"};
  EXPECT_EQ(ReportLines(in), expected);
}

struct SerialCase {
  long double X;
  int dX;
  int serial;
  std::string expected;
};

class SerialColumnTest : public testing::TestWithParam<SerialCase> {};

TEST_P(SerialColumnTest, PadsTheSerialByItsDigits) {
  const SerialCase& c = GetParam();
  EXPECT_EQ(SerialColumn(c.X, c.dX, c.serial), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, SerialColumnTest,
                         testing::Values(SerialCase{1.25L, 3, 7, "   1.250      7  "},
                                         SerialCase{1.25L, 3, 9, "   1.250      9  "},
                                         SerialCase{1.25L, 3, 10, "   1.250      10 "},
                                         SerialCase{1.25L, 3, 42, "   1.250      42 "},
                                         SerialCase{1.25L, 3, 99, "   1.250      99 "},
                                         SerialCase{1.25L, 3, 100, "   1.250      100"},
                                         SerialCase{1.25L, 3, 123, "   1.250      123"},
                                         SerialCase{1.25L, 3, 2500, "   1.250      2500"},
                                         SerialCase{250.0L, 1, 5, "   250.0      5  "},
                                         SerialCase{0.5L, 4, 5, "  0.5000      5  "},
                                         SerialCase{-1.6L, 4, 5, " -1.6000      5  "},
                                         SerialCase{123456.0L, 0, 5, "  123456      5  "}));

// The report is built from the reported parameters: a bound family shows
// its bound in data units and its warning.
TEST(ReportText, BoundFamilyShowsTheConvertedBoundAndItsWarning) {
  ReportInput in = SmallReport();
  FittedParams fitted;
  fitted.bound = {2.0, -3.0, 4.5, false};
  in.chosen.code = 35;
  in.chosen.C = -1.6;
  in.chosen.params = ReportedParams(35, fitted, in.chosen.C, false);
  in.chosen.lowerBoundWarning = true;
  const auto lines = ReportLines(in);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "     C    = 2.90E+000"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      " Warning, there are values smaller than the lower bound C"),
            lines.end());
}

}  // namespace
}  // namespace quarlin
