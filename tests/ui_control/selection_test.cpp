#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "data/preference_names.h"
#include "ui/control/composite_list.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

class SelectionTest : public ControllerTest {
 protected:
  SelectionTest() {
    controller.ShowPage(ui::Page::Input);
    Take();
  }

  void Confirm(int choice) {
    controller.SelectionButtonClick();
    controller.SelectChoice(choice);
    controller.ConfirmSelection();
  }
};

TEST_F(SelectionTest, BestOfAllWarnsOfNothingAndKeepsTheCompositeOption) {
  controller.OptionComboBoxChange(1);
  Confirm(0);
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(controller.State().Preference, "1");
  EXPECT_EQ(model().input.optionIndex, 1);
  EXPECT_EQ(model().input.selection, "Best of All distributions");
  EXPECT_FALSE(model().selectDialogShown);
}

TEST_F(SelectionTest, APreferenceWarnsAndDropsTheRankedList) {
  const auto input = dir / "sleep.inp";
  std::filesystem::copy_file(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data/sleep.inp", input);
  dialogs.openFile = input.string();
  controller.InputOpenActionExecute();
  controller.OptionComboBoxChange(1);
  Take();
  // The ranked list of the file in hand belongs to a best-of-all run.
  const auto list = dir / "sleep.Lst";
  WriteAll(list, " List\r\n");
  Confirm(28);
  EXPECT_EQ(controller.State().Preference, "57");
  EXPECT_EQ(Take(), Events{"message: Please be aware that the Weibull distribution selected may or "
                           "may not be suitable in this case."});
  EXPECT_EQ(model().input.selection, "Weibull distribution");
  EXPECT_EQ(model().input.optionIndex, 0);
  EXPECT_FALSE(std::filesystem::exists(list));
}

TEST_F(SelectionTest, EveryDialogChoiceShowsItsOwnName) {
  const auto choices = DialogChoices();
  ASSERT_EQ(choices.size(), 37u);
  for (int i = 1; i < 37; ++i) {
    Confirm(i);
    EXPECT_EQ(controller.State().Preference, choices[i].text);
    EXPECT_EQ(model().input.selection, std::string(choices[i].shown) + " distribution");
  }
}

TEST_F(SelectionTest, TheSeparatorLineIsNoChoice) {
  controller.OptionComboBoxChange(1);
  controller.DisconComboBoxChange(5);
  controller.DisconComboBoxChange(13);
  EXPECT_EQ(Take(), Events{"message: This is not a selection option"});
  EXPECT_EQ(model().input.disconIndex, 0);
  EXPECT_EQ(controller.State().Preference, "1");
}

TEST_F(SelectionTest, CompositeTypesSetTheirPreference) {
  const auto items = ui::CompositeListItems();
  ASSERT_EQ(items.size(), 25u);
  EXPECT_EQ(items[13], "---The following use generalized distributions---");
  EXPECT_EQ(items[16], "Composite generailzed Gumbel mirrored");
  controller.OptionComboBoxChange(1);
  controller.DisconComboBoxChange(16);
  EXPECT_EQ(controller.State().Preference, "90");
  EXPECT_EQ(model().input.selection, "See \"Select composite distribution\"");
  controller.DisconComboBoxChange(24);
  EXPECT_EQ(controller.State().Preference, "73");
  controller.DisconComboBoxChange(0);
  EXPECT_EQ(controller.State().Preference, "1");
  EXPECT_EQ(model().input.selection, "Best of All distributions");
}

TEST_F(SelectionTest, ChangingTheCompositeOptionGoesBackToBestOfAll) {
  Confirm(5);
  controller.OptionComboBoxChange(1);
  EXPECT_EQ(controller.State().Preference, "1");
  EXPECT_TRUE(model().input.disconShown);
  EXPECT_EQ(model().input.selection, "Best of All Distributions");
  EXPECT_EQ(model().selectedChoice, 0);
  controller.OptionComboBoxChange(0);
  EXPECT_FALSE(model().input.disconShown);
}

// Indices the window could hand over (-1 from an emptied list, one past
// the end) name no choice: nothing changes and nothing breaks.
class OutOfRangeSelectionTest : public SelectionTest, public testing::WithParamInterface<int> {};

TEST_P(OutOfRangeSelectionTest, ChangesNothing) {
  Confirm(28);
  Take();
  const std::string preference = controller.State().Preference;
  const std::string selection = model().input.selection;
  controller.SelectionButtonClick();
  controller.SelectChoice(GetParam());
  EXPECT_EQ(model().selectedChoice, 28);
  controller.ConfirmSelection();
  EXPECT_EQ(controller.State().Preference, preference);
  EXPECT_EQ(model().input.selection, selection);

  controller.OptionComboBoxChange(1);
  controller.DisconComboBoxChange(16);
  controller.OptionComboBoxChange(GetParam());
  controller.DisconComboBoxChange(GetParam());
  EXPECT_EQ(model().input.optionIndex, 1);
  EXPECT_EQ(model().input.disconIndex, 16);
  EXPECT_EQ(controller.State().Preference, "90");
}

INSTANTIATE_TEST_SUITE_P(Indices, OutOfRangeSelectionTest,
                         testing::Values(-1, 37, 1000, std::numeric_limits<int>::min()));

}  // namespace
}  // namespace quarlin::testing_support
