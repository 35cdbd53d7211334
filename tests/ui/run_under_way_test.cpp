// While a run is on: the status text says so and how far it is, and what
// waits for the run's end is disabled.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <set>

#include "ui/control/window_texts.h"
#include "ui/qt/select_dialog.h"
#include "ui/qt/value_grid.h"
#include "ui/window_fixture.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

// The run pauses between its own lines, as the program does, so that the
// window can be looked at while it is on.
class RunUnderWayTest : public WindowTest {
 protected:
  RunUnderWayTest() : WindowTest(150) {
    pages = Find<QTabWidget>("PageControl1");
    status = Find<QLabel>("StatusText");
  }

  void PasteColumn(int n) {
    pages->setCurrentIndex(1);
    QApplication::clipboard()->setText(QString::fromStdString(Local(Column(n, "\n"))));
    auto* grid = Find<ui::ValueGrid>("StringGrid1");
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
  }

  QAction* Action(const char* name) {
    auto* action = window().findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }

  // The buttons and menu entries that do nothing while a run is on.
  std::vector<std::pair<std::string, bool>> Waiting() {
    std::vector<std::pair<std::string, bool>> enabled;
    for (const char* name : {"InputOpenButton", "InputSaveButton", "ClearButton", "PasteHelpButton",
                             "SelectionButton", "SeeOutputButton", "ViewGraphButton", "CalcButton",
                             "FitButton", "ListButton", "MakeGraphButton"})
      enabled.emplace_back(name, Find<QPushButton>(name)->isEnabled());
    enabled.emplace_back("Button1",
                         window().Selection().findChild<QPushButton*>("Button1")->isEnabled());
    for (const char* name : {"InputOpenAction", "OutputOpenAction", "GraphOpenAction",
                             "InputSaveAction", "EditCut", "EditPaste"})
      enabled.emplace_back(name, Action(name)->isEnabled());
    return enabled;
  }

  static bool AllAre(const std::vector<std::pair<std::string, bool>>& states, bool enabled,
                     std::string& which) {
    for (const auto& [name, state] : states)
      if (state != enabled) which += name + " ";
    return which.empty();
  }

  QTabWidget* pages = nullptr;
  QLabel* status = nullptr;
};

TEST_F(RunUnderWayTest, TheStatusTellsHowFarTheRunIsAndIdleButtonsAreDisabled) {
  // A report first, so that the Output page's buttons are there to wait.
  PasteColumn(40);
  QTest::mouseClick(Find<QPushButton>("InputSaveButton"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !model().running; }, 120000));
  pages->setCurrentIndex(1);
  dialogs.saveFile = (dir / "second.inp").string();

  std::set<std::string> seen;
  QTest::mouseClick(Find<QPushButton>("InputSaveButton"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        seen.insert(status->text().toStdString());
        return status->text().contains(" distributions fitted.");
      },
      30000))
      << status->text().toStdString() << ::testing::PrintToString(events);
  ASSERT_TRUE(model().running);
  EXPECT_TRUE(seen.count(ui::kRunSavingStatus)) << ::testing::PrintToString(seen);
  EXPECT_EQ(status->text().toStdString().rfind("A run is under way: ", 0), 0u);
  std::string enabled;
  EXPECT_TRUE(AllAre(Waiting(), false, enabled)) << "enabled: " << enabled;
  // The report of the last run can still be read, the pages still changed.
  EXPECT_TRUE(Find<QPlainTextEdit>("OutputMemo")->isEnabled());
  pages->setCurrentIndex(2);
  EXPECT_EQ(pages->currentIndex(), 2);
  EXPECT_EQ(status->text().toStdString().rfind("A run is under way", 0), 0u);
  pages->setCurrentIndex(1);

  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        seen.insert(status->text().toStdString());
        return !model().running;
      },
      120000));
  EXPECT_TRUE(seen.count(ui::kRunFilingStatus))
      << ::testing::PrintToString(seen) << ::testing::PrintToString(Messages());
  EXPECT_EQ(status->text().toStdString(), ui::kOutputStatus);
  // Save-Run waits for the Input page, as it did before the run.
  pages->setCurrentIndex(1);
  std::string disabled;
  EXPECT_TRUE(AllAre(Waiting(), true, disabled)) << "disabled: " << disabled;
}

}  // namespace
}  // namespace quarlin::testing_support
