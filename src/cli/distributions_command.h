#pragma once
// `quarlin-cli distributions`: what a run can fit and what --prefer takes.

#include <ostream>

namespace quarlin {

// One line per fitted code (or one JSON array): the preference text that
// selects it, the code, whether it is composite, and its list name. Exit
// status 0.
int DistributionsCommand(bool json, std::ostream& out);

}  // namespace quarlin
