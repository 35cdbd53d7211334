#pragma once
// The fixed help texts of the Intro page and the paste help of the Input
// page.

#include <string_view>

#include "ui/control/window_model.h"

namespace quarlin::ui {

std::string_view HelpTextOf(HelpText text);

std::string_view PasteHelpText();

// The explanation of the optimised normal distributions.
std::string_view OptimizationText();

}  // namespace quarlin::ui
