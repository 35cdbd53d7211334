// A hydrologist's whole journey with the keyboard alone: three values typed
// with Enter, a copied column pasted under them, Save-Run, the calculator,
// a graph saved as a BMP, and the end through the closing window. Only key
// presses reach the windows; the clipboard holds what a spreadsheet put
// there and the scripted dialogs answer for the file choosers.
#include <QAbstractButton>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>

#include "ui/qt/value_grid.h"
#include "ui/window_fixture.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

class KeyboardJourneyTest : public WindowTest {
 protected:
  KeyboardJourneyTest() { QApplication::setActiveWindow(&window()); }

  QWidget* Focus() { return QApplication::focusWidget(); }

  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = Focus() ? Focus() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }
  void Type(const std::string& text) {
    for (char c : text) QTest::keyClick(Focus(), c);
  }

  // Tab until `reached` holds, as a user who looks for a control does;
  // false when a whole round of the window did not get there.
  bool TabTo(const std::function<bool(QWidget*)>& reached) {
    for (int i = 0; i < 60; ++i) {
      if (Focus() && reached(Focus())) return true;
      Key(Qt::Key_Tab);
    }
    return Focus() && reached(Focus());
  }

  // Alt and the underlined letter of `control`'s caption.
  void PressLetterOf(QAbstractButton* control) {
    ASSERT_NE(control, nullptr);
    const QKeySequence letter = QKeySequence::mnemonic(control->text());
    ASSERT_FALSE(letter.isEmpty()) << control->text().toStdString();
    Key(letter[0].key(), Qt::AltModifier);
    // A button pressed by its letter shows itself down before it clicks.
    QTest::qWait(250);
  }
  template <typename T>
  T* Named(QWidget* in, const char* name) {
    T* found = in->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QWidget* TopLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == name) return widget;
    return nullptr;
  }
};

TEST_F(KeyboardJourneyTest, TheWholeJourneyNeedsNoMouse) {
  auto* pages = Find<QTabWidget>("PageControl1");
  auto* grid = Find<ui::ValueGrid>("StringGrid1");

  // To the Input page: the tab row, then the arrow to the next page.
  ASSERT_TRUE(TabTo([](QWidget* w) { return qobject_cast<QTabBar*>(w) != nullptr; }));
  Key(Qt::Key_Right);
  ASSERT_EQ(pages->currentIndex(), 1);

  // Into the grid, three values typed, each ending with Enter.
  ASSERT_TRUE(TabTo([&](QWidget* w) { return w == grid || grid->isAncestorOf(w); }));
  for (const char* value : {"3.91", "4.03", "3.83"}) {
    Type(Local(value));
    Key(Qt::Key_Return);
  }
  ASSERT_EQ(grid->currentRow(), 3);

  // A column copied in a spreadsheet, pasted under them.
  QApplication::clipboard()->setText(QString::fromStdString(Local(Column(65, "\n"))));
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(model().input.grid.size(), 68u);
  EXPECT_EQ(model().input.grid[0].value, Local("3.91"));
  EXPECT_EQ(model().input.grid[2].value, Local("3.83"));
  EXPECT_EQ(model().input.nrOfData, "68");

  // Save-Run; the report comes up on the Output page.
  Key(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return !model().running && pages->currentIndex() == 2; }, 120000));
  ASSERT_TRUE(fs::exists(dir / "window.out"));

  // The calculator: its letter, an X typed and Return, then Escape.
  auto* calcButton = Find<QAbstractButton>("CalcButton");
  ASSERT_TRUE(calcButton->isVisible());
  PressLetterOf(calcButton);
  QWidget* calc = TopLevel("TCalcForm");
  ASSERT_NE(calc, nullptr);
  ASSERT_TRUE(calc->isVisible());
  ASSERT_EQ(QApplication::activeWindow(), calc);
  auto* x = Named<QLineEdit>(calc, "Edit1");
  ASSERT_TRUE(TabTo([&](QWidget* w) { return w == x; }));
  Type(Local("4"));
  Key(Qt::Key_Return);
  const double F = Number(Named<QLineEdit>(calc, "Edit2")->text());
  EXPECT_GT(F, 0.0);
  EXPECT_LT(F, 1.0);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(calc->isVisible());
  EXPECT_EQ(model().input.grid.size(), 68u);
  // The window manager hands the keys back to the main window.
  QApplication::setActiveWindow(&window());

  // Graphics: its letter, the cumulative graph's letter, Go, then Save graph.
  PressLetterOf(Find<QAbstractButton>("ViewGraphButton"));
  ASSERT_EQ(pages->currentIndex(), 3);
  PressLetterOf(Find<QAbstractButton>("CumulativeRadioButton"));
  PressLetterOf(Find<QAbstractButton>("GoButton"));
  auto* save = Find<QAbstractButton>("SaveGraphButton");
  ASSERT_TRUE(QTest::qWaitFor([&] { return save->isVisible(); }, 5000));
  dialogs.saveFile = (dir / "cumulative.bmp").string();
  PressLetterOf(save);
  EXPECT_TRUE(fs::exists(dir / "cumulative.bmp"));
  EXPECT_GT(fs::file_size(dir / "cumulative.bmp"), 623u * 441u);

  // The end: Ctrl+Q brings the closing window, Enter finishes; the values
  // were saved, so nothing is asked.
  events.clear();
  Key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_TRUE(model().finishShown);
  Key(Qt::Key_Return);
  EXPECT_TRUE(program->Controller().QuitRequested());
  for (const auto& event : events) EXPECT_EQ(event.rfind("question: ", 0), std::string::npos);
}

}  // namespace
}  // namespace quarlin::testing_support
