#include "engine/report/parameter_file_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/parameter_slots.h"
#include "engine/report/parameter_file.h"
#include "engine/report/report_params.h"
#include "fixtures/distinct_params.h"

namespace quarlin {
namespace {

using testing::DistinctParams;

std::vector<int> AssignedCodes() {
  std::vector<int> codes;
  for (int code = 1; code <= 85; ++code)
    if (code <= 18 || (code >= 20 && code <= 26) || (code >= 31 && code <= 36) ||
        (code >= 51 && code <= 74) || code >= 80)
      codes.push_back(code);
  return codes;
}

// A shift constant and whether it stands for a left shift: positive data,
// a left shift, data moved up.
struct ShiftCase {
  double C;
  bool HighShift;
};

void PrintTo(const ShiftCase& s, std::ostream* os) {
  *os << "C=" << s.C << (s.HighShift ? " shifted left" : "");
}

class ParameterFileRoundTrip : public ::testing::TestWithParam<std::tuple<int, ShiftCase>> {};

TEST_P(ParameterFileRoundTrip, GivesBackTheChosenSlotsAndTheSameText) {
  const auto [code, shift] = GetParam();
  FittedParams chosen = DistinctParams();
  ApplyStoredGuards(code, chosen);
  const std::string text =
      ParameterFileText(code, ReportedParams(code, chosen, shift.C, shift.HighShift), shift.C);
  const ParameterFileReading read = ParseParameterFileText(text, "rain.aux");
  ASSERT_TRUE(read.contents) << read.error;
  const ParameterFileContents& got = *read.contents;
  EXPECT_EQ(got.code, code);
  EXPECT_TRUE(got.hasHeader);
  EXPECT_EQ(got.shift, shift.C);
  EXPECT_EQ(got.shiftedLeft, shift.HighShift);
  for (const ParameterSlot& slot : ParameterSlotsOf(code)) {
    const double expected = slot.get(chosen);
    EXPECT_NEAR(slot.get(got.params), expected, 1e-13 * std::max(1.0, std::abs(expected)))
        << slot.letter;
  }
  const FittedParams again = ReportedParams(code, got.params, got.shift, got.shiftedLeft);
  EXPECT_EQ(ParameterFileText(code, again, got.shift), text);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ParameterFileRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(AssignedCodes()),
                                            ::testing::Values(ShiftCase{0.0001, false},
                                                              ShiftCase{30.0, true},
                                                              ShiftCase{-1.6, false})));

ParameterFileContents ReadText(const std::string& text) {
  const ParameterFileReading read = ParseParameterFileText(text, "rain.aux");
  EXPECT_TRUE(read.contents) << read.error;
  return read.contents.value_or(ParameterFileContents{});
}

TEST(ParameterFileReader, ReadsTheFileWithoutItsHeaderAlike) {
  for (const int code : {4, 53, 85}) {
    const std::string text = ParameterFileText(code, DistinctParams(), 30.0);
    const ParameterFileContents with = ReadText(text);
    const ParameterFileContents without = ReadText(text.substr(text.find('\n') + 1));
    EXPECT_FALSE(without.hasHeader);
    EXPECT_EQ(without.code, code);
    EXPECT_EQ(without.values, with.values);
    EXPECT_EQ(without.shift, with.shift);
  }
}

TEST(ParameterFileReader, TakesLineFeedsAndIgnoresWhatFollowsANumber) {
  const ParameterFileContents got = ReadText("53\n 1.5E+0000 slope\n-2\n 30 shift\n");
  EXPECT_EQ(got.values, (std::vector<double>{1.5, -2.0}));
  EXPECT_EQ(got.shift, 30.0);
  EXPECT_EQ(ReadText("53\r\n1.5\r\n-2\r\n30\r\n").values, got.values);
}

TEST(ParameterFileReader, SetsTheGompertzFlagOnlyForOne) {
  const std::pair<const char*, bool> cases[] = {
      {"0", false}, {"1", true}, {" 1.00000000000000E+0000", true}, {"2", false}};
  for (const auto& [flag, set] : cases)
    EXPECT_EQ(
        ReadText(std::string("34\n") + flag + "\n0.5\n1.5\n-0.5\n0.0001\n").params.gompertz.flag,
        set)
        << flag;
}

TEST(ParameterFileReader, GivesTheUpperMembersFrequencyAtTheBreakPoint) {
  FittedParams p;
  p.composite = {0.9, -1.2, 1.5, 0.4, 0.3, 0.6, 12.5, 5};
  const double C = -1.6;
  const long double lin = 0.4L * 12.5L + 0.3L;
  const std::pair<int, long double> cases[] = {
      {7, 1 - std::exp(-std::exp(-lin))},
      {16, 1 - std::exp(-lin)},
      {70, 1 / (1 + std::exp(0.4L * std::pow(12.5L, 0.6L) + 0.3L))}};
  for (const auto& [code, F] : cases) {
    const auto breakF = ReadText(ParameterFileText(code, p, C)).breakPointF;
    ASSERT_TRUE(breakF) << code;
    EXPECT_NEAR(*breakF, static_cast<double>(F), 1e-15) << code;
  }
  EXPECT_FALSE(ReadText(ParameterFileText(73, p, C)).breakPointF);
}

struct BadFile {
  std::string text;
  std::string says;
};

class ParameterFileFailure : public ::testing::TestWithParam<BadFile> {};

TEST_P(ParameterFileFailure, NamesTheFileAndTheLine) {
  const ParameterFileReading read = ParseParameterFileText(GetParam().text, "rain.aux");
  EXPECT_FALSE(read.contents);
  EXPECT_NE(read.error.find("\"rain.aux\""), std::string::npos) << read.error;
  EXPECT_NE(read.error.find(GetParam().says), std::string::npos) << read.error;
}

const std::string kHeader = " Parameters for internal use, do not remove.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterFileFailure,
    ::testing::Values(BadFile{"", "line 1 is missing"},
                      BadFile{"Hello\r\n1\r\n", "line 1 is neither the header nor a"},
                      BadFile{"4.5\r\n1\r\n2\r\n3\r\n", "line 1 is neither"},
                      BadFile{kHeader, "line 2 is missing"},
                      BadFile{kHeader + "four\r\n", "line 2 holds no distribution code"},
                      BadFile{kHeader + "19\r\n1\r\n", "line 2 holds code 19,"},
                      BadFile{"0\r\n0.0001\r\n", "line 1 holds code 0,"},
                      BadFile{kHeader + "4\r\n1.5\r\nx\r\n0.1\r\n", "line 4 holds no number"},
                      BadFile{kHeader + "4\r\n1.5\r\n\r\n0.1\r\n", "line 4 holds no number"},
                      BadFile{kHeader + "4\r\n1.5E+0000x\r\n", "line 3 holds no number"},
                      BadFile{kHeader + "4\r\n1.5\r\n-2\r\n", "line 5 is missing"}));

TEST(ParameterFileReader, NamesAFileThatCannotBeRead) {
  const auto path = std::filesystem::temp_directory_path() / "quarlin-no-such-folder" / "x.aux";
  const ParameterFileReading read = ReadParameterFile(path);
  EXPECT_FALSE(read.contents);
  EXPECT_NE(read.error.find(path.string()), std::string::npos) << read.error;
}

// The bundled reports' files, read from disk and written again from what was
// read, come out byte for byte.
TEST(ParameterFileReader, RewritesTheBundledFilesUnchanged) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QUARLIN_SOURCE_DIR "/Data")) {
    if (entry.path().extension() != ".aux") continue;
    ++files;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const ParameterFileReading read = ReadParameterFile(entry.path());
    ASSERT_TRUE(read.contents) << read.error;
    const ParameterFileContents& got = *read.contents;
    const FittedParams again = ReportedParams(got.code, got.params, got.shift, got.shiftedLeft);
    EXPECT_EQ(ParameterFileText(got.code, again, got.shift), text.str()) << entry.path();
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace quarlin
