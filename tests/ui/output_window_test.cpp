#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>

#include "ui/qt/calc_window.h"
#include "ui/qt/graphics_page.h"
#include "ui/qt/text_window.h"
#include "ui/window_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

class OutputWindowTest : public WindowTest {
 protected:
  void OpenBundled(const std::string& name) {
    for (const char* extension : {".out", ".aux", ".inp", ".Lst"})
      fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / (name + extension),
                    dir / (name + extension));
    dialogs.openFile = (dir / (name + ".out")).string();
    QTest::mouseClick(Find<QPushButton>("SeeOutputButton"), Qt::LeftButton);
  }

  void Type(QLineEdit* edit, const char* text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
  }
};

TEST_F(OutputWindowTest, ReportOfManyDataOffersGoodnessOfFitAndTheRankedList) {
  OpenBundled("lossalae_Loss");
  ASSERT_TRUE(Find<QPlainTextEdit>("OutputMemo")->isVisible());
  auto* fit = Find<QPushButton>("FitButton");
  ASSERT_TRUE(fit->isVisible());
  QTest::mouseClick(fit, Qt::LeftButton);
  EXPECT_TRUE(Find<QWidget>("FitPanel")->isVisible());
  EXPECT_TRUE(
      Find<QPlainTextEdit>("FitMemo")->toPlainText().contains("In this case the AvAbsDiff ="));
  QTest::mouseClick(Find<QPushButton>("CloseFitButton"), Qt::LeftButton);
  EXPECT_FALSE(Find<QWidget>("FitPanel")->isVisible());

  QTest::mouseClick(Find<QPushButton>("ListButton"), Qt::LeftButton);
  ui::TextWindow& list = window().RankedList();
  ASSERT_TRUE(list.isVisible());
  EXPECT_EQ(list.windowTitle(), "QuarlinA list of parameters of fit");
  EXPECT_TRUE(list.findChild<QPlainTextEdit*>("ListMemo")->toPlainText().contains(" Average = "));
  list.close();
  EXPECT_FALSE(model().listShown);
}

class BundledGraphsTest : public OutputWindowTest,
                          public ::testing::WithParamInterface<const char*> {};

TEST_P(BundledGraphsTest, EveryGraphOfABundledReportIsDrawn) {
  OpenBundled(GetParam());
  QTest::mouseClick(Find<QPushButton>("ViewGraphButton"), Qt::LeftButton);
  EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentIndex(), 3);
  for (const char* choice : ui::kGraphChoiceNames) {
    auto* radio = Find<QRadioButton>(choice);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QTest::mouseClick(Find<QPushButton>("GoButton"), Qt::LeftButton);
    auto* image = Find<QLabel>("GraphImage");
    EXPECT_TRUE(image->isVisible()) << choice;
    EXPECT_EQ(image->pixmap().size(), QSize(623, 441)) << choice;
    QTest::mouseClick(Find<QPushButton>("SelectButton"), Qt::LeftButton);
  }
  EXPECT_TRUE(Messages().empty()) << Messages().front();
}

INSTANTIATE_TEST_SUITE_P(Data, BundledGraphsTest,
                         ::testing::Values("Nile", "lossalae_Loss", "portpirie", "precip", "rivers",
                                           "sleep"));

TEST_F(OutputWindowTest, CalculatorAnswersForwardAndInverse) {
  OpenBundled("portpirie");
  QTest::mouseClick(Find<QPushButton>("CalcButton"), Qt::LeftButton);
  ui::CalcWindow& calc = window().Calculator();
  ASSERT_TRUE(calc.isVisible());
  calc.activateWindow();
  QApplication::setActiveWindow(&calc);
  auto box = [&](const char* name) { return calc.findChild<QLineEdit*>(name); };
  Type(box("Edit1"), Local("4.5").c_str());
  QTest::mouseClick(box("Edit7"), Qt::LeftButton);
  const double F = Number(box("Edit2")->text());
  EXPECT_GT(F, 0.5);
  EXPECT_LT(F, 1.0);
  EXPECT_NEAR(Number(box("Edit3")->text()), 1 / (1 - F), 1e-6 / (1 - F));

  // Back from that frequency to X.
  Type(box("Edit4"), box("Edit2")->text().toStdString().c_str());
  QTest::mouseClick(box("Edit8"), Qt::LeftButton);
  EXPECT_NEAR(Number(box("Edit6")->text()), 4.5, 1e-3);
  EXPECT_LT(Number(box("Edit11")->text()), Number(box("Edit12")->text()));

  // Leaving the Output page closes the calculator.
  Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  EXPECT_FALSE(calc.isVisible());
}

}  // namespace
}  // namespace quarlin::testing_support
