// The distribution lines of the report against golden texts written from the
// report's tables of descriptions, formulas and parameter lines.

#include "engine/report/report_formula.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/report/report_params.h"
#include "fixtures/distinct_params.h"
#include "fixtures/report_golden.h"

namespace quarlin {
namespace {

using testing_support::GoldenKey;
using testing_support::GoldenSection;
using testing_support::ReadGoldenSections;

const std::string kReportFixtures = std::string(QUARLIN_FIXTURES_DIR) + "/report/";

// A left shift by 30, or positive data with the usual 0.0001.
ChosenDistribution GoldenCase(const GoldenKey& key) {
  // Every slot holds a value whose three-digit form is easy to check by hand.
  FittedParams fitted = testing::DistinctParams();
  fitted.gompertz.flag = key.variant == "flag";
  fitted.gev.boundCorrected = key.variant == "mark";
  ChosenDistribution d;
  d.code = key.code;
  d.HighShift = key.shift;
  d.C = key.shift ? 30.0 : 0.0001;
  d.params = ReportedParams(key.code, fitted, d.C, d.HighShift);
  d.spreadS = 12.3456;
  // Each bound family warns only of its own side.
  d.lowerBoundWarning = key.variant == "warning" && (key.code == 35 || key.code == 58);
  d.upperBoundWarning = key.variant == "warning" && (key.code == 33 || key.code == 59);
  return d;
}

class DistributionLinesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DistributionLinesTest, MatchTheGoldenTextLineByLine) {
  const auto sections = ReadGoldenSections(kReportFixtures + GetParam());
  ASSERT_FALSE(sections.empty()) << GetParam();
  for (const GoldenSection& section : sections)
    EXPECT_EQ(DistributionLines(GoldenCase(section.key)), section.lines) << section.title;
}

INSTANTIATE_TEST_SUITE_P(Families, DistributionLinesTest,
                         ::testing::Values("line_families.txt", "bound_families.txt",
                                           "own_formula_families.txt", "normal_family.txt",
                                           "composites.txt"));

TEST(DistributionLinesGolden, CoverEveryCodeThatCanBeChosenWithAndWithoutShift) {
  std::set<std::pair<int, bool>> covered;
  for (const char* file : {"line_families.txt", "bound_families.txt", "own_formula_families.txt",
                           "normal_family.txt", "composites.txt"})
    for (const GoldenSection& section : ReadGoldenSections(kReportFixtures + file))
      covered.insert({section.key.code, section.key.shift});
  for (int code = 3; code <= 85; ++code) {
    const bool assigned = code <= 18 || (code >= 20 && code <= 26) || (code >= 31 && code <= 36) ||
                          (code >= 51 && code <= 74) || code >= 80;
    if (!assigned) continue;
    EXPECT_TRUE(covered.count({code, false})) << code << " without shift";
    EXPECT_TRUE(covered.count({code, true})) << code << " with shift";
  }
}

TEST(ShiftLine, PrintsTheNegatedShiftInEachWording) {
  EXPECT_EQ(ShiftLine(ShiftWord::C, 1.6), " An additional term C is used : C = -1.60E+000");
  EXPECT_EQ(ShiftLine(ShiftWord::T, -0.25), " An additional term T is used : T = 2.50E-001");
  EXPECT_EQ(ShiftLine(ShiftWord::Y, 1234.5),
            " The variable X is replaced by Y=X+C, with C = -1.23E+003");
}

// The report shows the break point of the composite that was chosen, not of
// whichever composite happened to be fitted last.
TEST(DistributionLines, CompositeBreakPointIsTheChosenOnes) {
  ChosenDistribution d;
  d.code = 72;
  d.params.composite.P = 12.5;
  EXPECT_EQ(DescriptionLines(d)[1], " The separation point is : P = 1.25E+001");
  d.code = 16;
  d.C = -1.6;
  EXPECT_EQ(DescriptionLines(d)[2], " The separation point is : P = 10.900");
}

TEST(DistributionLines, BoundFamiliesIgnoreTheOtherSidesWarning) {
  for (const int code : {33, 35, 58, 59}) {
    ChosenDistribution d;
    d.code = code;
    const bool lowerBound = code == 35 || code == 58;
    d.lowerBoundWarning = !lowerBound;
    d.upperBoundWarning = lowerBound;
    EXPECT_EQ(CommonParameterLines(d).size(), 4u) << code;  // C, A, B and the empty line
  }
}

TEST(DistributionLines, Code55DescribesItselfOnOneLine) {
  ChosenDistribution d;
  d.code = 55;
  EXPECT_EQ(
      DescriptionLines(d),
      std::vector<std::string>{" The cumulative frequency function is generalized logistic :"});
}

// A code-4 fit with a zero slope has no mode; the line must still be written.
TEST(DistributionLines, Code4WithZeroSlopeStillPrintsItsModeLine) {
  ChosenDistribution d;
  d.code = 4;
  d.params.line = {0.0, 1.0, 1.0};
  const auto lines = CommonParameterLines(d);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], "   Mode   =      -Inf");
}

TEST(DistributionLines, CodesWithoutDistributionLinesGiveOnlyTheEmptyLines) {
  for (const int code : {19, 27, 75}) {
    ChosenDistribution d;
    d.code = code;
    EXPECT_EQ(DistributionLines(d), (std::vector<std::string>{"", ""})) << code;
  }
}

}  // namespace
}  // namespace quarlin
