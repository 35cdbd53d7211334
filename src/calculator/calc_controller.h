#pragma once
// The calculator window without its widgets: the window forwards each event
// to the handler of the same name and shows what the controller writes into
// its view. Every calculation reads the report's files from disk into a copy
// of its own: the main window's run state, and the grid drawn from it, stay
// as the user left them.

#include <optional>
#include <string>

#include "calculator/forward_table.h"
#include "data/dialogs.h"
#include "data/number_reading.h"
#include "data/run_state.h"

namespace quarlin {

// The boxes whose text the controller reads or writes.
enum class CalcBox {
  Edit1,   // X input
  Edit2,   // F result
  Edit3,   // T result
  Edit4,   // F input
  Edit5,   // T input
  Edit6,   // X result
  Edit9,   // lower limit of T
  Edit10,  // upper limit of T
  Edit11,  // X at the lower frequency limit
  Edit12,  // X at the upper frequency limit
  Edit13,  // lower limit of F
  Edit14,  // upper limit of F
};

// The controls a code without an inverse disables.
enum class CalcControl { Edit4, Edit5, Label4, Label5, Label6, Label13, Label14, Label18 };

class CalcView {
 public:
  virtual ~CalcView() = default;
  virtual std::string Text(CalcBox box) const = 0;
  virtual void SetText(CalcBox box, const std::string& text) = 0;
  virtual void SetEnabled(CalcControl control, bool enabled) = 0;
  // Gives an input box (Edit1, Edit4 or Edit5) the focus, so that the user
  // can mend what a message was about.
  virtual void Focus(CalcBox box) = 0;
};

inline constexpr const char* kValueNotReal = "The value is not a valid real";
inline constexpr const char* kFrequencyNotValid = "The frequency is not a valid integer";
inline constexpr const char* kFrequencyRange = "The frequency must be >0.000001 and <0.999999";
inline constexpr const char* kReturnPeriodNotReal = "The return period is not a valid real";
inline constexpr const char* kReturnPeriodRange = "The return period must be >0.000001 and <100000";
// A return period of 1 or less has no frequency inside (0, 1).
inline constexpr const char* kReturnPeriodAboveOne = "The return period must be >1 and <100000";
// An X beyond an end of the fitted law's range, where F is 0 or 1; the end
// in data units follows when it is finite.
inline constexpr const char* kBeyondLowerBound = "The value lies beyond the fitted lower bound";
inline constexpr const char* kBeyondUpperBound = "The value lies beyond the fitted upper bound";
// The message for `side` (not None), with the end as `shownBound` shows it.
std::string BeyondBoundMessage(Beyond side, const std::string& shownBound);

// One message per mistake: an input box is judged when the user leaves it
// (Edit4, Edit5) or presses Go (Edit7 for Edit1, Edit8 for the inverse box
// just left); a box left empty is no mistake unless Go was pressed. After the
// message the focus goes back to that box, which keeps its text.
class CalcController {
 public:
  // `state` names the report in hand; the controller only reads it.
  CalcController(CalcView& view, Dialogs& dialogs, NumberConversion& numbers, const RunState& state)
      : view_(view), dialogs_(dialogs), numbers_(numbers), state_(state) {}

  // `chosenCode`: the distribution code of the report at the moment the
  // window opens.
  void FormShow(int chosenCode);
  void Edit7Click();
  // The lower "Go ->": judges an inverse box that was just left empty.
  void Edit8Click();
  void Edit4Exit();
  void Edit5Exit();
  void Edit1Enter();
  void Edit1Exit();
  void Edit4Enter();
  void Edit5Enter();
  // Clears the boxes. The run state is not touched: the calculations never
  // changed it, so nothing is read back into it.
  void FormHide();
  void FormClose();

 private:
  void ClearInverseInputs();
  void ClearAll();
  // X and its limits for F; false when the files could not be read.
  bool ShowInverse(double F);
  void InverseFromF(bool goPressed);
  void InverseFromT(bool goPressed);
  // Shows `message` about `box` and gives the box the focus back.
  void Refuse(CalcBox box, const std::string& message);
  // Shows a message; an event the message itself causes is not the user's.
  void Message(const std::string& message);
  // True when the focus comes back to `box` after a message: its text stays.
  bool Returning(CalcBox box);
  // A result as the boxes show it, under the separator the boxes read.
  std::string Shown(std::optional<double> value) const;

  CalcView& view_;
  Dialogs& dialogs_;
  NumberConversion& numbers_;
  const RunState& state_;
  bool messageShown_ = false;
  std::optional<CalcBox> returningTo_;
  std::optional<CalcBox> leftEmpty_;
};

}  // namespace quarlin
