#pragma once
// `quarlin-cli calc`: the calculator window's questions answered from a
// report's files, for scripts.

#include <ostream>
#include <string>
#include <vector>

namespace quarlin {

enum class CalcQueryKind { X, Freq, Period };

struct CalcQuery {
  CalcQueryKind kind = CalcQueryKind::X;
  std::string text;  // as typed; converted as the window converts it
};

struct CalcOptions {
  std::string base;  // the report, with or without .out, .aux or .inp
  std::vector<CalcQuery> queries;
  bool json = false;
};

// Answers each query in order on `out` (one line each, or one JSON array).
// A refused query prints the window's message on `err`; the exit status is
// then 1, as it is when the report's files cannot be read. 0 otherwise.
int CalcCommand(const CalcOptions& options, std::ostream& out, std::ostream& err);

}  // namespace quarlin
