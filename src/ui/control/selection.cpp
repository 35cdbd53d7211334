// The preferred distribution: the selection dialog, the composite option
// and the composite-type list.
#include "data/preference_names.h"
#include "ui/control/composite_list.h"
#include "ui/control/main_controller.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {

void MainController::SelectionButtonClick() {
  model_.selectDialogShown = true;
}

void MainController::SelectChoice(int index) {
  // The dialog's buttons are a fixed set: an index beyond them names none.
  if (index < 0 || static_cast<size_t>(index) >= DialogChoices().size()) return;
  model_.selectedChoice = index;
}

void MainController::ConfirmSelection() {
  if (model_.running) return;
  const auto choices = DialogChoices();
  const int selected = model_.selectedChoice;
  const PreferenceChoice& choice = choices[selected];
  state_.Preference = std::string(choice.text);
  const bool bestOfAll = selected == 0;
  if (!bestOfAll) {
    model_.output.listButton = false;
    DeleteRankedList();
    model_.input.optionIndex = 0;
    model_.input.disconShown = false;
    compositeWanted_ = false;
    model_.selectDialogShown = false;
  }
  const std::string shown =
      std::string(choice.shown) + (bestOfAll ? " distributions" : " distribution");
  model_.input.selection = shown;
  if (!bestOfAll)
    dialogs_.Message("Please be aware that the " + shown + " selected" +
                     " may or may not be suitable in this case.");
  model_.selectDialogShown = false;
}

void MainController::OptionComboBoxChange(int index) {
  // Index 0 refuses composites, 1 allows them; there is no other item.
  if (model_.running || (index != 0 && index != 1)) return;
  auto& input = model_.input;
  input.optionIndex = index;
  compositeWanted_ = index == 1;
  input.disconShown = index == 1;
  if (index == 1) input.disconIndex = 0;
  state_.Preference = "1";
  input.selection = kBestOfAllSelection;
  model_.selectedChoice = 0;
  input.selectionShown = true;
}

void MainController::DisconComboBoxChange(int index) {
  if (model_.running || index < 0 || static_cast<size_t>(index) >= CompositeListItems().size())
    return;
  auto& input = model_.input;
  input.disconIndex = index;
  if (index == kSeparatorIndex) {
    dialogs_.Message(kNotAnOptionMessage);
    input.disconIndex = 0;
    state_.Preference = "1";
    return;
  }
  state_.Preference = CompositePreference(index);
  input.selectionShown = true;
  if (index > 0) {
    DeleteRankedList();
    compositeWanted_ = false;
    model_.output.listButton = false;
    input.selection = kSeeCompositeSelection;
    model_.selectedChoice = 0;
  } else {
    compositeWanted_ = true;
    input.selection = kBestOfAllCompositeSelection;
  }
}

}  // namespace quarlin::ui
