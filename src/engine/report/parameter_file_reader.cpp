#include "engine/report/parameter_file_reader.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <type_traits>

#include "common/number_text.h"
#include "common/text_file.h"
#include "engine/catalogue/composite_members.h"
#include "engine/catalogue/parameter_slots.h"
#include "engine/model/shift_units.h"
#include "engine/report/parameter_file.h"
#include "engine/report/report_params.h"

namespace quarlin {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The first blank-delimited word of a line: a number ends at a blank, and
// whatever follows it on the line is not read.
std::string_view FirstWord(std::string_view line) {
  size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  size_t end = start;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return line.substr(start, end - start);
}

// from_chars takes no '+' and would take "inf" and "nan"; a number here
// starts with a digit or a point after its sign.
template <typename Number>
std::optional<Number> ParseWord(std::string_view word) {
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  const size_t first = !word.empty() && word.front() == '-' ? 1 : 0;
  if (first >= word.size() || !(IsDigit(word[first]) || word[first] == '.')) return std::nullopt;
  Number value{};
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  return value;
}

std::string UnreadableMessage(const std::string& name) {
  return "The parameter file \"" + name + "\" cannot be read";
}

// The shift tells a left shift apart: positive data keep C = 0.0001 and data
// moved up have a negative C; only a left shift leaves another positive one.
bool ShiftedLeft(double C) {
  return C > 0 && C != static_cast<double>(kPositiveShift);
}

std::optional<double> UpperMemberFAtBreakPoint(int code, const CompositeParams& composite) {
  const auto shape = CompositeShapeOf(code);
  if (!shape) return std::nullopt;
  const Predictor upper = MemberPredictor(*shape, composite, Member::Upper);
  return static_cast<double>(PredictorF(upper, composite.P));
}

class Reader {
 public:
  Reader(const std::vector<std::string>& lines, const std::string& name)
      : lines_(lines), name_(name) {}

  ParameterFileReading Read() {
    ParameterFileContents contents;
    if (!ReadCode(contents)) return Failed();
    const auto slots = ParameterSlotsOf(contents.code);
    if (slots.empty()) {
      return {std::nullopt, Message(Line(next_) + " holds code " + Int(contents.code) +
                                    ", which has no parameters")};
    }
    for (size_t i = 0; i < slots.size(); ++i) {
      const auto value = ReadReal();
      if (!value) return Failed();
      contents.values.push_back(*value);
    }
    const auto shift = ReadReal();
    if (!shift) return Failed();
    contents.shift = *shift;
    contents.shiftedLeft = ShiftedLeft(contents.shift);
    contents.params = ChosenSlots(contents);
    contents.breakPointF = UpperMemberFAtBreakPoint(contents.code, contents.params.composite);
    return {std::move(contents), {}};
  }

 private:
  // The values back in the slots, then out of the forms the report gave them.
  static FittedParams ChosenSlots(const ParameterFileContents& c) {
    FittedParams reported;
    const auto slots = ParameterSlotsOf(c.code);
    for (size_t i = 0; i < slots.size(); ++i) {
      if (!slots[i].set) continue;
      const bool dataUnits = slots[i].form == SlotForm::DataUnits;
      slots[i].set(reported, dataUnits ? c.values[i] - c.shift : c.values[i]);
    }
    return ChosenFromReported(c.code, reported, c.shift, c.shiftedLeft);
  }

  bool ReadCode(ParameterFileContents& contents) {
    const auto first = NextLine();
    if (!first) return false;
    const std::string_view head = first->substr(0, 5);
    contents.hasHeader = head == kParameterFileHeader.substr(0, 5);
    if (!contents.hasHeader) {
      const auto code = ParseWord<int>(Trim(head));
      if (!code) return Fail(Line(1) + " is neither the header nor a distribution code");
      contents.code = *code;
      return true;
    }
    const auto line = NextLine();
    if (!line) return false;
    const auto code = ParseWord<int>(FirstWord(*line));
    if (!code) return Fail(Line(next_) + " holds no distribution code");
    contents.code = *code;
    return true;
  }

  std::optional<double> ReadReal() {
    const auto line = NextLine();
    if (!line) return std::nullopt;
    const auto value = ParseWord<double>(FirstWord(*line));
    if (!value) Fail(Line(next_) + " holds no number");
    return value;
  }

  // The next line, or nothing (and the error) at the end of the file.
  std::optional<std::string_view> NextLine() {
    if (next_ >= lines_.size()) {
      error_ = Message(Line(next_ + 1) + " is missing");
      return std::nullopt;
    }
    return lines_[next_++];
  }

  bool Fail(const std::string& what) {
    error_ = Message(what);
    return false;
  }

  ParameterFileReading Failed() const { return {std::nullopt, error_}; }

  static std::string Line(size_t number) { return "line " + Int(static_cast<long long>(number)); }

  std::string Message(const std::string& what) const {
    return UnreadableMessage(name_) + ": " + what + ".";
  }

  const std::vector<std::string>& lines_;
  const std::string& name_;
  size_t next_ = 0;
  std::string error_;
};

}  // namespace

ParameterFileReading ParseParameterFile(const std::vector<std::string>& lines,
                                        const std::string& name) {
  return Reader(lines, name).Read();
}

ParameterFileReading ParseParameterFileText(const std::string& text, const std::string& name) {
  return ParseParameterFile(SplitLines(text), name);
}

ParameterFileReading ReadParameterFile(const std::filesystem::path& path) {
  const std::string name = path.string();
  const auto lines = ReadLines(path);
  if (!lines) return {std::nullopt, UnreadableMessage(name) + "."};
  return ParseParameterFile(*lines, name);
}

}  // namespace quarlin
