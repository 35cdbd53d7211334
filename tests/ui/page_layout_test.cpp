// Where the pages put their controls, and what their texts say about it.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "ui/window_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

class PageLayoutTest : public WindowTest {
 protected:
  PageLayoutTest() { pages = Find<QTabWidget>("PageControl1"); }

  QPoint OnPage(QWidget* widget) {
    QApplication::processEvents();
    return widget->mapTo(pages->currentWidget(), QPoint(0, 0));
  }

  QTabWidget* pages = nullptr;
};

// "Open output" stands where it stands beside a report, not in the middle
// of the empty page.
TEST_F(PageLayoutTest, TheOutputPageWithoutAReportKeepsItsButtonInPlace) {
  pages->setCurrentIndex(2);
  auto* open = Find<QPushButton>("SeeOutputButton");
  const QPoint alone = OnPage(open);
  for (const char* extension : {".out", ".aux", ".inp", ".Lst"})
    fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / (std::string("portpirie") + extension),
                  dir / (std::string("portpirie") + extension));
  dialogs.openFile = (dir / "portpirie.out").string();
  QTest::mouseClick(open, Qt::LeftButton);
  ASSERT_TRUE(Find<QPlainTextEdit>("OutputMemo")->isVisible());
  EXPECT_EQ(OnPage(open), alone);
  EXPECT_LT(OnPage(open).y(), OnPage(Find<QPlainTextEdit>("OutputMemo")).y());
}

TEST_F(PageLayoutTest, TheIntroductionNamesTheSideOfItsButtons) {
  pages->setCurrentIndex(0);
  auto* memo = Find<QPlainTextEdit>("IntroMemo");
  auto* buttons = Find<QGroupBox>("HelpGroupBox");
  const bool right = OnPage(buttons).x() > OnPage(memo).x() + memo->width() / 2;
  const QString text = memo->toPlainText();
  EXPECT_TRUE(text.contains(right ? "buttons on the right" : "buttons on the left"))
      << text.right(200).toStdString();
  EXPECT_FALSE(text.contains(right ? "buttons on the left" : "buttons on the right"));
}

// The status text takes the lines it needs at the window's width, no
// more, so that a page does not shrink under a short text.
TEST_F(PageLayoutTest, TheStatusBarIsAsHighAsItsText) {
  auto* status = Find<QLabel>("StatusText");
  for (int page : {0, 1, 2, 3, 0}) {
    pages->setCurrentIndex(page);
    QApplication::processEvents();
    const QFontMetrics metrics = status->fontMetrics();
    const int lines =
        metrics.boundingRect(QRect(0, 0, status->width(), 100000), Qt::TextWordWrap, status->text())
            .height();
    EXPECT_GE(status->height(), lines) << page;
    EXPECT_LT(status->height(), lines + metrics.lineSpacing()) << page;
  }
}

}  // namespace
}  // namespace quarlin::testing_support
