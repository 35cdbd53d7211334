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

Status ReadInputFile(RunState& state) {
  std::vector<std::string> lines;
  if (Status read = ReadFileLines(state.FileName, lines); !read.ok()) return read;
  if (const size_t damaged = HeaderDamage(lines); damaged > 0)
    return Status::Error(DamagedHeaderMessage(state.FileName, static_cast<int>(damaged)));
  // Lines past the end read as empty, as the old text-file reading did.
  const auto line = [&](size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string();
  };
  const auto title = [&](size_t number) {
    const std::string text = line(number);
    return text.empty() ? text : text.substr(1);
  };
  RunState read = state;
  read.Title1 = title(4);
  read.Title2 = title(5);
  read.NrOfClasses = ClassesOf(line(8));
  read.CompositeAllowed = line(10).substr(0, 3) == " Co";
  const size_t firstData = IsBlankLine(line(10)) ? 14 : 15;
  read.Serial.clear();
  read.Values.clear();
  for (size_t number = firstData; number <= lines.size(); ++number) {
    const std::string& text = lines[number - 1];
    if (IsBlankLine(text)) continue;
    const auto tokens = Tokens(text);
    const auto serial = tokens.size() >= 2 ? ParseInteger(tokens[0]) : std::nullopt;
    const auto value = tokens.size() >= 2 ? ParseReal(tokens[1]) : std::nullopt;
    if (!serial || !value)
      return Status::Error(ProgramErrorMessage(InvalidRealsDetail(state.FileName)));
    read.Serial.push_back(*serial);
    read.Values.push_back(*value);
  }
  read.NrOfData = static_cast<int>(read.Values.size());
  read.Removed.assign(read.NrOfData, 0);
  state = std::move(read);
  return Status::Ok();
}

}  // namespace quarlin
