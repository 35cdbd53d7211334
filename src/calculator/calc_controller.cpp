#include "calculator/calc_controller.h"

#include <initializer_list>

#include "calculator/calculation.h"
#include "calculator/report_inputs.h"
#include "common/text_file.h"
#include "data/input_file.h"
#include "engine/catalogue/codes.h"

namespace quarlin {
namespace {

void Clear(CalcView& view, std::initializer_list<CalcBox> boxes) {
  for (CalcBox box : boxes) view.SetText(box, "");
}

}  // namespace

std::string CalcController::Shown(std::optional<double> value) const {
  return numbers_.Shown(ResultText(value));
}

void CalcController::FormShow(int chosenCode) {
  using enum CalcBox;
  Clear(view_, {Edit1, Edit2, Edit3, Edit4, Edit5, Edit9, Edit10, Edit13, Edit14});
  const bool inverse = chosenCode != kGamma;
  for (CalcControl control :
       {CalcControl::Edit4, CalcControl::Edit5, CalcControl::Label4, CalcControl::Label5,
        CalcControl::Label6, CalcControl::Label13, CalcControl::Label14, CalcControl::Label18}) {
    view_.SetEnabled(control, inverse);
  }
  const std::string result = inverse ? "" : " n.a";
  for (CalcBox box : {Edit6, Edit11, Edit12}) view_.SetText(box, result);
}

void CalcController::Edit7Click() {
  const auto X = numbers_.StringToFloat(view_.Text(CalcBox::Edit1));
  if (!X) {
    dialogs_.Message(kValueNotReal);
    return;
  }
  ReportInputsReading reading = ReadReportInputs(state_);
  if (!reading.inputs) {
    dialogs_.Message(reading.error);
    return;
  }
  state_ = std::move(reading.inputs->state);
  const int N = static_cast<int>(reading.inputs->data.size());
  const ForwardResult r = CalcFrequent(reading.inputs->values, N, *X);
  view_.SetText(CalcBox::Edit2, Shown(r.F));
  view_.SetText(CalcBox::Edit3, Shown(r.T));
  view_.SetText(CalcBox::Edit13, Shown(r.limits.lower));
  view_.SetText(CalcBox::Edit14, Shown(r.limits.upper));
  view_.SetText(CalcBox::Edit9, Shown(r.TLower));
  view_.SetText(CalcBox::Edit10, Shown(r.TUpper));
}

bool CalcController::ShowInverse(double F) {
  ReportInputsReading reading = ReadReportInputs(state_);
  if (!reading.inputs) {
    dialogs_.Message(reading.error);
    return false;
  }
  state_ = std::move(reading.inputs->state);
  const InverseResult r = CalcVal(reading.inputs->values, reading.inputs->data, F);
  view_.SetText(CalcBox::Edit6, Shown(r.X));
  view_.SetText(CalcBox::Edit11, Shown(r.XLower));
  view_.SetText(CalcBox::Edit12, Shown(r.XUpper));
  return true;
}

void CalcController::Edit4Exit() {
  const auto F = numbers_.StringToFloat(view_.Text(CalcBox::Edit4));
  if (!F) {
    dialogs_.Message(kFrequencyNotValid);
    return;
  }
  if (!(*F > 0.000001 && *F < 0.999999)) {
    dialogs_.Message(kFrequencyRange);
    return;
  }
  if (ShowInverse(*F)) view_.SetText(CalcBox::Edit5, Shown(1 / (1 - *F)));
}

void CalcController::Edit5Exit() {
  const auto T = numbers_.StringToFloat(view_.Text(CalcBox::Edit5));
  if (!T) {
    dialogs_.Message(kReturnPeriodNotReal);
    return;
  }
  if (!(*T > 0.000001 && *T < 100000)) {
    dialogs_.Message(kReturnPeriodRange);
    return;
  }
  if (*T <= 1) {
    dialogs_.Message(kReturnPeriodAboveOne);
    return;
  }
  const double F = 1 - 1 / *T;
  if (ShowInverse(F)) view_.SetText(CalcBox::Edit4, Shown(F));
}

void CalcController::Edit1Enter() {
  using enum CalcBox;
  Clear(view_, {Edit1, Edit2, Edit3, Edit13, Edit14, Edit9, Edit10});
}

void CalcController::ClearInverseInputs() {
  using enum CalcBox;
  Clear(view_, {Edit4, Edit5, Edit6, Edit11, Edit12});
}

void CalcController::Edit4Enter() {
  ClearInverseInputs();
}

void CalcController::Edit5Enter() {
  ClearInverseInputs();
}

void CalcController::ClearAll() {
  using enum CalcBox;
  Clear(view_,
        {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit9, Edit10, Edit11, Edit12, Edit13, Edit14});
}

void CalcController::FormHide(bool dataLoaded, const std::function<void()>& refillGrid) {
  if (dataLoaded) {
    RunState copy = state_;
    copy.FileName = ChangeExtension(state_.FileName, ".inp").string();
    const Status read = ReadInputFile(copy);
    if (read.ok()) {
      state_ = std::move(copy);
      if (refillGrid) refillGrid();
    } else {
      dialogs_.Message(read.message());
    }
  }
  ClearAll();
}

void CalcController::FormClose() {
  ClearAll();
}

}  // namespace quarlin
