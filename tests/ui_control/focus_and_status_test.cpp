// Where the focus goes after a message about an entry, what the status
// text says while a run is on, and the keys of the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/messages.h"
#include "data/number_reading.h"
#include "ui/control/window_texts.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

using ui::Field;
using ui::Page;

class FocusTest : public ControllerTest {
 protected:
  FocusTest() {
    controller.ShowPage(Page::Input);
    dialogs.saveFile = (dir / "run.inp").string();
  }

  // The field the focus was sent back to since the last call, None when
  // it was not.
  Field Refocused() {
    const auto& focus = model().focus;
    const Field field = focus.revision != seenRevision_ ? focus.field : Field::None;
    seenRevision_ = focus.revision;
    return field;
  }

  void EnterNrOfClasses(const std::string& text) {
    controller.SetNrOfClassesText(text);
    controller.NrOfClassesEditExit();
  }

 private:
  unsigned seenRevision_ = 0;
};

struct FieldCase {
  std::string name;
  Field field;       // the field left
  std::string text;  // what it held
  Field refocused;   // where the focus goes back
};

class FieldFocusTest : public FocusTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(FieldFocusTest, AMessageAboutTheFieldLeftTakesTheFocusBack) {
  if (GetParam().field == Field::NrOfData)
    EnterNrOfData(GetParam().text);
  else
    EnterNrOfClasses(GetParam().text);
  EXPECT_EQ(Refocused(), GetParam().refocused);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldFocusTest,
    testing::Values(FieldCase{"DataNotANumber", Field::NrOfData, "x", Field::NrOfData},
                    FieldCase{"TooFewData", Field::NrOfData, "5", Field::NrOfData},
                    FieldCase{"TooManyData", Field::NrOfData, "2501", Field::NrOfData},
                    // Told how to add or remove data, the user goes on elsewhere.
                    FieldCase{"MoreData", Field::NrOfData, "20", Field::None},
                    FieldCase{"FewerData", Field::NrOfData, "10", Field::None},
                    FieldCase{"SameData", Field::NrOfData, "15", Field::None},
                    FieldCase{"ClassesNotANumber", Field::NrOfClasses, "x", Field::NrOfClasses},
                    FieldCase{"OneClass", Field::NrOfClasses, "1", Field::NrOfClasses},
                    FieldCase{"TwoClasses", Field::NrOfClasses, "2", Field::None},
                    FieldCase{"ManyClasses", Field::NrOfClasses, "75", Field::None}),
    [](const auto& info) { return info.param.name; });

// The check of the number of data that a paste runs leaves the focus in
// the grid pasted in.
TEST_F(FocusTest, AShortPasteLeavesTheFocusInTheGrid) {
  controller.SetEditText(0, Column(5));
  EXPECT_EQ(Refocused(), Field::None);
}

TEST_F(FocusTest, ARefusedValueTakesTheFocusToTheGrid) {
  controller.SetEditText(0, Column(10));
  controller.SetEditText(4, "abc");
  Take();
  controller.InputSaveActionExecute();
  EXPECT_EQ(Take().back(), std::string("message: ") + kNotRealMessage + ": row 5 \"abc\"");
  EXPECT_EQ(Refocused(), Field::Grid);
}

// A class count typed but never left reaches Save-Run unchecked.
TEST_F(FocusTest, ARefusedClassCountTakesTheFocusToItsField) {
  controller.SetEditText(0, Column(10));
  controller.SetNrOfClassesText("1");
  Take();
  controller.InputSaveActionExecute();
  EXPECT_EQ(Take().back(), std::string("message: ") + kClassesOutOfRangeMessage);
  EXPECT_EQ(Refocused(), Field::NrOfClasses);
}

TEST_F(FocusTest, ARunThatIsNotSavedLeavesTheFocus) {
  controller.SetEditText(0, Column(10));
  dialogs.saveFile.reset();
  controller.InputSaveActionExecute();
  EXPECT_EQ(Refocused(), Field::None);
}

// The hint names the numbers the field takes: the smallest is kept, one
// below it refused, the largest kept and one above it brought down to it.
TEST_F(FocusTest, TheHintOfTheIntervalsNamesTheRangeTheFieldTakes) {
  const std::string hint = ui::kNrOfClassesHint;
  const std::string start = "Between ", middle = " and ";
  ASSERT_EQ(hint.rfind(start, 0), 0u) << hint;
  const size_t and_ = hint.find(middle);
  ASSERT_NE(and_, std::string::npos) << hint;
  const auto low = ParseInteger(hint.substr(start.size(), and_ - start.size()));
  const auto high = ParseInteger(hint.substr(and_ + middle.size()));
  ASSERT_TRUE(low && high) << hint;
  const auto kept = [&](int k) {
    EnterNrOfClasses(std::to_string(k));
    return model().input.nrOfClasses;
  };
  EXPECT_EQ(kept(*low), std::to_string(*low));
  EXPECT_EQ(kept(*high), std::to_string(*high));
  EXPECT_EQ(kept(*high + 1), std::to_string(*high));
  Take();
  kept(*low - 1);
  EXPECT_EQ(Take(), Events{std::string("message: ") + kClassesOutOfRangeMessage});
}

TEST_F(FocusTest, HelpKeyShowsThePasteHelpOnTheInputPage) {
  controller.HelpKeyPressed();
  EXPECT_TRUE(model().input.pasteHelpShown);
  // Pressed again it leaves the help shown: a help key hides no help.
  controller.HelpKeyPressed();
  EXPECT_TRUE(model().input.pasteHelpShown);
  EXPECT_EQ(model().page, Page::Input);
}

TEST_F(FocusTest, HelpKeyShowsTheIntroductionElsewhere) {
  for (Page page : {Page::Output, Page::Graphics, Page::Intro}) {
    controller.ShowPage(page);
    controller.ShowHelp(ui::HelpText::Confidence);
    controller.HelpKeyPressed();
    EXPECT_EQ(model().page, Page::Intro);
    EXPECT_EQ(model().helpText, ui::HelpText::Introduction);
    EXPECT_EQ(model().status, ui::kIntroStatus);
  }
  EXPECT_FALSE(model().input.pasteHelpShown);
}

TEST_F(FocusTest, EscapeFromTheClosingWindowGoesBackToWhereTheUserWas) {
  controller.CloseRequested();
  EXPECT_EQ(model().status, ui::kFinishStatus);
  controller.CancelClosing();
  EXPECT_FALSE(model().finishShown);
  EXPECT_FALSE(controller.QuitRequested());
  EXPECT_EQ(model().status, ui::kInputStatus);
  // Asked twice, the status before the first asking comes back.
  controller.CloseRequested();
  controller.CloseRequested();
  controller.CancelClosing();
  EXPECT_EQ(model().status, ui::kInputStatus);
  controller.CloseRequested();
  controller.FinishButtonClick();
  controller.CancelClosing();
  EXPECT_TRUE(controller.QuitRequested());
  EXPECT_TRUE(model().finishShown);
}

TEST_F(FocusTest, ClosingTheSelectionDialogForgetsIt) {
  controller.SelectionButtonClick();
  controller.SelectDialogClosed();
  EXPECT_FALSE(model().selectDialogShown);
}

// What the status text said at each change of the window during a run.
class RunStatusWindowTest : public FocusTest {
 protected:
  std::vector<std::string> Run() {
    std::vector<std::string> shown;
    controller.SetOnChange([&] {
      if (model().running) shown.push_back(model().ShownStatus());
    });
    controller.InputSaveActionExecute();
    return shown;
  }

  // "A run is under way: N of M distributions fitted." as N, M.
  static std::optional<std::pair<int, int>> Fitted(const std::string& status) {
    const std::string start = ui::kRunFittedStatusStart;
    const size_t of = status.find(ui::kRunFittedStatusOf);
    if (status.rfind(start, 0) != 0 || of == std::string::npos) return std::nullopt;
    const size_t end = status.find(ui::kRunFittedStatusEnd);
    const auto done = ParseInteger(status.substr(start.size(), of - start.size()));
    const auto total = ParseInteger(status.substr(of + 4, end - of - 4));
    if (!done || !total) return std::nullopt;
    return std::pair{static_cast<int>(*done), static_cast<int>(*total)};
  }
};

TEST_F(RunStatusWindowTest, ABestOfAllRunCountsEveryFitAndEndsWithThePageStatus) {
  controller.SetEditText(0, Column(40));
  const auto shown = Run();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.front(), ui::kRunSavingStatus);
  std::vector<std::pair<int, int>> counts;
  for (const auto& status : shown)
    if (auto fitted = Fitted(status)) counts.push_back(*fitted);
  ASSERT_FALSE(counts.empty());
  EXPECT_EQ(counts.front(), std::pair(0, counts.front().second));
  // Every fit is counted once, in the run's order.
  EXPECT_EQ(counts.back().first, counts.back().second);
  EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
  EXPECT_NE(std::find(shown.begin(), shown.end(), ui::kRunReportStatus), shown.end());
  EXPECT_EQ(shown.back(), ui::kRunFilingStatus);
  EXPECT_FALSE(model().running);
  EXPECT_EQ(model().ShownStatus(), ui::kOutputStatus);
}

TEST_F(RunStatusWindowTest, APreferredRunSaysItsOneFit) {
  controller.SetEditText(0, Column(20));
  controller.SelectChoice(28);
  controller.ConfirmSelection();
  const auto shown = Run();
  EXPECT_NE(std::find(shown.begin(), shown.end(), ui::kRunFittingPreferredStatus), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), ui::kRunPreferredFittedStatus), shown.end());
  EXPECT_TRUE(std::none_of(shown.begin(), shown.end(),
                           [](const std::string& status) { return Fitted(status).has_value(); }));
}

// A refused run gives the page its own status back.
TEST_F(RunStatusWindowTest, ARefusedRunEndsWithThePageStatus) {
  controller.SetEditText(0, Column(10));
  controller.SetEditText(2, "abc");
  Run();
  EXPECT_EQ(model().page, Page::Input);
  EXPECT_EQ(model().ShownStatus(), ui::kInputStatus);
}

}  // namespace
}  // namespace quarlin::testing_support
