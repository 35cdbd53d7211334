#include "data/open_output.h"

#include "common/text_file.h"
#include "data/messages.h"
#include "data/number_reading.h"
#include "engine/report/report_landmarks.h"

namespace quarlin {
namespace {

// The code of an *.aux: on the line after the " Para" header, or in the
// first five characters of an older file without header.
std::optional<int> AuxCodeOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return std::nullopt;
  const std::string head = lines[0].substr(0, 5);
  if (head == " Para") return lines.size() > 1 ? ParseInteger(lines[1]) : std::nullopt;
  return ParseInteger(head);
}

}  // namespace

std::optional<std::vector<std::string>> OpenOutput(RunState& state, Dialogs& dialogs,
                                                   OutputOrigin origin) {
  const std::string outPath = state.FileName;
  auto lines = ReadLines(outPath);
  if (!lines) {
    dialogs.Message(OutputNotOpenedMessage(outPath));
    return std::nullopt;
  }
  // Said at once, rather than by whichever graph first misses its table.
  if (origin == OutputOrigin::kOpened)
    if (const std::string what = DamageText(CheckReportLandmarks(*lines)); !what.empty())
      dialogs.Message(IncompleteReportMessage(outPath, what) + kIncompleteReportShown);
  const auto auxLines = ReadLines(ChangeExtension(outPath, ".aux"));
  const auto code = auxLines ? AuxCodeOf(*auxLines) : std::nullopt;
  state.AuxCode = code.value_or(0);
  if (!code) dialogs.Message(kNoAuxMessage);
  state.FileName = ChangeExtension(outPath, ".out").string();
  return lines;
}

}  // namespace quarlin
