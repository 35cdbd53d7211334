#pragma once
// The name under which the report presents the chosen distribution. It often
// differs from the name in the ranked list.

#include <string>

namespace quarlin {

// The report name of a code; codes without one (1, 2) fall back to the list
// name, code 0 and unassigned codes give the empty string.
std::string ReportName(int code);

}  // namespace quarlin
