// The calculator window with the whole program around it: it leaves the
// Input page alone, and it speaks once per mistake, about the box at fault.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "ui/qt/calc_window.h"
#include "ui/qt/value_grid.h"
#include "ui/window_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

class CalcWindowTest : public WindowTest {
 protected:
  void CopyBundled(const std::string& name) {
    for (const char* extension : {".out", ".aux", ".inp", ".Lst"})
      fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / (name + extension),
                    dir / (name + extension));
  }

  ui::CalcWindow& OpenCalculatorOn(const std::string& name) {
    CopyBundled(name);
    dialogs.openFile = (dir / (name + ".out")).string();
    ShowPage(2);
    QTest::mouseClick(Find<QPushButton>("SeeOutputButton"), Qt::LeftButton);
    QApplication::processEvents();
    QTest::mouseClick(Find<QPushButton>("CalcButton"), Qt::LeftButton);
    QApplication::processEvents();
    ui::CalcWindow& calc = window().Calculator();
    EXPECT_TRUE(calc.isVisible());
    calc.activateWindow();
    QApplication::setActiveWindow(&calc);
    return calc;
  }

  // A page is laid out before its buttons are clicked.
  void ShowPage(int index) {
    Find<QTabWidget>("PageControl1")->setCurrentIndex(index);
    QApplication::processEvents();
  }

  static QLineEdit* Box(ui::CalcWindow& calc, const char* name) {
    return calc.findChild<QLineEdit*>(name);
  }
};

TEST_F(CalcWindowTest, TheCalculatorLeavesTheGridAlone) {
  CopyBundled("Nile");
  dialogs.openFile = (dir / "Nile.inp").string();
  ShowPage(1);
  QTest::mouseClick(Find<QPushButton>("InputOpenButton"), Qt::LeftButton);
  auto* grid = Find<ui::ValueGrid>("StringGrid1");
  ASSERT_EQ(grid->rowCount(), 100);
  const QString first = grid->item(0, 1)->text();
  const QString last = grid->item(99, 1)->text();

  ui::CalcWindow& calc = OpenCalculatorOn("portpirie");
  Box(calc, "Edit1")->setFocus();
  QTest::keyClicks(Box(calc, "Edit1"), Local("4.2").c_str());
  QTest::keyClick(Box(calc, "Edit1"), Qt::Key_Return);
  EXPECT_FALSE(Box(calc, "Edit2")->text().isEmpty());
  calc.close();
  EXPECT_FALSE(calc.isVisible());

  ShowPage(1);
  EXPECT_EQ(grid->rowCount(), 100);
  EXPECT_EQ(grid->item(0, 1)->text(), first);
  EXPECT_EQ(grid->item(99, 1)->text(), last);
  EXPECT_EQ(Find<QLineEdit>("NrOfDataEdit")->text(), "100");
  EXPECT_TRUE(Messages().empty()) << Messages().front();
}

TEST_F(CalcWindowTest, OneMessageForAWrongBoxAndNoneForAnEmptyOne) {
  ui::CalcWindow& calc = OpenCalculatorOn("portpirie");
  QLineEdit* edit4 = Box(calc, "Edit4");
  // Through the two inverse boxes without typing.
  edit4->setFocus();
  QTest::keyClick(edit4, Qt::Key_Tab);
  QTest::keyClick(Box(calc, "Edit5"), Qt::Key_Tab);
  EXPECT_TRUE(Messages().empty()) << Messages().front();

  edit4->setFocus();
  QTest::keyClicks(edit4, "abc");
  QTest::keyClick(edit4, Qt::Key_Tab);
  EXPECT_EQ(Messages(), Events{"The frequency is not a valid integer"});
  EXPECT_EQ(calc.focusWidget(), edit4);
  EXPECT_EQ(edit4->text(), "abc");
}

}  // namespace
}  // namespace quarlin::testing_support
