#pragma once
// The keyboard's way to every menu entry and button: each caption with the
// mark (&) before the letter that Alt (or the open menu) takes to it. The
// captions themselves stay as the user reads them; the mark is shown as an
// underline. Letters are unique among what one page of a window shows at
// a time, the menu bar's "&File" and "&Edit" included.

#include <string>
#include <string_view>

namespace quarlin::ui {

// `caption` with its mark; a caption without a letter of its own is
// returned as it is.
std::string WithMnemonic(std::string_view caption);

// `marked` as the user reads it: without the mark ("&&" stands for "&").
std::string WithoutMnemonic(std::string_view marked);

}  // namespace quarlin::ui
