#pragma once
// The name under which the report presents the chosen distribution. It often
// differs from the name in the ranked list.

#include <string>

namespace quarlin {

// The report name of a code as its row holds it (codes 1 and 2 have none of
// their own: their list name); code 0 and unassigned codes give the empty
// string.
std::string ReportName(int code);

}  // namespace quarlin
