// The calculator works on the report's files, not on what the Input page
// holds: asking it and closing it leaves the grid and the run state as the
// user left them, whatever report it answered from.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calculator/calc_controller.h"
#include "fixtures/recorded_calc_view.h"
#include "ui/control/window_model.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

namespace fs = std::filesystem;

class CalculatorRunStateTest : public ControllerTest {
 protected:
  CalculatorRunStateTest() { controller.AttachCalculator(view); }

  void CopyBundled(const std::string& name) {
    for (const char* extension : {".out", ".aux", ".inp", ".Lst"})
      fs::copy_file(fs::path(QUARLIN_SOURCE_DIR) / "Data" / (name + extension),
                    dir / (name + extension));
  }

  // Port Pirie's report, its calculator asked both ways and closed.
  void AskPortPiriesCalculator() {
    CopyBundled("portpirie");
    dialogs.openFile = (dir / "portpirie.out").string();
    controller.OutputOpenActionExecute();
    controller.CalcButtonClick();
    ASSERT_TRUE(model().calcShown);
    CalcController& calc = *controller.Calculator();
    view.texts[CalcBox::Edit1] = "4.2";
    calc.Edit7Click();
    calc.Edit4Enter();
    view.texts[CalcBox::Edit4] = "0.9";
    calc.Edit4Exit();
    ASSERT_FALSE(view.Text(CalcBox::Edit6).empty());
    controller.CalcWindowClosed();
    EXPECT_FALSE(model().calcShown);
    controller.ShowPage(ui::Page::Input);
  }

  RecordedCalcView view;
};

TEST_F(CalculatorRunStateTest, AnOpenedInputKeepsItsValuesAndTitles) {
  CopyBundled("Nile");
  dialogs.openFile = (dir / "Nile.inp").string();
  controller.InputOpenActionExecute();
  const std::vector<std::string> before = Values();
  const RunState state = controller.State();
  ASSERT_EQ(state.NrOfData, 100);

  AskPortPiriesCalculator();
  EXPECT_EQ(Values(), before);
  EXPECT_EQ(model().input.nrOfData, "100");
  EXPECT_EQ(model().input.title1, state.Title1);
  EXPECT_EQ(controller.State().NrOfData, 100);
  EXPECT_EQ(controller.State().Values, state.Values);
  EXPECT_EQ(controller.State().Title1, state.Title1);
}

TEST_F(CalculatorRunStateTest, TypedValuesThatWereNeverSavedStay) {
  EnterNrOfData("8");
  const std::vector<std::string> typed{"3.5", "4.25", "2", "7.75", "6", "5.5", "3", "4"};
  for (int row = 0; row < 8; ++row) controller.SetEditText(row, typed[row]);
  const std::vector<std::string> before = Values();

  AskPortPiriesCalculator();
  EXPECT_EQ(Values(), before);
  EXPECT_EQ(model().input.nrOfData, "8");
}

}  // namespace
}  // namespace quarlin::testing_support
