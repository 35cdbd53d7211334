// The input grid as a keyboard user and a spreadsheet user meet it: Enter,
// Tab, pastes of one and of two columns, marked cells, and closing with
// values that were never saved.
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "ui/qt/finish_window.h"
#include "ui/qt/value_grid.h"
#include "ui/window_fixture.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

class GridWindowTest : public WindowTest {
 protected:
  GridWindowTest() {
    Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    grid = Find<ui::ValueGrid>("StringGrid1");
    dialogs.answer = false;  // a shorter paste does not keep the 15 rows
  }

  // Keys as the user presses them, each to the widget with the focus.
  void Type(const std::string& text) {
    for (char c : text) QTest::keyClick(QApplication::focusWidget(), c);
  }
  void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
  }
  void TypeAt(int row, const std::string& text) {
    grid->setFocus();
    grid->setCurrentCell(row, 1);
    Type(text);
    Press(Qt::Key_Return);
  }

  void Paste(const std::string& text) { PasteIntoFirstCell(text); }

  std::string Cell(int row) { return grid->item(row, 1)->text().toStdString(); }
  bool Marked(int row) {
    const QTableWidgetItem* cell = grid->item(row, 1);
    return cell->background().style() != Qt::NoBrush && !cell->toolTip().isEmpty();
  }
  bool InGrid(QWidget* widget) { return widget == grid || grid->isAncestorOf(widget); }

  ui::ValueGrid* grid = nullptr;
};

TEST_F(GridWindowTest, EnterCommitsTheCellAndGoesDownARow) {
  grid->setFocus();
  grid->setCurrentCell(0, 1);
  for (const char* value : {"1.5", "2.5", "3.5"}) {
    Type(Local(value));
    Press(Qt::Key_Return);
  }
  EXPECT_EQ(Cell(0), Local("1.5"));
  EXPECT_EQ(Cell(1), Local("2.5"));
  EXPECT_EQ(Cell(2), Local("3.5"));
  EXPECT_EQ(model().input.grid[2].value, Local("3.5"));
  EXPECT_EQ(grid->currentRow(), 3);
}

TEST_F(GridWindowTest, TabLeavesTheGridWithTheCellTyped) {
  grid->setFocus();
  grid->setCurrentCell(2, 1);
  Press(Qt::Key_Tab);
  EXPECT_FALSE(InGrid(QApplication::focusWidget()));

  grid->setFocus();
  Type(Local("4.5"));
  ASSERT_TRUE(InGrid(QApplication::focusWidget()));
  Press(Qt::Key_Tab);
  EXPECT_FALSE(InGrid(QApplication::focusWidget()));
  EXPECT_EQ(model().input.grid[2].value, Local("4.5"));
}

TEST_F(GridWindowTest, TheSerialColumnTakesNoTyping) {
  grid->setFocus();
  grid->setCurrentCell(2, 0);
  EXPECT_EQ(grid->currentColumn(), 1);
  Type("7");
  Press(Qt::Key_Return);
  EXPECT_EQ(grid->item(2, 0)->text(), "3");
  EXPECT_EQ(model().input.grid[2].value, "7");
  EXPECT_FALSE(grid->item(2, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(GridWindowTest, APasteWithoutAFinalLineEndKeepsItsLastValue) {
  std::string text = Local(Column(7, "\n"));
  text.pop_back();
  Paste(text);
  ASSERT_EQ(grid->rowCount(), 7);
  EXPECT_EQ(Cell(6), Local(Column(7, "\n").substr(Column(6, "\n").size(), 4)));
  EXPECT_EQ(Find<QLineEdit>("NrOfDataEdit")->text(), "7");
}

TEST_F(GridWindowTest, ATwoColumnPasteGivesTheValuesAndSaysSo) {
  const std::vector<std::string> values{"12.5", "13.5", "11", "9.5", "10", "14", "15.5"};
  std::string text;
  for (size_t i = 0; i < values.size(); ++i)
    text += std::to_string(1990 + i) + "\t" + Local(values[i]) + "\r\n";
  Paste(text);
  ASSERT_EQ(grid->rowCount(), 7);
  for (int r = 0; r < 7; ++r) EXPECT_EQ(Cell(r), Local(values[r]));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("column 2"), std::string::npos) << Messages()[0];
}

TEST_F(GridWindowTest, CellsThatAreNoNumberAreMarked) {
  Paste("13x7\n" + Local(Column(6, "\n")));
  ASSERT_EQ(grid->rowCount(), 7);
  EXPECT_EQ(Cell(0), "13x7");
  EXPECT_TRUE(Marked(0));
  EXPECT_FALSE(Marked(1));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("row 1 \"13x7\""), std::string::npos) << Messages()[0];

  TypeAt(0, Local("13.7"));
  EXPECT_FALSE(Marked(0));
  TypeAt(3, "abc");
  EXPECT_TRUE(Marked(3));
}

TEST_F(GridWindowTest, ClosingWithTypedValuesAsksFirst) {
  TypeAt(0, Local("4.5"));
  auto* finish = window().Finish().findChild<QPushButton*>("FinishButton");
  window().close();
  ASSERT_TRUE(window().Finish().isVisible());
  QTest::mouseClick(finish, Qt::LeftButton);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(),
            "question: The data have not been saved. Do you want to close without saving?");
  EXPECT_FALSE(program->Controller().QuitRequested());
  EXPECT_FALSE(window().Finish().isVisible());
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(Cell(0), Local("4.5"));

  dialogs.answer = true;
  window().close();
  QTest::mouseClick(finish, Qt::LeftButton);
  EXPECT_TRUE(program->Controller().QuitRequested());
}

TEST_F(GridWindowTest, ASavedRunNamesItsFileAndClosingAsksNothing) {
  Paste(Local(Column(20, "\n")));
  QTest::mouseClick(Find<QPushButton>("InputSaveButton"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !model().running; }, 120000));
  auto* field = Find<QLineEdit>("FileNameEdit");
  EXPECT_FALSE(field->isHidden());
  EXPECT_EQ(field->text().toStdString(), (dir / "window.inp").string());
  events.clear();
  window().close();
  QTest::mouseClick(window().Finish().findChild<QPushButton*>("FinishButton"), Qt::LeftButton);
  EXPECT_TRUE(events.empty()) << events.front();
  EXPECT_TRUE(program->Controller().QuitRequested());
}

}  // namespace
}  // namespace quarlin::testing_support
