#include "cli/distributions_command.h"

#include <string>

#include "cli/json.h"
#include "common/number_text.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

// Why a preference text is not simply the code: the Student pair is
// preferred and fitted as one, and two texts are numbers of their own.
std::string NoteOf(const DistributionRow& row) {
  if (row.kind == DistributionKind::Student)
    return row.preferenceNumber ? "preference 62 selects the Student pair 62 and 63"
                                : "fitted and preferred with 62";
  if (row.preferenceNumber != row.code)
    return "preference " + std::to_string(row.preferenceNumber) + " selects code " +
           std::to_string(row.code);
  return "";
}

}  // namespace

int DistributionsCommand(bool json, std::ostream& out) {
  bool first = true;
  if (json) out << "[";
  for (const DistributionRow& row : AllRows()) {
    if (row.kind == DistributionKind::NameOnly) continue;
    const std::string prefer = row.preferenceNumber ? std::to_string(row.preferenceNumber) : "-";
    const std::string note = NoteOf(row);
    if (json) {
      out << (first ? "" : ",\n ")
          << "{\"prefer\": " << (row.preferenceNumber ? JsonString(prefer) : "null")
          << ", \"code\": " << row.code << ", \"name\": " << JsonString(row.listName)
          << ", \"composite\": " << (row.IsComposite() ? "true" : "false")
          << ", \"note\": " << (note.empty() ? "null" : JsonString(note)) << "}";
    } else {
      out << PadRight(prefer, 4) << ' ' << PadRight(std::to_string(row.code), 4) << ' '
          << PadRight(row.IsComposite() ? "composite" : "single", 9) << ' ' << row.listName
          << (note.empty() ? "" : "  (" + note + ")") << '\n';
    }
    first = false;
  }
  if (json) out << "]\n";
  return 0;
}

}  // namespace quarlin
