#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "ui/qt/finish_window.h"
#include "ui/qt/graphics_page.h"
#include "ui/qt/select_dialog.h"
#include "ui/qt/text_window.h"
#include "ui/qt/value_grid.h"
#include "ui/window_fixture.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

class MainWindowTest : public WindowTest {
 protected:
  explicit MainWindowTest(int pauseMs = 0) : WindowTest(pauseMs) {
    Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    grid = Find<ui::ValueGrid>("StringGrid1");
  }

  void PasteColumn(int n) { PasteIntoFirstCell(Local(Column(n, "\n"))); }

  void RunAndWait() {
    QTest::mouseClick(Find<QPushButton>("InputSaveButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model().running; }, 120000));
  }

  ui::ValueGrid* grid = nullptr;
};

TEST_F(MainWindowTest, StartsOnTheIntroPageAndShowsTheInputGridWhenAsked) {
  ui::DesktopProgram fresh(&dialogs);
  EXPECT_EQ(fresh.Window().findChild<QTabWidget*>("PageControl1")->currentIndex(), 0);
  EXPECT_EQ(grid->rowCount(), 15);
  EXPECT_EQ(grid->item(14, 0)->text(), "15");
  EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(MainWindowTest, TypedValuesReachTheController) {
  grid->setFocus();
  grid->setCurrentCell(3, 1);
  QTest::keyClick(grid, Qt::Key_F2);
  QTest::keyClicks(QApplication::focusWidget(), "12.5");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(model().input.grid[3].value, "12.5");
  QTest::keyClicks(Find<QLineEdit>("Title1Edit"), "Yearly rain");
  EXPECT_EQ(model().input.title1, "Yearly rain");
}

TEST_F(MainWindowTest, PastedColumnFillsTheGrid) {
  PasteColumn(70);
  EXPECT_EQ(grid->rowCount(), 70);
  EXPECT_EQ(grid->item(69, 0)->text(), "70");
  EXPECT_EQ(Find<QLineEdit>("NrOfDataEdit")->text(), "70");
  EXPECT_EQ(grid->item(0, 1)->text().toStdString(), Local(Column(1, "")));
}

TEST_F(MainWindowTest, TooFewDataAreRefusedInTheField) {
  auto* field = Find<QLineEdit>("NrOfDataEdit");
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "5");
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return field->text() == "6"; }, 2000));
  EXPECT_EQ(Messages(), Events{" The minimum number of data is 6"});
}

TEST_F(MainWindowTest, TheIntervalsFieldExplainsItselfAndCapsTheNumber) {
  auto* field = Find<QLineEdit>("NrOfClassesEdit");
  QTest::mouseClick(field, Qt::LeftButton);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].rfind("For interval analysis (histogram)", 0), 0u);
  field->selectAll();
  QTest::keyClicks(field, "75");
  QTest::keyClick(field, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return field->text() == "50"; }, 2000));
}

TEST_F(MainWindowTest, APreferredDistributionIsRun) {
  PasteColumn(30);
  QTest::mouseClick(Find<QPushButton>("SelectionButton"), Qt::LeftButton);
  auto& select = window().Selection();
  ASSERT_TRUE(select.isVisible());
  QTest::mouseClick(select.findChild<QRadioButton*>("RadioButton29"), Qt::LeftButton);
  QTest::mouseClick(select.findChild<QPushButton*>("Button1"), Qt::LeftButton);
  EXPECT_FALSE(select.isVisible());
  EXPECT_EQ(Find<QLineEdit>("SelectionEdit")->text(), "Weibull distribution");
  RunAndWait();
  EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentIndex(), 2);
  const QString report = Find<QPlainTextEdit>("OutputMemo")->toPlainText();
  EXPECT_TRUE(report.contains("Weibull")) << report.left(400).toStdString();
  EXPECT_EQ(Messages().size(), 2u);  // the warning, then where the files are
}

class LongRunTest : public MainWindowTest {
 protected:
  LongRunTest() : MainWindowTest(200) {}
};

TEST_F(LongRunTest, TheWindowAnswersWhileTheProgressLinesArrive) {
  PasteColumn(70);
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  QTest::mouseClick(Find<QPushButton>("InputSaveButton"), Qt::LeftButton);
  auto* wait = Find<QPlainTextEdit>("WaitMemo");
  ASSERT_TRUE(QTest::qWaitFor([&] { return wait->isVisible() && wait->blockCount() >= 3; }, 30000));
  EXPECT_TRUE(model().running);
  EXPECT_FALSE(Find<QPushButton>("InputSaveButton")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("InputOpenButton")->isEnabled());
  const int ticksWhileRunning = ticks;
  EXPECT_GT(ticksWhileRunning, 0);
  EXPECT_EQ(wait->toPlainText().split('\n').first(), " Saving data .....");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !model().running; }, 120000));
  EXPECT_FALSE(wait->isVisible());
  EXPECT_TRUE(Find<QPlainTextEdit>("OutputMemo")->isVisible());

  // The ranked list of the run, then each graph saved in both forms.
  QTest::mouseClick(Find<QPushButton>("ListButton"), Qt::LeftButton);
  ASSERT_TRUE(window().RankedList().isVisible());
  window().RankedList().close();
  QTest::mouseClick(Find<QPushButton>("ViewGraphButton"), Qt::LeftButton);
  int type = 0;
  for (const char* choice : ui::kGraphChoiceNames) {
    ++type;
    auto* radio = Find<QRadioButton>(choice);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QTest::mouseClick(Find<QPushButton>("GoButton"), Qt::LeftButton);
    for (const auto& [button, panel] : {std::pair{"SaveGraphButton", qRgb(0, 0, 139)},
                                        std::pair{"SaveBlWhButton", qRgb(255, 255, 255)}}) {
      const auto path = dir / (std::string(button) + std::to_string(type) + ".bmp");
      dialogs.saveFile = path.string();
      QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
      const QImage saved(QString::fromStdString(path.string()));
      ASSERT_EQ(saved.size(), QSize(623, 441)) << path;
      EXPECT_EQ(saved.pixel(30, 400), panel) << path;
      EXPECT_EQ(Messages().back(), "The graph was saved in  " + path.string());
    }
    QTest::mouseClick(Find<QPushButton>("SelectButton"), Qt::LeftButton);
  }
}

TEST_F(MainWindowTest, ClosingShowsTheFinishWindow) {
  window().close();
  EXPECT_TRUE(window().isVisible());
  EXPECT_TRUE(window().Finish().isVisible());
}

}  // namespace
}  // namespace quarlin::testing_support
