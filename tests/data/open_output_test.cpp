#include "data/open_output.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"
#include "data/messages.h"
#include "temp_dir.h"

namespace quarlin {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

std::string BundledText(const std::string& name) {
  return ReadAll(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / name);
}

class RecordingDialogs : public Dialogs {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  bool Question(const std::string&) override { return false; }
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>&) override { return {}; }
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>&) override { return {}; }
  std::vector<std::string> messages;
};

struct AuxCase {
  std::string name;
  std::optional<std::string> aux;  // nullopt: no *.aux
  int code;
  bool hint;  // the calculator hint is shown
};

class OpenOutputTest : public testing::TestWithParam<AuxCase> {
 protected:
  TempDir dir_;
  RecordingDialogs dialogs_;
};

TEST_P(OpenOutputTest, ReadsTheCodeFromTheParameterFile) {
  const std::string report = BundledText("sleep.out");
  WriteAll(dir_ / "s.out", report);
  if (GetParam().aux) WriteAll(dir_ / "s.aux", *GetParam().aux);
  RunState state;
  state.AuxCode = 99;
  state.FileName = (dir_ / "s.out").string();
  const auto lines = OpenOutput(state, dialogs_, OutputOrigin::kOpened);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, SplitLines(report));
  EXPECT_EQ(state.AuxCode, GetParam().code);
  EXPECT_EQ(state.FileName, (dir_ / "s.out").string());
  EXPECT_EQ(dialogs_.messages,
            GetParam().hint ? std::vector<std::string>{kNoAuxMessage} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    AuxFiles, OpenOutputTest,
    testing::Values(
        AuxCase{"Header", " Parameters for internal use, do not remove.\r\n57\r\n 1.0\r\n", 57,
                false},
        AuxCase{"OlderWithoutHeader", "   61\r\n 1.0\r\n", 61, false},
        AuxCase{"Missing", std::nullopt, 0, true},
        AuxCase{"Unreadable", " Parameters for internal use, do not remove.\r\nabc\r\n", 0, true},
        AuxCase{"Empty", "", 0, true}),
    [](const auto& info) { return info.param.name; });

// A report cut short is shown as far as it goes, and the user is told at
// once what is missing: before the calculator hint, which is about the
// *.aux.
struct CutCase {
  const char* name;
  const char* cutBefore;  // the report ends before the first line beginning so
  int rowsKept;           // or that many rows into the table that line heads
  std::string what;
};

class CutReportTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutReportTest, SaysAtOnceWhatIsMissing) {
  TempDir dir;
  RecordingDialogs dialogs;
  const auto whole = SplitLines(BundledText("portpirie.out"));
  size_t end = 0;
  while (end < whole.size() && !whole[end].starts_with(GetParam().cutBefore)) ++end;
  ASSERT_LT(end, whole.size());
  if (GetParam().rowsKept >= 0) end += 5 + GetParam().rowsKept;
  const std::vector<std::string> cut(whole.begin(), whole.begin() + end);
  TextBuilder text;
  for (const auto& line : cut) text.Line(line);
  WriteAll(dir / "p.out", text.Text());

  RunState state;
  state.FileName = (dir / "p.out").string();
  const auto lines = OpenOutput(state, dialogs, OutputOrigin::kOpened);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, cut);
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::string>{"The file \"" + state.FileName +
                                          "\" is incomplete: " + GetParam().what +
                                          ". The report is shown as far as it goes; graphs that "
                                          "need what is missing cannot be drawn.",
                                      kNoAuxMessage}));
  // A run's own report was read back as the run wrote it.
  dialogs.messages.clear();
  ASSERT_TRUE(OpenOutput(state, dialogs, OutputOrigin::kThisRun));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNoAuxMessage});
}

INSTANTIATE_TEST_SUITE_P(
    Sections, CutReportTest,
    testing::Values(
        CutCase{"Header", " Number of data used:", -1, "the report ends before its number of data"},
        CutCase{"Intervals", " Interval analysis", -1,
                "the report ends before its table of the interval analysis"},
        CutCase{"Observations", " Observed and calculated", 20,
                "the report ends inside its table of observed and calculated cumulative "
                "frequencies, after 20 of its 65 rows"},
        CutCase{"ReturnPeriods", " Return period", -1,
                "the report ends before its table of return periods"},
        CutCase{"XLimits", " Confidence limits", -1,
                "the report ends before its table of confidence limits of calculated X-values"}),
    [](const auto& info) { return info.param.name; });

TEST(OpenOutput, WholeReportGivesNoMessage) {
  TempDir dir;
  RecordingDialogs dialogs;
  WriteAll(dir / "p.out", BundledText("portpirie.out"));
  WriteAll(dir / "p.aux", BundledText("portpirie.aux"));
  RunState state;
  state.FileName = (dir / "p.out").string();
  ASSERT_TRUE(OpenOutput(state, dialogs, OutputOrigin::kOpened));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
  EXPECT_EQ(state.AuxCode, 51);
}

TEST(OpenOutput, MissingOutputIsReported) {
  TempDir dir;
  RecordingDialogs dialogs;
  RunState state;
  state.FileName = (dir / "s.out").string();
  EXPECT_FALSE(OpenOutput(state, dialogs, OutputOrigin::kOpened));
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"The file \"" + state.FileName +
                                     "\" could not be opened.  It may be damaged,  not created due "
                                     "to inadequate input data,  or in use by another program"});
}

}  // namespace
}  // namespace quarlin
