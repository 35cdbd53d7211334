#pragma once
// The names a screen reader gives the controls that have no caption or
// label of their own to be named by: the grid, the text panes, the
// composite option and the calculator's boxes. Fields with a label are
// named by it.

#include <string_view>

#include "calculator/calc_controller.h"

namespace quarlin::ui {

inline constexpr const char* kPagesName = "Pages";
inline constexpr const char* kGridName = "Input grid";
inline constexpr const char* kOptionName = "Composite distributions";
inline constexpr const char* kPasteHelpName = "Paste help";
inline constexpr const char* kWaitName = "Progress of the run";
inline constexpr const char* kReportName = "Report";
inline constexpr const char* kFitName = "Goodness of fit";
inline constexpr const char* kListName = "List of distributions ranked by data fit";
inline constexpr const char* kOptName = "Explanation optimization";
inline constexpr const char* kFinishName = "Quarlin finish";
inline constexpr const char* kGoForwardName = "Go -> cumulative frequency and return period";
inline constexpr const char* kGoInverseName = "Go -> X-value";

// A calculator box by what it holds, as its labels say it.
constexpr std::string_view CalcBoxName(CalcBox box) {
  switch (box) {
    case CalcBox::Edit1:
      return "X-value";
    case CalcBox::Edit2:
      return "Cum. Freq.";
    case CalcBox::Edit3:
      return "Ret. Per.";
    case CalcBox::Edit4:
      return "Cum. Freq. to obtain X-value";
    case CalcBox::Edit5:
      return "Ret. Per. to obtain X-value";
    case CalcBox::Edit6:
      return "X-value obtained";
    case CalcBox::Edit9:
      return "Lower 90% confidence limit of ret. per.";
    case CalcBox::Edit10:
      return "Upper 90% confidence limit of ret. per.";
    case CalcBox::Edit11:
      return "Lower 90% confidence limit of X-Value";
    case CalcBox::Edit12:
      return "Upper 90% confidence limit of X-Value";
    case CalcBox::Edit13:
      return "Lower 90% confidence limit of cum. freq.";
    case CalcBox::Edit14:
      return "Upper 90% confidence limit of cum. freq.";
  }
  return {};
}

}  // namespace quarlin::ui
