#include <gtest/gtest.h>

#include <filesystem>

#include "ui/control/window_texts.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

using ui::Page;

class SaveRunWindowTest : public ControllerTest {
 protected:
  SaveRunWindowTest() {
    controller.ShowPage(Page::Input);
    dialogs.saveFile = (dir / "run.inp").string();
  }

  Events Messages() {
    Events messages;
    for (auto& event : Take())
      if (event.rfind("message: ", 0) == 0) messages.push_back(event.substr(9));
    return messages;
  }
};

TEST_F(SaveRunWindowTest, APreferredDistributionRunEndsOnTheOutputPage) {
  controller.SetEditText(0, Column(20));
  controller.SelectionButtonClick();
  controller.SelectChoice(28);
  controller.ConfirmSelection();
  Take();
  std::vector<std::vector<std::string>> memo;
  controller.SetOnChange([&] { memo.push_back(model().input.waitLines); });
  controller.InputSaveActionExecute();

  EXPECT_EQ(Messages(), Events{"The input is saved in " + (dir / "run.inp").string() +
                               "   Calculations were done and the output is saved in  " +
                               (dir / "run.out").string()});
  EXPECT_EQ(model().page, Page::Output);
  EXPECT_EQ(model().status, ui::kOutputStatus);
  EXPECT_FALSE(model().saveActionEnabled);
  EXPECT_FALSE(model().running);
  EXPECT_FALSE(model().input.waitShown);
  EXPECT_TRUE(model().output.reportShown);
  EXPECT_FALSE(model().output.listButton);
  EXPECT_FALSE(model().output.report.empty());
  ASSERT_FALSE(memo.empty());
  const auto& lines = memo.back();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), " Saving data .....");
  EXPECT_EQ(lines[1], " Calculating .....");
  EXPECT_EQ(lines.back(), " Filing results ..");
}

TEST_F(SaveRunWindowTest, EmptyCellsAreDroppedAndTheGridRenumbered) {
  controller.SetEditText(0, Column(30));
  controller.SetEditText(3, "");
  controller.SetEditText(10, "");
  controller.InputSaveActionExecute();
  Take();
  EXPECT_TRUE(model().output.listButton);
  controller.ShowPage(Page::Input);
  ASSERT_EQ(grid().size(), 28u);
  EXPECT_EQ(model().input.nrOfData, "28");
  EXPECT_EQ(grid()[27].serial, "28");
  EXPECT_EQ(std::stold(grid()[3].value), std::stold(Column(5).substr(Column(4).size())));
}

TEST_F(SaveRunWindowTest, RefusedDataStayOnTheInputPage) {
  dialogs.answer = false;
  controller.SetEditText(0, "5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n");
  controller.InputSaveActionExecute();
  EXPECT_EQ(Messages().back(), "No variation between data. Program stops running");
  EXPECT_EQ(model().page, Page::Input);
  EXPECT_FALSE(model().running);
  EXPECT_FALSE(std::filesystem::exists(dir / "run.out"));
}

TEST_F(SaveRunWindowTest, CancelledSaveDialogSavesNothing) {
  dialogs.saveFile.reset();
  controller.InputSaveActionExecute();
  EXPECT_EQ(Messages(), Events{"The input data were not saved"});
  EXPECT_TRUE(dir.Names().empty());
}

TEST_F(SaveRunWindowTest, ClosingShowsTheFinishWindowFirst) {
  controller.CloseRequested();
  EXPECT_TRUE(model().finishShown);
  EXPECT_EQ(model().status, "Click Finish to end the program");
  EXPECT_FALSE(controller.QuitRequested());
  controller.FinishButtonClick();
  EXPECT_TRUE(controller.QuitRequested());
}

}  // namespace
}  // namespace quarlin::testing_support
