#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"
#include "data/input_file.h"
#include "ui/control/window_texts.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

using ui::Page;

class InputPageTest : public ControllerTest {
 protected:
  InputPageTest() { controller.ShowPage(Page::Input); }
};

TEST_F(InputPageTest, StartsOnTheIntroPageAndFirstInputShowingMakesFifteenZeros) {
  ui::MainController fresh(dialogs, thread, session, {});
  EXPECT_EQ(fresh.Model().page, Page::Intro);
  EXPECT_EQ(fresh.Model().status, ui::kIntroStatus);
  EXPECT_FALSE(fresh.Model().saveActionEnabled);

  EXPECT_EQ(model().status, ui::kInputStatus);
  EXPECT_TRUE(model().saveActionEnabled);
  ASSERT_EQ(grid().size(), 15u);
  EXPECT_EQ(grid()[14].serial, "15");
  EXPECT_EQ(Values(), std::vector<std::string>(15, "0"));
  EXPECT_EQ(model().input.nrOfData, "15");
  controller.ShowPage(Page::Intro);
  EXPECT_FALSE(model().saveActionEnabled);
}

struct NrOfDataCase {
  const char* name;
  std::string typed;
  std::string message;
  std::string fieldAfter;
  size_t rowsAfter;
};

class NrOfDataTest : public InputPageTest, public ::testing::WithParamInterface<NrOfDataCase> {};

TEST_P(NrOfDataTest, ChecksTheTypedNumber) {
  const NrOfDataCase& c = GetParam();
  EnterNrOfData(c.typed);
  EXPECT_EQ(Take(), Events{"message: " + c.message});
  EXPECT_EQ(model().input.nrOfData, c.fieldAfter);
  EXPECT_EQ(grid().size(), c.rowsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NrOfDataTest,
    ::testing::Values(
        NrOfDataCase{"BelowMinimum", "5", " The minimum number of data is 6", "6", 15},
        NrOfDataCase{"NotAnInteger", "1x", "The number of data is not a valid integer", "1x", 15},
        NrOfDataCase{"Fewer", "10", " To remove data, empty the relevant data cells ", "10", 15},
        NrOfDataCase{"More", "20", " Add data in the last cells at the end of the column", "20",
                     20},
        NrOfDataCase{"BeyondWhatARunTakes", "2501",
                     "There are more than 2500 input data. Input is invalid.", "15", 15}),
    [](const auto& info) { return info.param.name; });

TEST_F(InputPageTest, AddedRowsAreEmptyAndTypedCellsSurviveAPageChange) {
  controller.SetEditText(2, "7.25");
  EnterNrOfData("18");
  ASSERT_EQ(grid().size(), 18u);
  EXPECT_EQ(grid()[2].value, "7.25");
  EXPECT_EQ(grid()[17].serial, "18");
  EXPECT_EQ(grid()[15].value, "");
  EXPECT_EQ(model().input.gridWidth, 170);
  controller.SetEditText(16, "3");
  controller.ShowPage(Page::Intro);
  controller.ShowPage(Page::Input);
  ASSERT_EQ(grid().size(), 18u);
  EXPECT_EQ(grid()[2].value, "7.25");
  EXPECT_EQ(grid()[16].value, "3");
}

struct ClassesCase {
  std::string typed;
  std::string fieldAfter;
  std::vector<std::string> events;
};

class ClassesTest : public InputPageTest, public ::testing::WithParamInterface<ClassesCase> {};

TEST_P(ClassesTest, ChecksTheNumberOfIntervals) {
  controller.SetNrOfClassesText(GetParam().typed);
  controller.NrOfClassesEditExit();
  EXPECT_EQ(Take(), GetParam().events);
  EXPECT_EQ(model().input.nrOfClasses, GetParam().fieldAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassesTest,
    ::testing::Values(
        ClassesCase{"10", "10", {}}, ClassesCase{"75", "50", {}},
        ClassesCase{
            "x", "5", {"message: The number of classes is not a valid integer. It is set to 5"}},
        ClassesCase{
            "1",
            "5",
            {"message: The number of classes should be between 2 and 50. Input is invalid."}}));

TEST_F(InputPageTest, PastingAColumnSetsTheNumberOfData) {
  controller.SetEditText(0, Column(70));
  ASSERT_EQ(grid().size(), 70u);
  EXPECT_EQ(model().input.nrOfData, "70");
  EXPECT_EQ(grid()[69].serial, "70");
  EXPECT_EQ(grid()[0].value, Column(1).substr(0, Column(1).size() - 2));
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(controller.State().NrOfData, 70);
  EXPECT_EQ(controller.State().Values.size(), 70u);
}

TEST_F(InputPageTest, ShorterPasteAsksWhetherToKeepTheRows) {
  dialogs.answer = true;
  controller.SetEditText(0, Column(8));
  EXPECT_EQ(Take(), Events{"question: " + std::string(ui::kMaintainQuestion)});
  EXPECT_EQ(grid().size(), 15u);
  EXPECT_EQ(grid()[9].value, "0");

  dialogs.answer = false;
  controller.SetEditText(0, Column(7));
  EXPECT_EQ(grid().size(), 7u);
  EXPECT_EQ(model().input.nrOfData, "7");
}

TEST_F(InputPageTest, PasteBeyondWhatARunTakesLeavesTheGrid) {
  controller.SetEditText(0, Column(2501, "\n"));
  EXPECT_EQ(Take(), Events{"message: There are more than 2500 input data. Input is invalid."});
  EXPECT_EQ(Values(), std::vector<std::string>(15, "0"));
}

TEST_F(InputPageTest, ExponentNotationKeepsItsValue) {
  controller.SetEditText(0, "1.5E+03\r\n" + Column(6));
  EXPECT_EQ(grid()[0].value, "1.5E+03");
  EXPECT_EQ(controller.State().Values[0], 1500.0L);
}

class CommaSeparatorTest : public ControllerTest {
 protected:
  CommaSeparatorTest() : ControllerTest(',') { controller.ShowPage(ui::Page::Input); }
};

TEST_F(CommaSeparatorTest, FallsBackToFullStopForTheRestOfTheSession) {
  dialogs.answer = false;
  controller.SetEditText(0, "1,5\r\n2,5\r\n3\r\n4\r\n5\r\n6\r\n");
  EXPECT_EQ(controller.State().Values[1], 2.5L);
  EXPECT_EQ(controller.DecimalSeparator(), ',');
  controller.SetEditText(2, "1.25");
  EnterNrOfData("8");
  EXPECT_EQ(controller.DecimalSeparator(), '.');
  EXPECT_EQ(controller.State().Values[2], 1.25L);
  controller.ShowPage(ui::Page::Intro);
  controller.ShowPage(ui::Page::Input);
  EXPECT_EQ(grid()[2].value, "1.25");
}

TEST_F(InputPageTest, ClearAsksFirst) {
  controller.SetEditText(0, Column(20));
  dialogs.answer = false;
  controller.ClearButtonClick();
  EXPECT_EQ(grid().size(), 20u);
  dialogs.answer = true;
  controller.ClearButtonClick();
  EXPECT_EQ(Take().back(), "question: The data will be cleared, are you sure?");
  EXPECT_EQ(model().page, Page::Input);
  EXPECT_EQ(Values(), std::vector<std::string>(15, "0"));
}

TEST_F(InputPageTest, PasteHelpHidesTheGridAndComesBack) {
  controller.PasteHelpButtonClick();
  EXPECT_TRUE(model().input.pasteHelpShown);
  EXPECT_EQ(model().input.pasteHelpCaption, "Close help");
  controller.PasteHelpButtonClick();
  EXPECT_FALSE(model().input.pasteHelpShown);
  EXPECT_EQ(model().input.pasteHelpCaption, " Paste help ");
}

class OpenInputTest : public InputPageTest {};

TEST_F(OpenInputTest, CancelledOrMissingFileChangesNothing) {
  dialogs.openFile.reset();
  controller.InputOpenActionExecute();
  dialogs.openFile = (dir / "none.inp").string();
  controller.InputOpenActionExecute();
  const Events seen = Take();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[1], "message: No input file was selected");
  EXPECT_EQ(seen[3], "message: File does not exist, please select another one,");
  EXPECT_FALSE(model().input.fileNameShown);
}

TEST_F(OpenInputTest, OpenedFileFillsThePage) {
  const auto path = dir / "portpirie.inp";
  std::filesystem::copy_file(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data/portpirie.inp",
                             path);
  dialogs.openFile = path.string();
  controller.InputOpenActionExecute();
  EXPECT_TRUE(model().input.fileNameShown);
  EXPECT_EQ(model().input.fileName, path.string());
  const auto& state = controller.State();
  ASSERT_EQ(grid().size(), static_cast<size_t>(state.NrOfData));
  EXPECT_EQ(model().input.nrOfData, std::to_string(state.NrOfData));
  EXPECT_EQ(model().input.title1, state.Title1);
  EXPECT_EQ(model().input.optionIndex, state.CompositeAllowed ? 1 : 0);
  EXPECT_EQ(std::stold(grid()[0].value), state.Values[0]);
  EXPECT_EQ(model().dialogFolder, dir.path().string());
}

// The file is at fault, not the program: the message names its line and
// the window goes on with what it held.
TEST_F(OpenInputTest, UnreadableNumberNamesItsLineAndKeepsThePage) {
  std::string text = ReadAll(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data/portpirie.inp");
  const std::string datum = "    3       3.65";
  ASSERT_NE(text.find(datum), std::string::npos);
  text.replace(text.find(datum), datum.size(), "    3       3.6S");
  const auto path = dir / "bad.inp";
  WriteAll(path, text);
  controller.SetTitle1("Typed title");
  dialogs.openFile = path.string();
  controller.InputOpenActionExecute();
  EXPECT_EQ(Take().back(), "message: Real numbers in the inputfile \"" + path.string() +
                               "\" are invalid (line 17 holds \"3       3.6S\")");
  EXPECT_FALSE(model().input.fileNameShown);
  EXPECT_EQ(model().input.title1, "Typed title");
  EXPECT_EQ(grid().size(), 15u);
}

TEST_F(OpenInputTest, FileWithTooManyDataIsRefused) {
  RunState big;
  big.FileName = (dir / "big.inp").string();
  for (int i = 0; i < 2501; ++i) {
    big.Values.push_back(1 + i);
    big.Serial.push_back(i + 1);
    big.Removed.push_back(0);
  }
  big.NrOfData = 2501;
  ASSERT_TRUE(WriteFileAtomically(big.FileName, InputFileText(big)));
  dialogs.openFile = big.FileName;
  controller.InputOpenActionExecute();
  EXPECT_EQ(Take().back(), "message: Line 2515 of the file \"" + big.FileName +
                               "\" holds value 2501: there are more than 2500 input data. Input "
                               "is invalid.");
  EXPECT_EQ(grid().size(), 15u);
}

}  // namespace
}  // namespace quarlin::testing_support
