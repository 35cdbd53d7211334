// The calculator window's handlers on a bundled report, with a recorded view.
#include "calculator/calc_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "data/run_doubles.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;
using testing_support::Events;
using testing_support::ScriptedDialogs;

class RecordedView : public CalcView {
 public:
  std::string Text(CalcBox box) const override {
    const auto it = texts.find(box);
    return it == texts.end() ? "" : it->second;
  }
  void SetText(CalcBox box, const std::string& text) override { texts[box] = text; }
  void SetEnabled(CalcControl control, bool on) override { enabled[control] = on; }

  std::map<CalcBox, std::string> texts;
  std::map<CalcControl, bool> enabled;
};

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
  EXPECT_EQ(fs::path(state_.FileName).extension(), ".out");
  EXPECT_EQ(state_.NrOfData, 65);
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

TEST_F(CalcControllerTest, HideRestoresTheDataWhenLoaded) {
  int refills = 0;
  controller_.FormHide(true, [&] { ++refills; });
  EXPECT_EQ(refills, 1);
  EXPECT_EQ(state_.NrOfData, 65);
  controller_.FormHide(false, [&] { ++refills; });
  EXPECT_EQ(refills, 1);
}

}  // namespace
}  // namespace quarlin
