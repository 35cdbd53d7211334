// What a keyboard and a screen reader find in every window: a name for
// each control the keyboard reaches, the order of the Tab key on each
// page, and a letter of its own for each button and menu entry.
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>
#include <map>
#include <set>

#include "ui/control/mnemonics.h"
#include "ui/qt/calc_window.h"
#include "ui/qt/finish_window.h"
#include "ui/qt/graphics_page.h"
#include "ui/qt/select_dialog.h"
#include "ui/qt/text_window.h"
#include "ui/window_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

std::string NameOf(const QWidget* widget) {
  const std::string name = widget->objectName().toStdString();
  return name.empty() ? widget->metaObject()->className() : name;
}

// What a screen reader calls `widget`: its name, or the label that names
// it (a drop-down list on Linux is named by its current item and labelled
// by its label).
QString Spoken(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  if (!accessible) return {};
  QString name = accessible->text(QAccessible::Name).trimmed();
  for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
    if (name.isEmpty()) name = label->text(QAccessible::Name).trimmed();
  return name;
}

bool TakesTab(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// The controls of `window` that Tab can reach, from `start` on, in the
// order Tab takes.
Names TabChain(QWidget* start) {
  Names chain;
  QWidget* widget = start;
  do {
    if (widget->window() == start->window() && widget->isVisible() && widget->isEnabled() &&
        TakesTab(widget))
      chain.push_back(NameOf(widget));
    widget = widget->nextInFocusChain();
  } while (widget != start);
  return chain;
}

class AccessibilityTest : public WindowTest {
 protected:
  AccessibilityTest() { pages = Find<QTabWidget>("PageControl1"); }

  std::vector<QWidget*> Windows() {
    return {&window(),
            &window().Selection(),
            &window().Finish(),
            &window().Calculator(),
            &window().RankedList(),
            &window().Optimization()};
  }

  void ShowPage(int index) {
    pages->setCurrentIndex(index);
    QApplication::processEvents();
  }

  void OpenBundledReport() {
    for (const char* extension : {".out", ".aux", ".inp", ".Lst"})
      fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / (std::string("portpirie") + extension),
                    dir / (std::string("portpirie") + extension));
    dialogs.openFile = (dir / "portpirie.out").string();
    QTest::mouseClick(Find<QPushButton>("SeeOutputButton"), Qt::LeftButton);
  }

  Names Chain() { return TabChain(pages->tabBar()); }

  // The letter of every button, label and menu that `window` shows, and
  // what bears no letter.
  std::map<QChar, Names> Letters(QWidget* window, Names& unmarked) {
    std::map<QChar, Names> letters;
    const auto mark = [&](const QString& text, const std::string& name) {
      const QKeySequence key = QKeySequence::mnemonic(text);
      if (key.isEmpty())
        unmarked.push_back(name);
      else
        letters[QChar(key[0].key()).toUpper()].push_back(name);
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      // The 37 choices of the selection dialog are one list, gone through
      // with the arrow keys; buttons without a caption are parts of others.
      if (button->window() != window || !button->isVisible() || button->text().isEmpty() ||
          (window->objectName() == "TSelectForm" && qobject_cast<QRadioButton*>(button)))
        continue;
      mark(button->text(), NameOf(button));
    }
    for (QLabel* label : window->findChildren<QLabel*>())
      if (label->window() == window && label->isVisible() && label->buddy() &&
          label->buddy()->isEnabled())
        mark(label->text(), label->text().toStdString());
    if (auto* main = qobject_cast<QMainWindow*>(window))
      for (QAction* menu : main->menuBar()->actions())
        mark(menu->text(), menu->text().toStdString());
    return letters;
  }

  void ExpectOwnLetters(QWidget* window, const std::string& where) {
    Names unmarked;
    for (const auto& [letter, names] : Letters(window, unmarked)) {
      EXPECT_EQ(names.size(), 1u) << where << ": " << QString(letter).toStdString() << " for "
                                  << ::testing::PrintToString(names);
    }
    EXPECT_EQ(unmarked, Names{}) << where;
  }

  QTabWidget* pages = nullptr;
};

TEST_F(AccessibilityTest, EveryControlTheKeyboardReachesHasAName) {
  for (QWidget* top : Windows()) {
    for (QWidget* widget : top->findChildren<QWidget*>()) {
      if (widget->window() == top && TakesTab(widget)) {
        EXPECT_FALSE(Spoken(widget).isEmpty()) << NameOf(top) << ": " << NameOf(widget);
      }
    }
  }
}

// A field's label names it and its letter takes the focus there.
TEST_F(AccessibilityTest, TheInputPageFieldsAreNamedByTheirLabels) {
  const std::map<std::string, std::string> labels{
      {"FileNameEdit", "File"},
      {"Title1Edit", "Title1"},
      {"Title2Edit", "Title2"},
      {"NrOfDataEdit", "Nr. of Data"},
      {"NrOfClassesEdit", "Nr of Intervals for histogram"},
      {"ThresholdEdit", "Threshold  (cut-off for data values)"},
      {"SelectionEdit", "Actual selection"},
      {"DisconComboBox", "Select composite distribution"}};
  for (const auto& [field, label] : labels) {
    QWidget* widget = Find<QWidget>(field.c_str());
    QLabel* named = nullptr;
    for (QLabel* candidate : window().findChildren<QLabel*>())
      if (candidate->buddy() == widget) named = candidate;
    ASSERT_NE(named, nullptr) << field;
    EXPECT_EQ(ui::WithoutMnemonic(named->text().toStdString()), label) << field;
  }
}

TEST_F(AccessibilityTest, TheTabKeyFollowsTheOrderOfEachPage) {
  ShowPage(0);
  EXPECT_EQ(Chain(), (Names{"qt_tabwidget_tabbar", "IntroMemo", "ContButton", "DisContButton",
                            "ConfButton", "InterButton", "BackButton"}));
  ShowPage(1);
  EXPECT_EQ(Chain(), (Names{"qt_tabwidget_tabbar", "Title1Edit", "Title2Edit", "OptionComboBox",
                            "NrOfDataEdit", "NrOfClassesEdit", "StringGrid1", "InputOpenButton",
                            "InputSaveButton", "ClearButton", "PasteHelpButton", "SelectionButton",
                            "SelectionEdit"}));
  ShowPage(2);
  EXPECT_EQ(Chain(), (Names{"qt_tabwidget_tabbar", "SeeOutputButton"}));
  OpenBundledReport();
  EXPECT_EQ(Chain(), (Names{"qt_tabwidget_tabbar", "SeeOutputButton", "OutputMemo",
                            "ViewGraphButton", "CalcButton", "ListButton"}));
  // The six choices are one stop; the arrow keys go from one to the next.
  QTest::mouseClick(Find<QPushButton>("ViewGraphButton"), Qt::LeftButton);
  EXPECT_EQ(Chain(),
            (Names{"qt_tabwidget_tabbar", "CumulativeRadioButton", "GoButton", "MakeGraphButton"}));
  auto* radio = Find<QRadioButton>(ui::kGraphChoiceNames[0]);
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
  QTest::mouseClick(Find<QPushButton>("GoButton"), Qt::LeftButton);
  // Port Pirie's 65 data draw the belt, so its button is offered last.
  EXPECT_EQ(Chain(), (Names{"qt_tabwidget_tabbar", "MakeGraphButton", "SelectButton",
                            "SaveGraphButton", "SaveBlWhButton", "ConfBeltButton"}));
}

TEST_F(AccessibilityTest, EveryButtonAndMenuEntryHasALetterOfItsOwn) {
  for (int page = 0; page < 4; ++page) {
    ShowPage(page);
    ExpectOwnLetters(&window(), "page " + std::to_string(page));
  }
  ShowPage(1);
  QTest::mouseClick(Find<QPushButton>("PasteHelpButton"), Qt::LeftButton);
  ExpectOwnLetters(&window(), "paste help");
  QTest::mouseClick(Find<QPushButton>("PasteHelpButton"), Qt::LeftButton);
  OpenBundledReport();
  ExpectOwnLetters(&window(), "report");
  QTest::mouseClick(Find<QPushButton>("ViewGraphButton"), Qt::LeftButton);
  auto* radio = Find<QRadioButton>(ui::kGraphChoiceNames[0]);
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
  QTest::mouseClick(Find<QPushButton>("GoButton"), Qt::LeftButton);
  ExpectOwnLetters(&window(), "graph");

  for (QMenu* menu : window().menuBar()->findChildren<QMenu*>()) {
    std::set<QChar> seen;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      const QKeySequence key = QKeySequence::mnemonic(action->text());
      ASSERT_FALSE(key.isEmpty()) << action->text().toStdString();
      EXPECT_TRUE(seen.insert(QChar(key[0].key()).toUpper()).second)
          << action->text().toStdString();
    }
  }
  window().Selection().show();
  ExpectOwnLetters(&window().Selection(), "selection");
  window().Selection().hide();
  window().Finish().show();
  ExpectOwnLetters(&window().Finish(), "finish");
}

// The mark only underlines a letter: what the user reads is the caption.
TEST_F(AccessibilityTest, ACaptionReadsAsWithoutItsLetter) {
  ShowPage(1);
  const std::map<std::string, QString> captions{{"InputOpenButton", " Open input "},
                                                {"InputSaveButton", " Save-Run "},
                                                {"ClearButton", "Clear data"},
                                                {"PasteHelpButton", "Paste help"}};
  for (const auto& [name, caption] : captions) {
    auto* button = Find<QPushButton>(name.c_str());
    EXPECT_NE(button->text(), caption) << name;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), caption)
        << name;
  }
}

}  // namespace
}  // namespace quarlin::testing_support
