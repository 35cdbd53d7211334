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

namespace quarlin::testing_support {
namespace {

// Holds a run's job until the test lets it go, as a run on its own thread
// would be held while the window goes on.
class HeldThread : public ui::WindowThread {
 public:
  void RunAway(std::function<void()> job, std::function<void()> done) override {
    job_ = std::move(job);
    done_ = std::move(done);
  }
  void Post(std::function<void()> task) override { task(); }
  void Call(std::function<void()> task) override { task(); }
  void Release() {
    job_();
    done_();
  }

 private:
  std::function<void()> job_, done_;
};

TEST(HeldRunTest, WhileARunIsOnTheWindowLeavesItsStateAlone) {
  TempDir dir;
  Events events;
  ScriptedDialogs dialogs(events);
  HeldThread thread;
  RunSession session;
  ui::MainController controller(dialogs, thread, session, {'.', dir.path().string(), 0});
  controller.ShowPage(ui::Page::Input);
  controller.SetEditText(0, Column(20));
  dialogs.saveFile = (dir / "held.inp").string();
  controller.InputSaveActionExecute();
  ASSERT_TRUE(controller.Model().running);

  controller.ShowPage(ui::Page::Intro);
  controller.ShowPage(ui::Page::Input);
  controller.SelectChoice(28);
  controller.ConfirmSelection();
  controller.OptionComboBoxChange(1);
  controller.SetEditText(0, "99");
  controller.InputOpenActionExecute();
  controller.InputSaveActionExecute();
  EXPECT_EQ(controller.State().Preference, "1");
  EXPECT_EQ(controller.Model().input.grid.size(), 20u);
  EXPECT_NE(controller.Model().input.grid[0].value, "99");
  EXPECT_TRUE(events.empty());

  thread.Release();
  EXPECT_FALSE(controller.Model().running);
  EXPECT_EQ(controller.Model().page, ui::Page::Output);
  EXPECT_TRUE(controller.Model().output.listButton);
}

}  // namespace
}  // namespace quarlin::testing_support
