#include "data/input_file.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "common/number_text.h"
#include "common/text_file.h"
#include "data/file_reading.h"
#include "data/messages.h"
#include "data/number_reading.h"

namespace quarlin {
namespace {

constexpr const char* kClassesLabel = "Number of classes :";

bool IsBlankLine(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

std::vector<std::string> Tokens(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> tokens;
  for (std::string token; in >> token;) tokens.push_back(token);
  return tokens;
}

bool IsRemoved(const RunState& state, int i) {
  return i < static_cast<int>(state.Removed.size()) && state.Removed[i] != 0;
}

// The fixed texts of the header, by line number: the current layout, and
// the older one whose data start a line earlier, without the composite line.
struct HeaderLine {
  size_t number;
  const char* text;
};
constexpr HeaderLine kHeader[] = {{1, " Input data for Quarlin program"},
                                  {2, " Cumulative frequency analysis"},
                                  {11, ""},
                                  {12, " ------------------"},
                                  {13, " Serial    Variable"},
                                  {14, " ------------------"}};
constexpr HeaderLine kOlderHeader[] = {{1, " Input data for Quarlin program"},
                                       {2, " Cumulative frequency analysis"},
                                       {11, " ------------------"},
                                       {12, " Serial    Variable"},
                                       {13, " ------------------"}};

std::string WithoutTrailingBlanks(std::string line) {
  line.erase(line.find_last_not_of(" \t") + 1);
  return line;
}

// The first line of `header` that `lines` do not hold; 0 when all are there.
template <size_t N>
size_t DamagedLine(const std::vector<std::string>& lines, const HeaderLine (&header)[N]) {
  for (const auto& [number, text] : header)
    if (number > lines.size() ||
        WithoutTrailingBlanks(lines[number - 1]) != WithoutTrailingBlanks(text))
      return number;
  return 0;
}

int ClassesOf(const std::string& line) {
  const auto at = line.find(kClassesLabel);
  if (at == std::string::npos) return 5;
  const auto tokens = Tokens(line.substr(at + std::string(kClassesLabel).size()));
  if (tokens.empty()) return 5;
  return ParseInteger(tokens.front()).value_or(5);
}

}  // namespace

size_t HeaderDamage(const std::vector<std::string>& lines) {
  const bool older = lines.size() >= 10 && IsBlankLine(lines[9]);
  return older ? DamagedLine(lines, kOlderHeader) : DamagedLine(lines, kHeader);
}

std::string DataLine(int serial, long double value) {
  return Int(serial, 5) + " " + (std::fabs(value) >= 1.0L ? Fix(value, 10, 2) : Ext(value, 10));
}

std::string InputFileText(const RunState& state) {
  int kept = 0;
  for (int i = 0; i < state.NrOfData; ++i)
    if (!IsRemoved(state, i)) ++kept;
  TextBuilder text;
  text.Line(" Input data for Quarlin program").Line(" Cumulative frequency analysis").Line();
  text.Line(" " + state.Title1).Line(" " + state.Title2).Line();
  text.Line(" Filename: " + state.FileName);
  text.Line(" Number of data: " + Int(kept) + "  Number of classes :  " + Int(state.NrOfClasses));
  text.Line(" Threshold: not used");
  text.Line(state.OptionIndex == 0 ? " No Composite distributions allowed"
                                   : " Composite distributions are allowed");
  text.Line().Line(" ------------------").Line(" Serial    Variable").Line(" ------------------");
  int serial = 0;
  for (int i = 0; i < state.NrOfData; ++i)
    if (!IsRemoved(state, i)) text.Line(DataLine(++serial, state.Values[i]));
  return text.Text();
}

long double StoredValue(long double value) {
  return ParseReal(DataLine(1, value).substr(6)).value_or(value);
}

Status WriteInputFile(RunState& state) {
  return WriteInputFileTo(state, state.FileName);
}

Status WriteInputFileTo(RunState& state, const std::filesystem::path& path) {
  if (std::string reason; !WriteFileAtomically(path, InputFileText(state), &reason))
    return Status::Error(CouldNotOpenMessage(state.FileName, reason));
  DataArrayR values;
  for (int i = 0; i < state.NrOfData; ++i)
    if (!IsRemoved(state, i)) values.push_back(state.Values[i]);
  const int n = static_cast<int>(values.size());
  state.Values = std::move(values);
  state.Serial.resize(n);
  for (int i = 0; i < n; ++i) state.Serial[i] = i + 1;
  state.Removed.assign(n, 0);
  state.NrOfData = n;
  return Status::Ok();
}

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The input file as it is read line by line: the header lines are kept,
// the data lines are taken as they come, and the reading stops at the first
// line that cannot be taken.
class InputFileScan {
 public:
  explicit InputFileScan(const std::string& path) : path_(path) {}

  bool Line(size_t number, const std::string& text) {
    if (number <= kHeadLines) {
      head_.push_back(text);
      if (number < kHeadLines) return true;
      // The layout is known from line 10 on: the head's data lines first.
      for (size_t at = FirstData(); at <= kHeadLines; ++at)
        if (!Datum(at, head_[at - 1])) return false;
      return true;
    }
    return Datum(number, text);
  }

  // The lines of the file up to its first data lines.
  const std::vector<std::string>& Head() const { return head_; }
  // Data lines of a file too short to reach kHeadLines.
  void TakeShortFile() {
    if (head_.size() >= kHeadLines) return;
    for (size_t at = FirstData(); at <= head_.size(); ++at)
      if (!Datum(at, head_[at - 1])) return;
  }

  Status fault = Status::Ok();
  DataArrayI serials;
  DataArrayR values;

 private:
  // Past the first data line of either layout.
  static constexpr size_t kHeadLines = 15;

  size_t FirstData() const { return head_.size() >= 10 && IsBlankLine(head_[9]) ? 14 : 15; }

  bool Datum(size_t number, const std::string& text) {
    if (IsBlankLine(text)) return true;
    fault = Refusal(number, text);
    return fault.ok();
  }

  Status Refusal(size_t number, const std::string& text) {
    const int line = static_cast<int>(number);
    const auto tokens = Tokens(text);
    if (tokens.size() < 2) return Status::Error(InvalidRealsDetail(path_, line, Trimmed(text)));
    const auto serial = ParseInteger(tokens[0]);
    const auto value = ParseReal(tokens[1]);
    if (value ? IsBeyondADouble(*value) : HasRealShape(tokens[1]))
      return Status::Error(NotFiniteMessage(path_, line, tokens[1]));
    if (!serial || !value) return Status::Error(InvalidRealsDetail(path_, line, Trimmed(text)));
    if (static_cast<int>(values.size()) == kMaxData)
      return Status::Error(TooManyValuesMessage(path_, line));
    serials.push_back(*serial);
    values.push_back(*value);
    return Status::Ok();
  }

  std::string path_;
  std::vector<std::string> head_;
};

}  // namespace

Status ReadInputFile(RunState& state) {
  InputFileScan scan(state.FileName);
  const Status read = ScanFileLines(state.FileName, [&](size_t number, const std::string& text) {
    return scan.Line(number, text);
  });
  scan.TakeShortFile();
  const std::vector<std::string>& lines = scan.Head();
  // A header that is not whole comes first: its lines come first in the file.
  if (lines.size() >= 14 || read.ok())
    if (const size_t damaged = HeaderDamage(lines); damaged > 0)
      return Status::Error(DamagedHeaderMessage(state.FileName, static_cast<int>(damaged)));
  if (!scan.fault.ok()) return scan.fault;
  if (!read.ok()) return read;
  // Lines past the end read as empty, as the old text-file reading did.
  const auto line = [&](size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string();
  };
  const auto title = [&](size_t number) {
    const std::string text = line(number);
    return text.empty() ? text : text.substr(1);
  };
  RunState taken = state;
  taken.Title1 = title(4);
  taken.Title2 = title(5);
  taken.NrOfClasses = ClassesOf(line(8));
  taken.CompositeAllowed = line(10).substr(0, 3) == " Co";
  taken.Serial = std::move(scan.serials);
  taken.Values = std::move(scan.values);
  taken.NrOfData = static_cast<int>(taken.Values.size());
  taken.Removed.assign(taken.NrOfData, 0);
  state = std::move(taken);
  return Status::Ok();
}

}  // namespace quarlin
