#pragma once
// The calculator window without its widgets: the window forwards each event
// to the handler of the same name and shows what the controller writes into
// its view. Every calculation reads the report's files from disk.

#include <functional>
#include <string>

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
};

inline constexpr const char* kValueNotReal = "The value is not a valid real";
inline constexpr const char* kFrequencyNotValid = "The frequency is not a valid integer";
inline constexpr const char* kFrequencyRange = "The frequency must be >0.000001 and <0.999999";
inline constexpr const char* kReturnPeriodNotReal = "The return period is not a valid real";
inline constexpr const char* kReturnPeriodRange = "The return period must be >0.000001 and <100000";
// A return period of 1 or less has no frequency inside (0, 1).
inline constexpr const char* kReturnPeriodAboveOne = "The return period must be >1 and <100000";

class CalcController {
 public:
  CalcController(CalcView& view, Dialogs& dialogs, NumberConversion& numbers, RunState& state)
      : view_(view), dialogs_(dialogs), numbers_(numbers), state_(state) {}

  // `chosenCode`: the distribution code of the report at the moment the
  // window opens.
  void FormShow(int chosenCode);
  void Edit7Click();
  void Edit4Exit();
  void Edit5Exit();
  void Edit1Enter();
  void Edit4Enter();
  void Edit5Enter();
  // With the main window's DataLoaded flag set, the input file is read back
  // into the run state and `refillGrid` has the main window show it.
  void FormHide(bool dataLoaded, const std::function<void()>& refillGrid);
  void FormClose();

 private:
  void ClearInverseInputs();
  void ClearAll();
  // X and its limits for F; false when the files could not be read.
  bool ShowInverse(double F);
  // A result as the boxes show it, under the separator the boxes read.
  std::string Shown(std::optional<double> value) const;

  CalcView& view_;
  Dialogs& dialogs_;
  NumberConversion& numbers_;
  RunState& state_;
};

}  // namespace quarlin
