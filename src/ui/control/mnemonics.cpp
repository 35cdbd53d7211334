#include "ui/control/mnemonics.h"

#include <utility>

namespace quarlin::ui {
namespace {

// Captions that the Part writes with their mark ("&File", "Open &Graph",
// "Program E&xit") are not listed: the windows take them as they are.
constexpr std::pair<std::string_view, std::string_view> kMarked[] = {
    // The File and Edit menus.
    {"Open input", "Open &input"},
    {"Open output", "&Open output"},  // also the Output page's button
    {"Save input", "&Save input"},
    {"Copy", "&Copy"},
    {"Cut", "Cu&t"},
    {"Paste", "&Paste"},
    // The Intro page's help buttons.
    {"Distributions", "&Distributions"},
    {"Composition", "&Composition"},
    {"Confidence", "Co&nfidence"},
    {"Intervals/histogram", "Intervals/&histogram"},
    {"Introduction", "&Introduction"},
    // The Input page: the labels of its fields, then its buttons.
    {"File", "Fi&le"},
    {"Title1", "Title&1"},
    {"Title2", "Title&2"},
    {"Nr. of Data", "Nr. of &Data"},
    {"Nr of Intervals for histogram", "Nr of &Intervals for histogram"},
    {"Select composite distribution", "Select co&mposite distribution"},
    {"Select a preferred probability distribution", "Select a p&referred probability distribution"},
    {"Actual selection", "&Actual selection"},
    {" Open input ", " &Open input "},
    {" Save-Run ", " &Save-Run "},
    {"Clear data", "&Clear data"},
    {"Paste help", "&Paste help"},
    {" Paste help ", " &Paste help "},
    {"Close help", "Close &help"},
    // The Output page.
    {"Graphics", "&Graphics"},
    {"Calculator", "&Calculator"},
    {"Goodness of fit", "Goo&dness of fit"},
    {"Optimization explained", "O&ptimization explained"},
    {"List of distributions ranked by data fit", "&List of distributions ranked by data fit"},
    {"Close", "Clo&se"},
    // The Graphics page.
    {"Make graph", "&Make graph"},
    {"Graph selection", "Graph &selection"},
    {"Save color graph", "Save &color graph"},
    {"Save black-white graph", "Save &black-white graph"},
    {"Hide conf. belt", "Hide co&nf. belt"},
    {"Show conf. belt", "Show co&nf. belt"},
    {"Go", "&Go"},
    {"Cumulative distribution", "C&umulative distribution"},
    {"Interval distribution (histogram calculated)",
     "&Interval distribution (histogram calculated)"},
    {"Confidence belt of X", "Confidence belt of &X"},
    {"Return periods", "&Return periods"},
    {"Predicted-observed", "&Predicted-observed"},
    {"Interval distribution (histogram observed)", "Interval distribution (histogram &observed)"},
    // The selection dialog and the closing window.
    {" Confirm", " &Confirm"},
    {"Finish", "&Finish"},
};

}  // namespace

std::string WithMnemonic(std::string_view caption) {
  for (const auto& [plain, marked] : kMarked)
    if (plain == caption) return std::string(marked);
  return std::string(caption);
}

std::string WithoutMnemonic(std::string_view marked) {
  std::string plain;
  for (size_t i = 0; i < marked.size(); ++i) {
    if (marked[i] == '&' && i + 1 < marked.size()) ++i;
    plain += marked[i];
  }
  return plain;
}

}  // namespace quarlin::ui
