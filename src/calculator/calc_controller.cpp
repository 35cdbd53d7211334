#include "calculator/calc_controller.h"

#include <initializer_list>

#include "calculator/calculation.h"
#include "calculator/report_inputs.h"

namespace quarlin {
namespace {

void Clear(CalcView& view, std::initializer_list<CalcBox> boxes) {
  for (CalcBox box : boxes) view.SetText(box, "");
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::string BeyondBoundMessage(Beyond side, const std::string& shownBound) {
  std::string text = side == Beyond::Upper ? kBeyondUpperBound : kBeyondLowerBound;
  if (!shownBound.empty()) text += " " + shownBound;
  return text;
}

std::string CalcController::Shown(std::optional<double> value) const {
  return numbers_.Shown(ResultText(value));
}

void CalcController::Message(const std::string& message) {
  messageShown_ = true;
  dialogs_.Message(message);
  messageShown_ = false;
}

void CalcController::Refuse(CalcBox box, const std::string& message) {
  Message(message);
  returningTo_ = box;
  view_.Focus(box);
}

bool CalcController::Returning(CalcBox box) {
  const bool returning = returningTo_ == box;
  returningTo_.reset();
  return returning;
}

void CalcController::FormShow(int chosenCode) {
  using enum CalcBox;
  returningTo_.reset();
  leftEmpty_.reset();
  Clear(view_, {Edit1, Edit2, Edit3, Edit4, Edit5, Edit9, Edit10, Edit13, Edit14});
  const bool inverse = CalculatorInvertsCode(chosenCode);
  for (CalcControl control :
       {CalcControl::Edit4, CalcControl::Edit5, CalcControl::Label4, CalcControl::Label5,
        CalcControl::Label6, CalcControl::Label13, CalcControl::Label14, CalcControl::Label18}) {
    view_.SetEnabled(control, inverse);
  }
  const std::string result = inverse ? "" : " n.a";
  for (CalcBox box : {Edit6, Edit11, Edit12}) view_.SetText(box, result);
}

void CalcController::Edit7Click() {
  if (messageShown_) return;
  returningTo_.reset();
  leftEmpty_.reset();
  const auto X = numbers_.StringToFloat(view_.Text(CalcBox::Edit1));
  if (!X) {
    Refuse(CalcBox::Edit1, kValueNotReal);
    return;
  }
  const ReportInputsReading reading = ReadReportInputs(state_);
  if (!reading.inputs) {
    Message(reading.error);
    return;
  }
  const int N = static_cast<int>(reading.inputs->data.size());
  const ForwardResult r = CalcFrequent(reading.inputs->values, N, *X);
  view_.SetText(CalcBox::Edit2, Shown(r.F));
  view_.SetText(CalcBox::Edit3, Shown(r.T));
  view_.SetText(CalcBox::Edit13, Shown(r.limits.lower));
  view_.SetText(CalcBox::Edit14, Shown(r.limits.upper));
  view_.SetText(CalcBox::Edit9, Shown(r.TLower));
  view_.SetText(CalcBox::Edit10, Shown(r.TUpper));
  if (r.beyond != Beyond::None)
    Message(BeyondBoundMessage(r.beyond, r.bound ? Shown(r.bound) : ""));
}

bool CalcController::ShowInverse(double F) {
  const ReportInputsReading reading = ReadReportInputs(state_);
  if (!reading.inputs) {
    Message(reading.error);
    return false;
  }
  const InverseResult r = CalcVal(reading.inputs->values, reading.inputs->data, F);
  view_.SetText(CalcBox::Edit6, Shown(r.X));
  view_.SetText(CalcBox::Edit11, Shown(r.XLower));
  view_.SetText(CalcBox::Edit12, Shown(r.XUpper));
  return true;
}

void CalcController::InverseFromF(bool goPressed) {
  const std::string text = view_.Text(CalcBox::Edit4);
  if (!goPressed && IsBlank(text)) {
    leftEmpty_ = CalcBox::Edit4;
    return;
  }
  const auto F = numbers_.StringToFloat(text);
  if (!F) {
    Refuse(CalcBox::Edit4, kFrequencyNotValid);
    return;
  }
  if (!(*F > 0.000001 && *F < 0.999999)) {
    Refuse(CalcBox::Edit4, kFrequencyRange);
    return;
  }
  if (ShowInverse(*F)) view_.SetText(CalcBox::Edit5, Shown(1 / (1 - *F)));
}

void CalcController::InverseFromT(bool goPressed) {
  const std::string text = view_.Text(CalcBox::Edit5);
  if (!goPressed && IsBlank(text)) {
    leftEmpty_ = CalcBox::Edit5;
    return;
  }
  const auto T = numbers_.StringToFloat(text);
  if (!T) {
    Refuse(CalcBox::Edit5, kReturnPeriodNotReal);
    return;
  }
  if (!(*T > 0.000001 && *T < 100000)) {
    Refuse(CalcBox::Edit5, kReturnPeriodRange);
    return;
  }
  if (*T <= 1) {
    Refuse(CalcBox::Edit5, kReturnPeriodAboveOne);
    return;
  }
  const double F = 1 - 1 / *T;
  if (ShowInverse(F)) view_.SetText(CalcBox::Edit4, Shown(F));
}

void CalcController::Edit4Exit() {
  if (messageShown_) return;
  if (returningTo_ == CalcBox::Edit4) returningTo_.reset();
  leftEmpty_.reset();
  InverseFromF(false);
}

void CalcController::Edit5Exit() {
  if (messageShown_) return;
  if (returningTo_ == CalcBox::Edit5) returningTo_.reset();
  leftEmpty_.reset();
  InverseFromT(false);
}

void CalcController::Edit8Click() {
  if (messageShown_) return;
  const auto box = leftEmpty_;
  leftEmpty_.reset();
  returningTo_.reset();
  if (box == CalcBox::Edit4) InverseFromF(true);
  if (box == CalcBox::Edit5) InverseFromT(true);
}

void CalcController::Edit1Enter() {
  using enum CalcBox;
  if (messageShown_) return;
  leftEmpty_.reset();
  if (Returning(Edit1)) return;
  Clear(view_, {Edit1, Edit2, Edit3, Edit13, Edit14, Edit9, Edit10});
}

void CalcController::Edit1Exit() {
  if (returningTo_ == CalcBox::Edit1) returningTo_.reset();
}

void CalcController::ClearInverseInputs() {
  using enum CalcBox;
  Clear(view_, {Edit4, Edit5, Edit6, Edit11, Edit12});
}

void CalcController::Edit4Enter() {
  if (messageShown_) return;
  leftEmpty_.reset();
  if (Returning(CalcBox::Edit4)) return;
  ClearInverseInputs();
}

void CalcController::Edit5Enter() {
  if (messageShown_) return;
  leftEmpty_.reset();
  if (Returning(CalcBox::Edit5)) return;
  ClearInverseInputs();
}

void CalcController::ClearAll() {
  using enum CalcBox;
  Clear(view_,
        {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit9, Edit10, Edit11, Edit12, Edit13, Edit14});
}

void CalcController::FormHide() {
  returningTo_.reset();
  leftEmpty_.reset();
  ClearAll();
}

void CalcController::FormClose() {
  ClearAll();
}

}  // namespace quarlin
