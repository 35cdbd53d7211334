#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"
#include "ui/control/window_texts.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;
using ui::Page;

class OutputPageTest : public ControllerTest {
 protected:
  // Copies a bundled report's files into the test's folder and opens it.
  void OpenBundled(const std::string& name,
                   const std::vector<std::string>& extensions = {".out", ".aux", ".inp", ".Lst"}) {
    for (const auto& extension : extensions)
      fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / (name + extension),
                    dir / (name + extension));
    dialogs.openFile = (dir / (name + ".out")).string();
    controller.OutputOpenActionExecute();
  }
};

struct BundledReport {
  const char* name;
  bool fitButton;  // more than 250 data
};

class BundledReportTest : public OutputPageTest,
                          public ::testing::WithParamInterface<BundledReport> {};

TEST_P(BundledReportTest, OffersWhatTheReportHolds) {
  OpenBundled(GetParam().name);
  EXPECT_TRUE(Take().size() == 1u);  // the file choice, and no message
  const auto& output = model().output;
  EXPECT_TRUE(output.reportShown);
  EXPECT_EQ(output.report.front(), " RESULTS OF Quarlin PROGRAM");
  EXPECT_TRUE(output.viewGraphButton);
  EXPECT_TRUE(output.calcButton);
  EXPECT_TRUE(output.listButton);
  EXPECT_EQ(output.fitButton, GetParam().fitButton);
  EXPECT_FALSE(output.optButton);
  EXPECT_EQ(model().page, Page::Output);
  EXPECT_EQ(model().status, ui::kOutputOpenedStatus);
  EXPECT_EQ(model().dialogFolder, dir.path().string());
}

INSTANTIATE_TEST_SUITE_P(
    Data, BundledReportTest,
    ::testing::Values(BundledReport{"Nile", false}, BundledReport{"lossalae_Loss", true},
                      BundledReport{"portpirie", false}, BundledReport{"precip", false},
                      BundledReport{"rivers", false}, BundledReport{"sleep", false}),
    [](const auto& info) { return info.param.name; });

TEST_F(OutputPageTest, WithoutParameterFileThereIsNoCalculator) {
  OpenBundled("sleep", {".out", ".inp"});
  EXPECT_EQ(Take().back(),
            "message:  If you wish to make use of the calculator, run the program again");
  EXPECT_TRUE(model().output.reportShown);
  EXPECT_FALSE(model().output.calcButton);
  EXPECT_FALSE(model().output.listButton);
}

// A report cut short says so as it is opened, naming the file and what it
// lacks, and is shown as far as it goes with the buttons of a report.
struct CutReportCase {
  const char* name;
  const char* cutBefore;  // the first line beginning so and all after it go
  std::string what;
  bool fitButton;
};

class CutReportTest : public OutputPageTest, public ::testing::WithParamInterface<CutReportCase> {};

TEST_P(CutReportTest, SaysAtOnceWhatIsMissing) {
  OpenBundled("lossalae_Loss", {".out", ".aux", ".inp"});
  Take();
  std::string report = ReadAll(dir / "lossalae_Loss.out");
  const auto at = report.find(std::string("\r\n") + GetParam().cutBefore);
  ASSERT_NE(at, std::string::npos);
  report.resize(at + 2);
  WriteAll(dir / "lossalae_Loss.out", report);
  dialogs.openFile = (dir / "lossalae_Loss.out").string();
  controller.OutputOpenActionExecute();
  EXPECT_EQ(Take(), (Events{"choose open file: [Output files (*.out) | *.out]",
                            "message: The file \"" + *dialogs.openFile +
                                "\" is incomplete: " + GetParam().what +
                                ". The report is shown as far as it goes; graphs that need what "
                                "is missing cannot be drawn."}));
  const auto& output = model().output;
  EXPECT_TRUE(output.reportShown);
  EXPECT_EQ(output.report, SplitLines(report));
  EXPECT_TRUE(output.viewGraphButton);
  EXPECT_TRUE(output.calcButton);
  // The goodness of fit needs the average of the cumulative table.
  EXPECT_EQ(output.fitButton, GetParam().fitButton);
  EXPECT_EQ(model().page, Page::Output);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, CutReportTest,
    ::testing::Values(CutReportCase{"Observations", " Observed and calculated",
                                    "the report ends before its table of observed and calculated "
                                    "cumulative frequencies",
                                    false},
                      CutReportCase{"ReturnPeriods", " Return period",
                                    "the report ends before its table of return periods", true},
                      CutReportCase{"XLimits", " Confidence limits",
                                    "the report ends before its table of confidence limits of "
                                    "calculated X-values",
                                    true}),
    [](const auto& info) { return info.param.name; });

TEST_F(OutputPageTest, AMissingReportLeavesOnlyOpenOutput) {
  OpenBundled("sleep");
  dialogs.openFile = (dir / "gone.out").string();
  controller.OutputOpenActionExecute();
  EXPECT_EQ(Take().back(), "message: File does not exist, please select another one,");
  EXPECT_FALSE(model().output.reportShown);
  EXPECT_FALSE(model().output.viewGraphButton);
  EXPECT_FALSE(model().output.calcButton);
  dialogs.openFile.reset();
  controller.OutputOpenActionExecute();
  EXPECT_EQ(Take().back(), "message: No output file was selected");
}

TEST_F(OutputPageTest, GoodnessOfFitQuotesTheReportsAverage) {
  OpenBundled("portpirie");
  controller.FitButtonClick();
  const auto& lines = model().output.fitLines;
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_TRUE(model().output.fitPanelShown);
  const std::string report = ReadAll(dir / "portpirie.out");
  const auto at = report.find(" observed frequencies :");
  ASSERT_NE(at, std::string::npos);
  // The report prints the average with two decimals after its label.
  const double printed = std::stod(report.substr(report.find_first_of("0123456789", at)));
  char expected[512];
  std::snprintf(expected, sizeof expected, "In this case the AvAbsDiff =%5.2f %%", printed);
  EXPECT_EQ(lines[2], expected);
  EXPECT_EQ(lines[10], "            AvAbsDiff > 5%    very poor");
  controller.CloseFitButtonClick();
  EXPECT_FALSE(model().output.fitPanelShown);
}

TEST_F(OutputPageTest, RankedListIsShownOrItsFileErrorIs) {
  OpenBundled("rivers");
  controller.ListButtonClick();
  EXPECT_TRUE(model().listShown);
  EXPECT_EQ(model().listLines, *ReadLines(dir / "rivers.Lst"));
  controller.ListWindowClosed();
  fs::remove(dir / "rivers.Lst");
  Take();
  controller.ListButtonClick();
  EXPECT_FALSE(model().listShown);
  const Events seen = Take();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find((dir / "rivers.Lst").string()), std::string::npos);
}

TEST_F(OutputPageTest, GoodnessOfFitIsOfferedForOpenedReportsFromFewerData) {
  controller.ShowPage(Page::Input);
  controller.SetEditText(0, Column(300));
  controller.SelectionButtonClick();
  controller.SelectChoice(28);
  controller.ConfirmSelection();
  dialogs.saveFile = (dir / "three.inp").string();
  controller.InputSaveActionExecute();
  ASSERT_TRUE(model().output.reportShown);
  EXPECT_FALSE(model().output.fitButton);
  dialogs.openFile = (dir / "three.out").string();
  controller.OutputOpenActionExecute();
  EXPECT_TRUE(model().output.fitButton);
  EXPECT_FALSE(model().output.listButton);
}

}  // namespace
}  // namespace quarlin::testing_support
