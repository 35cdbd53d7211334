#include "ui/control/composite_list.h"

#include "data/preference_names.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {
namespace {

constexpr const char* kSeparatorLine = "---The following use generalized distributions---";

}  // namespace

std::vector<std::string> CompositeListItems() {
  std::vector<std::string> items;
  for (const auto& choice : CompositeChoices()) {
    if (static_cast<int>(items.size()) == kSeparatorIndex) items.emplace_back(kSeparatorLine);
    items.emplace_back(choice.name);
  }
  return items;
}

std::string CompositePreference(int index) {
  const auto choices = CompositeChoices();
  if (index == kSeparatorIndex || index < 0) return "1";
  const size_t at = static_cast<size_t>(index < kSeparatorIndex ? index : index - 1);
  return at < choices.size() ? std::string(choices[at].text) : "1";
}

}  // namespace quarlin::ui
