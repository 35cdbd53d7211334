// The program's own message boxes and file dialogs: over the window the
// user works in, with their title whole, and wide enough to read a folder.
#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include <gtest/gtest.h>
#include "data/temp_dir.h"
#include "ui/control/window_texts.h"
#include "ui/window_fixture.h"

namespace quarlin::testing_support {
namespace {

class QtDialogsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  QtDialogsTest() : dialogs([this] { return dir.path().string(); }) {
    main.setWindowTitle("main");
    other.setWindowTitle("other");
    main.resize(400, 300);
    other.resize(300, 200);
    main.show();
    other.show();
    dialogs.SetParent(&main);
  }

  // Runs `look` on the dialog that `ask` brings up, then closes it.
  template <typename Dialog>
  void WhenShown(const std::function<void(Dialog&)>& look, const std::function<void()>& ask) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget(); }, 2000));
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      QApplication::processEvents();
      look(*dialog);
      looked = true;
      dialog->reject();
    });
    ask();
    EXPECT_TRUE(looked);
  }

  TempDir dir;
  QWidget main;
  QWidget other;
  ui::QtDialogs dialogs;
};

TEST_F(QtDialogsTest, AMessageComesUpOverTheWindowTheUserWorksIn) {
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }, 2000));
  WhenShown<QMessageBox>([&](QMessageBox& box) { EXPECT_EQ(box.parentWidget(), &other); },
                         [&] { dialogs.Message("No input file was selected"); });
  QApplication::setActiveWindow(&main);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &main; }, 2000));
  WhenShown<QMessageBox>([&](QMessageBox& box) { EXPECT_EQ(box.parentWidget(), &main); },
                         [&] { dialogs.Question("The data will be cleared, are you sure?"); });
}

// The window manager writes the title beside its buttons; a box as narrow
// as a short message would cut it.
TEST_F(QtDialogsTest, AShortMessageLeavesRoomForTheWholeTitle) {
  WhenShown<QMessageBox>(
      [&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), ui::kApplicationTitle);
        const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
        EXPECT_GE(box.width(), title + 120) << "title " << title;
      },
      [&] { dialogs.Message("No input file was selected"); });
  WhenShown<QMessageBox>(
      [&](QMessageBox& box) {
        const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
        EXPECT_GE(box.width(), title + 120) << "title " << title;
      },
      [&] { dialogs.Question("The file already exists, overwrite?"); });
}

// Name, size, type and date stand side by side without scrolling, in the
// desktop's font and in a larger one.
TEST_F(QtDialogsTest, FileDialogsShowNamesSizesAndDates) {
  const QFont font = QApplication::font();
  QFont larger = font;
  larger.setPointSizeF(font.pointSizeF() * 1.6);
  const QString date =
      QLocale().toString(QDateTime(QDate(2024, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
  for (const QFont& shown : {font, larger}) {
    QApplication::setFont(shown);
    for (bool save : {false, true}) {
      WhenShown<QFileDialog>(
          [&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.viewMode(), QFileDialog::Detail);
            auto* view = dialog.findChild<QTreeView*>("treeView");
            ASSERT_NE(view, nullptr);
            ASSERT_TRUE(view->isVisible());
            const QHeaderView* header = view->header();
            ASSERT_GE(header->count(), 4);
            int width = 0;
            for (int column = 0; column < header->count(); ++column) {
              EXPECT_FALSE(header->isSectionHidden(column)) << column;
              width += header->sectionSize(column);
            }
            EXPECT_LE(width, view->viewport()->width());
            const QFontMetrics metrics = view->fontMetrics();
            EXPECT_GT(header->sectionSize(0),
                      metrics.horizontalAdvance("portpirie_sea_levels_1923-1987.inp"));
            EXPECT_GT(header->sectionSize(1), metrics.horizontalAdvance("999.9 KiB"));
            EXPECT_GT(
                header->sectionSize(2),
                metrics.horizontalAdvance(QMimeDatabase().mimeTypeForName("text/plain").comment()));
            EXPECT_GT(header->sectionSize(3), metrics.horizontalAdvance(date));
          },
          [&] {
            if (save)
              dialogs.ChooseSaveFile({{"Input files (*.inp)", "*.inp"}});
            else
              dialogs.ChooseOpenFile({{"Output files (*.out)", "*.out"}});
          });
    }
  }
  QApplication::setFont(font);
}

}  // namespace
}  // namespace quarlin::testing_support
