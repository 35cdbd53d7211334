// The main window's keys: Ctrl+O, Ctrl+S, Ctrl+Q with the closing window's
// Enter and Escape, F1, the letters of the buttons, and the focus after a
// message about an entry.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>

#include "common/text_file.h"
#include "ui/control/window_texts.h"
#include "ui/qt/finish_window.h"
#include "ui/qt/select_dialog.h"
#include "ui/qt/value_grid.h"
#include "ui/window_fixture.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

class KeyboardTest : public WindowTest {
 protected:
  KeyboardTest() {
    pages = Find<QTabWidget>("PageControl1");
    pages->setCurrentIndex(1);
    grid = Find<ui::ValueGrid>("StringGrid1");
    QApplication::setActiveWindow(&window());
  }

  void PasteColumn(int n) { PasteIntoFirstCell(Local(Column(n, "\n"))); }

  // Keys go where the focus is, as the user's do.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window(), key, modifiers);
    QApplication::processEvents();
  }

  void WaitForTheRun() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model().running; }, 120000));
    QApplication::processEvents();
  }

  // Leaves `edit` with Tab after typing `text` into it.
  void TypeAndLeave(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
    QApplication::processEvents();
  }

  QTabWidget* pages = nullptr;
  ui::ValueGrid* grid = nullptr;
};

TEST_F(KeyboardTest, CtrlSRunsSaveRun) {
  PasteColumn(30);
  Find<QLineEdit>("Title1Edit")->setFocus();
  Key(Qt::Key_S, Qt::ControlModifier);
  WaitForTheRun();
  EXPECT_EQ(pages->currentIndex(), 2);
  EXPECT_TRUE(fs::exists(dir / "window.out"));
  EXPECT_TRUE(Find<QPlainTextEdit>("OutputMemo")->isVisible());
}

// The cell being typed in keeps its text, as when the button is clicked.
TEST_F(KeyboardTest, CtrlSTakesTheCellBeingTyped) {
  PasteColumn(30);
  grid->setCurrentCell(3, 1);
  QTest::keyClick(grid, Qt::Key_F2);
  QTest::keyClicks(QApplication::focusWidget(), Local("123.5").c_str());
  Key(Qt::Key_S, Qt::ControlModifier);
  WaitForTheRun();
  EXPECT_EQ(model().input.grid[3].value, Local("123.5"));
  EXPECT_NE(ReadAll(dir / "window.inp").find("123.5"), std::string::npos);
}

TEST_F(KeyboardTest, TheLetterOfSaveRunTakesTheCellBeingTyped) {
  PasteColumn(30);
  grid->setCurrentCell(3, 1);
  QTest::keyClick(grid, Qt::Key_F2);
  QTest::keyClicks(QApplication::focusWidget(), Local("123.5").c_str());
  Key(Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return model().running || pages->currentIndex() == 2; }, 2000));
  WaitForTheRun();
  EXPECT_NE(ReadAll(dir / "window.inp").find("123.5"), std::string::npos);
}

// A number field being typed in is checked first; a fault there ends the
// command, as it would end a click.
TEST_F(KeyboardTest, CtrlSChecksTheFieldBeingTypedFirst) {
  PasteColumn(30);
  auto* field = Find<QLineEdit>("NrOfDataEdit");
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "x");
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Messages(), Events{ui::kNotValidIntegerMessage});
  EXPECT_FALSE(model().running);
  EXPECT_FALSE(fs::exists(dir / "window.inp"));
  EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(KeyboardTest, CtrlOOpensAnInputFile) {
  fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / "portpirie.inp", dir / "portpirie.inp");
  dialogs.openFile = (dir / "portpirie.inp").string();
  pages->setCurrentIndex(0);
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(pages->currentIndex(), 1);
  EXPECT_EQ(Find<QLineEdit>("FileNameEdit")->text().toStdString(), *dialogs.openFile);
  EXPECT_EQ(grid->rowCount(), 65);
}

TEST_F(KeyboardTest, CtrlQAsksToFinishAndEscapeGoesBack) {
  Find<QLineEdit>("Title1Edit")->setFocus();
  Key(Qt::Key_Q, Qt::ControlModifier);
  ui::FinishWindow& finish = window().Finish();
  ASSERT_TRUE(finish.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), finish.findChild<QPushButton*>("FinishButton"));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(finish.isVisible());
  EXPECT_TRUE(window().isVisible());
  EXPECT_FALSE(program->Controller().QuitRequested());
  EXPECT_EQ(model().status, ui::kInputStatus);
}

TEST_F(KeyboardTest, CtrlQThenEnterFinishes) {
  Key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_TRUE(window().Finish().isVisible());
  // Enter finishes wherever the focus is in the closing window.
  window().Finish().findChild<QPlainTextEdit*>("FinishMemo")->setFocus();
  Key(Qt::Key_Return);
  EXPECT_TRUE(program->Controller().QuitRequested());
}

// Escape closes the selection dialog for good: it came back with the next
// change of the window.
TEST_F(KeyboardTest, EscapeClosesTheSelectionDialog) {
  QTest::mouseClick(Find<QPushButton>("SelectionButton"), Qt::LeftButton);
  auto& select = window().Selection();
  ASSERT_TRUE(select.isVisible());
  QApplication::setActiveWindow(&select);
  QTest::keyClick(&select, Qt::Key_Escape);
  EXPECT_FALSE(select.isVisible());
  pages->setCurrentIndex(0);
  pages->setCurrentIndex(1);
  EXPECT_FALSE(select.isVisible());
  EXPECT_FALSE(model().selectDialogShown);
}

TEST_F(KeyboardTest, F1ShowsThePasteHelpOnTheInputPage) {
  grid->setFocus();
  Key(Qt::Key_F1);
  EXPECT_TRUE(Find<QPlainTextEdit>("PasteHelpMemo")->isVisible());
  EXPECT_FALSE(grid->isVisible());
}

TEST_F(KeyboardTest, F1ShowsTheIntroductionElsewhere) {
  pages->setCurrentIndex(2);
  Key(Qt::Key_F1);
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_TRUE(Find<QPlainTextEdit>("IntroMemo")->isVisible());
}

// The row of page tabs is a stop of the Tab key; there the arrow keys
// change the page.
TEST_F(KeyboardTest, TheArrowKeysOnTheTabsChangeThePage) {
  auto* title = Find<QLineEdit>("Title1Edit");
  title->setFocus();
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), pages->tabBar());
  Key(Qt::Key_Right);
  EXPECT_EQ(pages->currentIndex(), 2);
  Key(Qt::Key_Right);
  EXPECT_EQ(pages->currentIndex(), 3);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(KeyboardTest, TheLetterOfALabelTakesTheFocusToItsField) {
  grid->setFocus();
  Key(Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("NrOfDataEdit"));
  Key(Qt::Key_1, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>("Title1Edit"));
}

// A button pressed by its letter is seen to go down and up first.
TEST_F(KeyboardTest, TheLetterOfAButtonPressesIt) {
  auto* help = Find<QPlainTextEdit>("PasteHelpMemo");
  Key(Qt::Key_P, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }, 2000));
  Key(Qt::Key_H, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !help->isVisible(); }, 2000));
}

// Leaving a field with Tab moves the focus on; a message about the field
// brings it back there.
TEST_F(KeyboardTest, AMessageAboutAFieldGivesItTheFocusBack) {
  auto* nrOfData = Find<QLineEdit>("NrOfDataEdit");
  TypeAndLeave(nrOfData, "5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == nrOfData; }, 2000));
  EXPECT_EQ(nrOfData->text(), "6");
  EXPECT_EQ(Messages(), Events{" The minimum number of data is 6"});

  auto* classes = Find<QLineEdit>("NrOfClassesEdit");
  TypeAndLeave(classes, "x");
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == classes; }, 2000));
  EXPECT_EQ(classes->text(), "5");
}

TEST_F(KeyboardTest, ARefusedValueGivesTheGridTheFocus) {
  PasteColumn(10);
  grid->setCurrentCell(4, 1);
  QTest::keyClick(grid, Qt::Key_F2);
  QTest::keyClicks(QApplication::focusWidget(), "abc");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  auto* save = Find<QPushButton>("InputSaveButton");
  save->setFocus();
  QTest::keyClick(save, Qt::Key_Space);
  WaitForTheRun();
  ASSERT_FALSE(Messages().empty());
  EXPECT_EQ(Messages().back().rfind("Not all data values in the inputfile are real", 0), 0u);
  EXPECT_EQ(QApplication::focusWidget(), grid);
}

}  // namespace
}  // namespace quarlin::testing_support
