#pragma once
// The composite-type list of the Input page: the composite choices with,
// at its fixed place, the line that separates the simple composites from
// the generalized ones.

#include <string>
#include <vector>

namespace quarlin::ui {

// The items in the order the list shows them.
std::vector<std::string> CompositeListItems();

// The preference text of item `index`; "1" for the separator line.
std::string CompositePreference(int index);

}  // namespace quarlin::ui
