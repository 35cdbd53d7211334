#include "data/engine_reader.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "common/text_file.h"
#include "data/file_reading.h"
#include "data/messages.h"
#include "data/number_reading.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

constexpr size_t kTitleLength = 72;

bool StartsBlank(const std::string& line) {
  return line.substr(0, 6).find_first_not_of(" \t") == std::string::npos;
}

std::string EngineTitle(const std::vector<std::string>& lines, size_t number) {
  if (number > lines.size() || lines[number - 1].empty()) return {};
  return lines[number - 1].substr(1, kTitleLength);
}

// Index of the first data line after the " Seria" header and its dash line.
size_t FirstDataIndex(const std::vector<std::string>& lines) {
  for (size_t i = 9; i < lines.size(); ++i)
    if (lines[i].substr(0, 6) == " Seria") return i + 2;
  return lines.size();
}

}  // namespace

Sample RankAndShift(const std::vector<long double>& values, const std::vector<int>& serials) {
  Sample s = RankValues(values);
  for (int i = 1; i <= s.N; ++i) s.SerialOf[i] = serials[s.SerialOf[i] - 1];
  long double low = 1000000.0L;
  for (int i = 1; i <= s.N; ++i) low = std::min(low, s.X[i]);
  s.C = static_cast<double>(low);
  if (s.C > 0) {
    s.C = static_cast<double>(kPositiveShift);
  } else if (s.C < 0) {
    for (int i = 1; i <= s.N; ++i) s.X[i] = s.X[i] - s.C + kPositiveShift;
  }
  // Data whose largest value is below four times the shift are moved down
  // by three quarters of their smallest.
  if (s.N > 0 && 0.25L * s.X[s.N] < s.C) {
    s.HighShift = true;
    s.C = static_cast<double>(0.75L * s.X[1]);
    for (int i = 1; i <= s.N; ++i) s.X[i] = s.X[i] - s.C;
  }
  return s;
}

Status ReadEngineData(RunState& state, EngineData& engine) {
  return ReadEngineData(state, engine, state.FileName);
}

Status ReadEngineData(RunState& state, EngineData& engine, const std::filesystem::path& file) {
  std::vector<std::string> lines;
  if (Status status = ReadFileLines(file, lines); !status.ok()) return status;
  const size_t first = FirstDataIndex(lines);
  size_t end = first;
  while (end < lines.size() && !StartsBlank(lines[end])) ++end;

  std::vector<long double> values;
  std::vector<int> serials;
  for (size_t i = first; i < end; ++i) {
    std::istringstream row(lines[i]);
    std::string serialText, valueText;
    row >> serialText >> valueText;
    const auto serial = ParseInteger(serialText);
    const auto value = ParseReal(valueText);
    if (!serial || !value)
      return Status::Error(ProgramErrorMessage(InvalidRealsDetail(state.FileName)));
    const double read = static_cast<double>(*value);
    if (!(read > kLowLimit)) continue;
    serials.push_back(*serial);
    values.push_back(read == 0.0 ? 0.001L : static_cast<long double>(read));
  }

  engine.sample = RankAndShift(values, serials);
  engine.EngTitle1 = EngineTitle(lines, 4);
  engine.EngTitle2 = EngineTitle(lines, 5);
  engine.LowLimit = kLowLimit;
  state.NrOfData = engine.sample.N;
  const Sample unshifted = RankValues(values);
  state.SortedValues = unshifted.X;
  return Status::Ok();
}

}  // namespace quarlin
