#include "engine/report/report_landmarks.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"

namespace quarlin {
namespace {

std::vector<std::string> Bundled(const std::string& name) {
  const auto lines = ReadLines(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / name);
  EXPECT_TRUE(lines) << name;
  return lines.value_or(std::vector<std::string>{});
}

// The index of the first line of `lines` that begins with `start`, from
// `from` on; the texts are those the report layout prescribes.
size_t IndexOf(const std::vector<std::string>& lines, const std::string& start, size_t from = 0) {
  for (size_t i = from; i < lines.size(); ++i)
    if (lines[i].starts_with(start)) return i;
  ADD_FAILURE() << "no line begins with \"" << start << "\"";
  return lines.size();
}

std::vector<std::string> Head(const std::vector<std::string>& lines, size_t count) {
  return {lines.begin(), lines.begin() + std::min(count, lines.size())};
}

TEST(ReportLandmarks, EveryBundledReportIsWhole) {
  for (const char* name : {"Nile.out", "lossalae_Loss.out", "portpirie.out", "precip.out",
                           "rivers.out", "sleep.out"}) {
    const ReportLandmarks landmarks = CheckReportLandmarks(Bundled(name));
    EXPECT_EQ(landmarks.FirstDamage(), nullptr) << name << ": " << DamageText(landmarks);
    EXPECT_EQ(DamageText(landmarks), "") << name;
    EXPECT_TRUE(landmarks.Whole(ReportPart::kXLimitsTable)) << name;
    EXPECT_FALSE(landmarks.noDistribution);
  }
  EXPECT_EQ(CheckReportLandmarks(Bundled("portpirie.out")).nrOfData, 65);
}

// The Port Pirie report (65 data) cut after the line that begins with
// `landmark` (its `occurrence`-th, from 1) and `keep` more lines, or before
// that line when `keep` is -1.
struct CutCase {
  const char* name;
  const char* landmark;
  int occurrence;
  int keep;
  ReportPart part;
  PartState state;
  std::string text;
};

class CutReport : public testing::TestWithParam<CutCase> {};

TEST_P(CutReport, NamesThePartItEndsBeforeOrInside) {
  const auto report = Bundled("portpirie.out");
  const CutCase& c = GetParam();
  size_t at = IndexOf(report, c.landmark);
  for (int i = 1; i < c.occurrence; ++i) at = IndexOf(report, c.landmark, at + 1);
  const auto cut = Head(report, at + 1 + c.keep);
  const ReportLandmarks landmarks = CheckReportLandmarks(cut);
  const PartCheck* damage = landmarks.FirstDamage();
  ASSERT_NE(damage, nullptr);
  EXPECT_EQ(damage->part, c.part);
  EXPECT_EQ(damage->state, c.state);
  EXPECT_EQ(DamageText(landmarks), c.text);
  // What lies before the cut stays whole.
  for (const PartCheck& check : landmarks.parts) {
    if (&check == damage) break;
    EXPECT_EQ(check.state, PartState::kWhole);
  }
}

const std::string kObservations = "table of observed and calculated cumulative frequencies";

INSTANTIATE_TEST_SUITE_P(
    AtEachBoundary, CutReport,
    testing::Values(
        CutCase{"BeforeNumberOfData", " Number of data used:", 1, -1, ReportPart::kNumberOfData,
                PartState::kEndsBefore, "the report ends before its number of data"},
        CutCase{"BeforeSummary", " Average X:", 1, -1, ReportPart::kSummary, PartState::kEndsBefore,
                "the report ends before its line of Average X, Median X and St.Dev. X"},
        CutCase{"BeforeIntervals", " Interval analysis", 1, -1, ReportPart::kIntervalTable,
                PartState::kEndsBefore,
                "the report ends before its table of the interval analysis"},
        CutCase{"InsideIntervals", " Interval analysis", 1, 4 + 3, ReportPart::kIntervalTable,
                PartState::kEndsInside,
                "the report ends inside its table of the interval analysis"},
        CutCase{"BeforeObservations", " Observed and calculated", 1, -1,
                ReportPart::kObservationTable, PartState::kEndsBefore,
                "the report ends before its " + kObservations},
        CutCase{"InsideObservationHeading", " Observed and calculated", 1, 2,
                ReportPart::kObservationTable, PartState::kEndsInside,
                "the report ends inside its " + kObservations + ", after 0 of its 65 rows"},
        CutCase{"InsideObservations", " Observed and calculated", 1, 4 + 10,
                ReportPart::kObservationTable, PartState::kEndsInside,
                "the report ends inside its " + kObservations + ", after 10 of its 65 rows"},
        CutCase{"BeforeFrequencyFit", " Average of absolute differences", 1, -1,
                ReportPart::kFrequencyFit, PartState::kEndsBefore,
                "the report ends before its average of absolute differences between calculated "
                "and observed frequencies"},
        CutCase{"BeforeEfficiency", " Efficiency coefficient (R^2)", 1, -1, ReportPart::kEfficiency,
                PartState::kEndsBefore, "the report ends before its efficiency coefficient (R^2)"},
        CutCase{"BeforeReturnPeriods", " Return period = ", 1, -1, ReportPart::kReturnPeriodTable,
                PartState::kEndsBefore, "the report ends before its table of return periods"},
        CutCase{"InsideReturnPeriods", " Return period = ", 1, 4 + 30,
                ReportPart::kReturnPeriodTable, PartState::kEndsInside,
                "the report ends inside its table of return periods, after 30 of its 65 rows"},
        CutCase{"BeforeReturnPeriodFit", " Average of absolute differences", 2, 0,
                ReportPart::kReturnPeriodFit, PartState::kEndsBefore,
                "the report ends before its average of absolute differences between calculated "
                "and observed return periods"},
        CutCase{"BeforeXLimits", " Confidence limits of calculated", 1, -1,
                ReportPart::kXLimitsTable, PartState::kEndsBefore,
                "the report ends before its table of confidence limits of calculated X-values"},
        CutCase{"InsideXLimits", " Confidence limits of calculated", 1, 5 + 64,
                ReportPart::kXLimitsTable, PartState::kEndsInside,
                "the report ends inside its table of confidence limits of calculated X-values, "
                "after 64 of its 65 rows"},
        CutCase{"BeforeXEfficiency", " Efficiency coefficient (R) ", 1, -1,
                ReportPart::kXEfficiency, PartState::kEndsBefore,
                "the report ends before its efficiency coefficient (R) of calculated and observed "
                "data values"}),
    [](const auto& info) { return info.param.name; });

TEST(ReportLandmarks, TableClosedBeforeItsLastDatumIsShort) {
  auto report = Bundled("portpirie.out");
  const size_t heading = IndexOf(report, " Return period = ");
  // Two rows, then the dash line: the rest of the report follows as it was.
  report.erase(report.begin() + heading + 7, report.begin() + heading + 5 + 65);
  const ReportLandmarks landmarks = CheckReportLandmarks(report);
  ASSERT_NE(landmarks.FirstDamage(), nullptr);
  EXPECT_EQ(landmarks.FirstDamage()->state, PartState::kShort);
  EXPECT_EQ(DamageText(landmarks), "the report's table of return periods holds 2 rows for 65 data");
  EXPECT_TRUE(landmarks.Whole(ReportPart::kXLimitsTable));
}

TEST(ReportLandmarks, PartLeftOutWhileLaterPartsStayIsAbsent) {
  auto report = Bundled("portpirie.out");
  report.erase(report.begin() + IndexOf(report, " Average X:"));
  const ReportLandmarks landmarks = CheckReportLandmarks(report);
  EXPECT_EQ(DamageText(landmarks), "the report holds no line of Average X, Median X and St.Dev. X");
  EXPECT_TRUE(landmarks.Whole(ReportPart::kObservationTable));
  EXPECT_TRUE(landmarks.Whole(ReportPart::kXEfficiency));
}

TEST(ReportLandmarks, EmptyFileAndUnreadableNumberOfData) {
  EXPECT_EQ(DamageText(CheckReportLandmarks({})), "it is empty");
  auto report = Bundled("portpirie.out");
  report[6] = " Number of data used: many";
  const ReportLandmarks landmarks = CheckReportLandmarks(report);
  EXPECT_EQ(DamageText(landmarks), "line 7 of the report holds no number of data");
  EXPECT_FALSE(landmarks.nrOfData);
  // Without the number of data the rows are not counted, but the parts are found.
  EXPECT_TRUE(landmarks.Whole(ReportPart::kReturnPeriodTable));
}

// The Gamma distribution's report ends with its return periods.
TEST(ReportLandmarks, GammaReportHasNoConfidenceLimitsOfX) {
  auto report = Bundled("portpirie.out");
  const size_t description = IndexOf(report, " Cumulative frequency function of the generalized");
  report[description] = " Cumulative frequency of the Gamma (Erlang) type";
  report.resize(IndexOf(report, " observed return periods :") + 1);
  EXPECT_EQ(CheckReportLandmarks(report).FirstDamage(), nullptr);
  EXPECT_FALSE(CheckReportLandmarks(report).Whole(ReportPart::kXLimitsTable));
  report.resize(IndexOf(report, " Return period = "));
  EXPECT_EQ(DamageText(CheckReportLandmarks(report)),
            "the report ends before its table of return periods");
}

TEST(ReportLandmarks, ReportWithoutADistributionEndsAfterItsHeader) {
  auto report = Head(Bundled("portpirie.out"), 8);
  report.push_back(" The frequency distibution cannot be found :");
  const ReportLandmarks landmarks = CheckReportLandmarks(report);
  EXPECT_TRUE(landmarks.noDistribution);
  EXPECT_EQ(landmarks.FirstDamage(), nullptr);
  EXPECT_FALSE(landmarks.Whole(ReportPart::kObservationTable));
}

}  // namespace
}  // namespace quarlin
