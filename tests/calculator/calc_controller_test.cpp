// The calculator window's handlers on a bundled report, with a recorded view.
#include "calculator/calc_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "data/run_doubles.h"
#include "fixtures/recorded_calc_view.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;
using testing_support::Events;
using testing_support::ScriptedDialogs;

using RecordedView = testing_support::RecordedCalcView;

const std::string kReport = (fs::path(QUARLIN_SOURCE_DIR) / "Data" / "portpirie.out").string();

class CalcControllerTest : public testing::Test {
 protected:
  CalcControllerTest() { state_.FileName = kReport; }

  double Number(CalcBox box) const { return std::stod(view_.Text(box)); }

  Events events_;
  ScriptedDialogs dialogs_{events_};
  NumberConversion numbers_;
  RunState state_;
  RecordedView view_;
  CalcController controller_{view_, dialogs_, numbers_, state_};
};

struct InputCase {
  CalcBox box;
  const char* text;
  const char* message;  // nullptr: accepted
};

class CalcInputTest : public CalcControllerTest, public testing::WithParamInterface<InputCase> {};

TEST_P(CalcInputTest, RefusesWithTheMessageOrComputes) {
  const InputCase& c = GetParam();
  view_.texts[c.box] = c.text;
  view_.texts[CalcBox::Edit6] = "";
  view_.texts[CalcBox::Edit2] = "";
  if (c.box == CalcBox::Edit1) controller_.Edit7Click();
  if (c.box == CalcBox::Edit4) controller_.Edit4Exit();
  if (c.box == CalcBox::Edit5) controller_.Edit5Exit();
  const CalcBox result = c.box == CalcBox::Edit1 ? CalcBox::Edit2 : CalcBox::Edit6;
  if (c.message) {
    EXPECT_EQ(events_, Events{std::string("message: ") + c.message});
    EXPECT_EQ(view_.Text(result), "");
    EXPECT_EQ(state_.FileName, kReport);
  } else {
    EXPECT_TRUE(events_.empty()) << events_.front();
    EXPECT_FALSE(view_.Text(result).empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CalcInputTest,
    testing::Values(
        InputCase{CalcBox::Edit1, "abc", "The value is not a valid real"},
        InputCase{CalcBox::Edit1, "4.2", nullptr},
        InputCase{CalcBox::Edit4, "x", "The frequency is not a valid integer"},
        InputCase{CalcBox::Edit4, "0.000001", "The frequency must be >0.000001 and <0.999999"},
        InputCase{CalcBox::Edit4, "0.999999", "The frequency must be >0.000001 and <0.999999"},
        InputCase{CalcBox::Edit4, "0.5", nullptr},
        InputCase{CalcBox::Edit5, "x", "The return period is not a valid real"},
        InputCase{CalcBox::Edit5, "100000", "The return period must be >0.000001 and <100000"},
        InputCase{CalcBox::Edit5, "1", "The return period must be >1 and <100000"},
        InputCase{CalcBox::Edit5, "0.5", "The return period must be >1 and <100000"},
        InputCase{CalcBox::Edit5, "2", nullptr}));

TEST_F(CalcControllerTest, ForwardShowsFAndTBetweenTheirLimits) {
  view_.texts[CalcBox::Edit1] = "4.2";
  controller_.Edit7Click();
  EXPECT_LT(Number(CalcBox::Edit13), Number(CalcBox::Edit2));
  EXPECT_LT(Number(CalcBox::Edit2), Number(CalcBox::Edit14));
  EXPECT_LT(Number(CalcBox::Edit9), Number(CalcBox::Edit3));
  EXPECT_LT(Number(CalcBox::Edit3), Number(CalcBox::Edit10));
  EXPECT_NEAR(Number(CalcBox::Edit3), 1 / (1 - Number(CalcBox::Edit2)), 1e-9);
}

TEST_F(CalcControllerTest, ReturnPeriodTwoIsTheMedian) {
  view_.texts[CalcBox::Edit5] = "2";
  controller_.Edit5Exit();
  EXPECT_EQ(view_.Text(CalcBox::Edit4), "0.5");
  EXPECT_LT(Number(CalcBox::Edit11), Number(CalcBox::Edit6));
  EXPECT_LT(Number(CalcBox::Edit6), Number(CalcBox::Edit12));
}

TEST_F(CalcControllerTest, FrequencyShowsItsReturnPeriod) {
  view_.texts[CalcBox::Edit4] = "0.75";
  controller_.Edit4Exit();
  EXPECT_EQ(view_.Text(CalcBox::Edit5), "4");
}

// A missing parameter file, and one cut short after its code.
class CalcFileTest : public CalcControllerTest, public testing::WithParamInterface<const char*> {};

TEST_P(CalcFileTest, UnreadableParameterFileIsNamedAndNothingChanges) {
  const fs::path dir = fs::temp_directory_path() /
                       (std::string("quarlin-calc-") + (*GetParam() ? "damaged" : "missing"));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / "portpirie.inp", dir / "p.inp");
  if (*GetParam()) std::ofstream(dir / "p.aux") << GetParam();
  state_.FileName = (dir / "p.inp").string();
  view_.texts[CalcBox::Edit1] = "4.2";
  controller_.Edit7Click();
  ASSERT_EQ(events_.size(), 1u);
  EXPECT_NE(events_[0].find("p.aux"), std::string::npos) << events_[0];
  EXPECT_EQ(state_.FileName, (dir / "p.inp").string());
  EXPECT_EQ(view_.Text(CalcBox::Edit2), "");
  fs::remove_all(dir);
}

TEST_F(CalcControllerTest, InputFileWithoutValuesIsNamedAndNothingShown) {
  const fs::path dir = fs::temp_directory_path() / "quarlin-calc-novalues";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ifstream in(fs::path(QUARLIN_SOURCE_DIR) / "Data" / "portpirie.inp");
  std::ofstream inp(dir / "p.inp", std::ios::binary);
  std::string line;
  for (int i = 0; i < 14 && std::getline(in, line); ++i) inp << line << "\n";
  inp.close();
  fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / "portpirie.aux", dir / "p.aux");
  state_.FileName = (dir / "p.out").string();
  view_.texts[CalcBox::Edit4] = "0.5";
  controller_.Edit4Exit();
  ASSERT_EQ(events_.size(), 1u);
  EXPECT_EQ(events_[0], "message: The inputfile \"" + (dir / "p.inp").string() +
                            "\" holds no data values; the calculator needs the data of the "
                            "report. Run the program again.");
  EXPECT_EQ(view_.Text(CalcBox::Edit6), "");
  EXPECT_EQ(view_.Text(CalcBox::Edit5), "");
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Files, CalcFileTest,
                         testing::Values("",
                                         " Parameters for internal use, do not remove.\r\n4\r\n"));

TEST_F(CalcControllerTest, GammaReportDisablesTheInverse) {
  controller_.FormShow(61);
  for (const auto& [control, on] : view_.enabled) EXPECT_FALSE(on);
  EXPECT_EQ(view_.enabled.size(), 8u);
  for (CalcBox box : {CalcBox::Edit6, CalcBox::Edit11, CalcBox::Edit12})
    EXPECT_EQ(view_.Text(box), " n.a");
  controller_.FormShow(4);
  for (const auto& [control, on] : view_.enabled) EXPECT_TRUE(on);
  EXPECT_EQ(view_.Text(CalcBox::Edit6), "");
}

struct ClearCase {
  void (CalcController::*handler)();
  std::vector<CalcBox> cleared;
};

class CalcClearTest : public CalcControllerTest, public testing::WithParamInterface<ClearCase> {};

TEST_P(CalcClearTest, ClearsExactlyItsBoxes) {
  using enum CalcBox;
  const std::vector<CalcBox> all{Edit1, Edit2,  Edit3,  Edit4,  Edit5,  Edit6,
                                 Edit9, Edit10, Edit11, Edit12, Edit13, Edit14};
  for (CalcBox box : all) view_.texts[box] = "1";
  (controller_.*GetParam().handler)();
  for (CalcBox box : all) {
    const bool cleared = std::find(GetParam().cleared.begin(), GetParam().cleared.end(), box) !=
                         GetParam().cleared.end();
    EXPECT_EQ(view_.Text(box), cleared ? "" : "1") << static_cast<int>(box);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, CalcClearTest,
    testing::Values(ClearCase{&CalcController::Edit1Enter,
                              {CalcBox::Edit1, CalcBox::Edit2, CalcBox::Edit3, CalcBox::Edit13,
                               CalcBox::Edit14, CalcBox::Edit9, CalcBox::Edit10}},
                    ClearCase{&CalcController::Edit4Enter,
                              {CalcBox::Edit4, CalcBox::Edit5, CalcBox::Edit6, CalcBox::Edit11,
                               CalcBox::Edit12}},
                    ClearCase{&CalcController::Edit5Enter,
                              {CalcBox::Edit4, CalcBox::Edit5, CalcBox::Edit6, CalcBox::Edit11,
                               CalcBox::Edit12}},
                    ClearCase{
                        &CalcController::FormClose,
                        {CalcBox::Edit1, CalcBox::Edit2, CalcBox::Edit3, CalcBox::Edit4,
                         CalcBox::Edit5, CalcBox::Edit6, CalcBox::Edit9, CalcBox::Edit10,
                         CalcBox::Edit11, CalcBox::Edit12, CalcBox::Edit13, CalcBox::Edit14}}));

// What the window forwards, one event at a time.
struct Step {
  enum Kind { Type, Enter, Exit, Go } kind;
  CalcBox box;  // Go: Edit1 is the upper Go box (Edit7), any other the lower (Edit8)
  const char* text = "";
};

struct MessageCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::string> messages;
  std::vector<CalcBox> focused;  // where the controller sent the focus
  CalcBox kept;                  // a box whose text is then checked
  const char* keptText;
};

class CalcMessageTest : public CalcControllerTest, public testing::WithParamInterface<MessageCase> {
 protected:
  void Run(const Step& step) {
    using enum CalcBox;
    switch (step.kind) {
      case Step::Type:
        view_.texts[step.box] = step.text;
        return;
      case Step::Enter:
        if (step.box == Edit1) controller_.Edit1Enter();
        if (step.box == Edit4) controller_.Edit4Enter();
        if (step.box == Edit5) controller_.Edit5Enter();
        return;
      case Step::Exit:
        if (step.box == Edit1) controller_.Edit1Exit();
        if (step.box == Edit4) controller_.Edit4Exit();
        if (step.box == Edit5) controller_.Edit5Exit();
        return;
      case Step::Go:
        if (step.box == Edit1)
          controller_.Edit7Click();
        else
          controller_.Edit8Click();
        return;
    }
  }
};

TEST_P(CalcMessageTest, OneMessagePerMistakeAndTheFocusBackOnItsBox) {
  const MessageCase& c = GetParam();
  controller_.FormShow(51);
  for (const Step& step : c.steps) Run(step);
  Events expected;
  for (const auto& message : c.messages) expected.push_back("message: " + message);
  EXPECT_EQ(events_, expected);
  EXPECT_EQ(view_.focused, c.focused);
  EXPECT_EQ(view_.Text(c.kept), c.keptText);
}

using enum CalcBox;
constexpr auto kType = Step::Type;
constexpr auto kEnter = Step::Enter;
constexpr auto kExit = Step::Exit;
constexpr auto kGo = Step::Go;

INSTANTIATE_TEST_SUITE_P(
    Sequences, CalcMessageTest,
    testing::Values(
        // Tab through every input box without typing.
        MessageCase{"PassingThroughEmptyBoxes",
                    {{kEnter, Edit1},
                     {kExit, Edit1},
                     {kEnter, Edit4},
                     {kExit, Edit4},
                     {kEnter, Edit5},
                     {kExit, Edit5},
                     {kEnter, Edit1}},
                    {},
                    {},
                    Edit4,
                    ""},
        // The focus comes back into the box, which keeps the text to mend.
        MessageCase{"LeavingAWrongFrequency",
                    {{kEnter, Edit4}, {kType, Edit4, "abc"}, {kExit, Edit4}, {kEnter, Edit4}},
                    {kFrequencyNotValid},
                    {Edit4},
                    Edit4,
                    "abc"},
        // Tab moved on to Edit5 before the message: the focus is taken back
        // from a box that was never entered.
        MessageCase{
            "TabbingFromAWrongFrequency",
            {{kEnter, Edit4}, {kType, Edit4, "0"}, {kExit, Edit4}, {kExit, Edit5}, {kEnter, Edit4}},
            {kFrequencyRange},
            {Edit4},
            Edit4,
            "0"},
        MessageCase{"GoAfterAnEmptyFrequency",
                    {{kEnter, Edit4}, {kExit, Edit4}, {kGo, Edit4}, {kEnter, Edit4}},
                    {kFrequencyNotValid},
                    {Edit4},
                    Edit4,
                    ""},
        MessageCase{"GoAfterAnEmptyReturnPeriod",
                    {{kEnter, Edit5}, {kExit, Edit5}, {kGo, Edit5}},
                    {kReturnPeriodNotReal},
                    {Edit5},
                    Edit5,
                    ""},
        MessageCase{"LeavingAReturnPeriodOfOne",
                    {{kEnter, Edit5}, {kType, Edit5, "1"}, {kExit, Edit5}, {kEnter, Edit5}},
                    {kReturnPeriodAboveOne},
                    {Edit5},
                    Edit5,
                    "1"},
        // Go after a right frequency has nothing more to say.
        MessageCase{"GoAfterARightFrequency",
                    {{kEnter, Edit4}, {kType, Edit4, "0.5"}, {kExit, Edit4}, {kGo, Edit4}},
                    {},
                    {},
                    Edit5,
                    "2"},
        // Clicking the upper Go box leaves Edit1 first.
        MessageCase{
            "GoWithAWrongX",
            {{kEnter, Edit1}, {kType, Edit1, "abc"}, {kExit, Edit1}, {kGo, Edit1}, {kEnter, Edit1}},
            {kValueNotReal},
            {Edit1},
            Edit1,
            "abc"},
        MessageCase{"GoWithoutX", {{kGo, Edit1}}, {kValueNotReal}, {Edit1}, Edit2, ""},
        // Once mended and left, the box is cleared on the next entry as ever.
        MessageCase{"EnteringAgainAfterTheMend",
                    {{kEnter, Edit4},
                     {kType, Edit4, "abc"},
                     {kExit, Edit4},
                     {kEnter, Edit4},
                     {kType, Edit4, "0.5"},
                     {kExit, Edit4},
                     {kEnter, Edit4}},
                    {kFrequencyNotValid},
                    {Edit4},
                    Edit4,
                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A message box takes the focus from the window and gives it back: the
// events that causes while the message is up are not the user's.
class FocusTakingDialogs : public ScriptedDialogs {
 public:
  using ScriptedDialogs::ScriptedDialogs;
  void Message(const std::string& text) override {
    ScriptedDialogs::Message(text);
    if (whileShown) whileShown();
  }
  std::function<void()> whileShown;
};

TEST_F(CalcControllerTest, EventsWhileAMessageIsUpAreNotJudged) {
  FocusTakingDialogs dialogs(events_);
  CalcController controller(view_, dialogs, numbers_, state_);
  dialogs.whileShown = [&] {
    controller.Edit4Exit();
    controller.Edit5Enter();
    controller.Edit5Exit();
  };
  controller.Edit4Enter();
  view_.texts[CalcBox::Edit4] = "abc";
  controller.Edit4Exit();
  EXPECT_EQ(events_, Events{std::string("message: ") + kFrequencyNotValid});
  EXPECT_EQ(view_.Text(CalcBox::Edit4), "abc");
}

// The mirrored Fisher-Tippett type 3 law fitted to Old Faithful's waiting
// times: its upper bound lies at 116.1401 minutes.
TEST_F(CalcControllerTest, AValueBeyondTheFittedBoundSaysSo) {
  const fs::path dir = fs::temp_directory_path() / "quarlin-calc-bound";
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / "portpirie.inp", dir / "w.inp");
  std::ofstream(dir / "w.aux") << " Parameters for internal use, do not remove.\r\n33\r\n"
                               << "-3.91549691412547E+0000\r\n 1.41813585457866E+0001\r\n"
                               << " 1.16140100000000E+0002\r\n 1.00000000000000E-0004\r\n";
  state_.FileName = (dir / "w.out").string();
  view_.texts[CalcBox::Edit1] = "120";
  controller_.Edit7Click();
  EXPECT_EQ(events_, Events{"message: The value lies beyond the fitted upper bound 116.1401"});
  EXPECT_EQ(view_.Text(CalcBox::Edit2), "1");
  EXPECT_EQ(view_.Text(CalcBox::Edit3), "10000000");
  EXPECT_EQ(view_.Text(CalcBox::Edit10), "10000000");
  EXPECT_TRUE(view_.focused.empty());
  // Inside the bound the law answers as ever.
  events_.clear();
  view_.texts[CalcBox::Edit1] = "100";
  controller_.Edit7Click();
  EXPECT_TRUE(events_.empty()) << events_.front();
  EXPECT_LT(Number(CalcBox::Edit2), 1.0);
  fs::remove_all(dir);
}

// The run state holds what the main window's grid shows, here other data
// than the report's: no calculation and no hiding of the window changes it.
TEST_F(CalcControllerTest, CalculationsAndHidingLeaveTheRunStateAsItIs) {
  state_.Title1 = "Nile";
  state_.NrOfData = 3;
  state_.Values = {1120, 1160, 963};
  const RunState before = state_;
  view_.texts[CalcBox::Edit1] = "4.2";
  controller_.Edit7Click();
  view_.texts[CalcBox::Edit4] = "0.5";
  controller_.Edit4Exit();
  view_.texts[CalcBox::Edit5] = "100";
  controller_.Edit5Exit();
  ASSERT_FALSE(view_.Text(CalcBox::Edit6).empty());
  controller_.FormClose();
  controller_.FormHide();
  EXPECT_TRUE(events_.empty()) << events_.front();
  EXPECT_EQ(state_.FileName, before.FileName);
  EXPECT_EQ(state_.Title1, "Nile");
  EXPECT_EQ(state_.NrOfData, 3);
  EXPECT_EQ(state_.Values, before.Values);
}

}  // namespace
}  // namespace quarlin
