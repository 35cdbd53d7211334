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
  // The lines up to the column header, then the data lines until the first
  // that begins blank: the reading goes no further.
  std::vector<std::string> head;
  bool inData = false;
  bool dashLine = false;
  std::vector<long double> values;
  std::vector<int> serials;
  Status fault = Status::Ok();
  const Status read = ScanFileLines(file, [&](size_t number, const std::string& line) {
    if (!inData) {
      if (head.size() < 5) head.push_back(line);
      if (dashLine) inData = true;
      dashLine = number >= 10 && line.substr(0, 6) == " Seria";
      return true;
    }
    if (StartsBlank(line)) return false;
    std::istringstream row(line);
    std::string serialText, valueText;
    row >> serialText >> valueText;
    const auto serial = ParseInteger(serialText);
    const auto value = ParseReal(valueText);
    const int at = static_cast<int>(number);
    if (!serial || !value) {
      fault = Status::Error(ProgramErrorMessage(InvalidRealsDetail(state.FileName, at, line)));
      return false;
    }
    if (static_cast<int>(serials.size()) == kMaxData) {
      fault = Status::Error(TooManyValuesMessage(state.FileName, at));
      return false;
    }
    const double taken = static_cast<double>(*value);
    if (!(taken > kLowLimit)) return true;
    serials.push_back(*serial);
    values.push_back(taken == 0.0 ? 0.001L : static_cast<long double>(taken));
    return true;
  });
  if (!fault.ok()) return fault;
  if (!read.ok()) return read;

  engine.sample = RankAndShift(values, serials);
  engine.EngTitle1 = EngineTitle(head, 4);
  engine.EngTitle2 = EngineTitle(head, 5);
  engine.LowLimit = kLowLimit;
  state.NrOfData = engine.sample.N;
  const Sample unshifted = RankValues(values);
  state.SortedValues = unshifted.X;
  return Status::Ok();
}

}  // namespace quarlin
