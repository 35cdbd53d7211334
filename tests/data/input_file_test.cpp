#include "data/input_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/text_file.h"
#include "data/messages.h"
#include "temp_dir.h"

namespace quarlin {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

const std::string kFixtures = QUARLIN_FIXTURES_DIR;

// Six data after dropping the empty second row, in every field form.
RunState RainState() {
  RunState state;
  state.FileName = "/data/rain.inp";
  state.Title1 = "Yearly rainfall at station 7";
  state.Title2 = "mm per year";
  state.NrOfClasses = 7;
  state.OptionIndex = 1;
  state.Values = {123.456L, 99.0L, 0.5L, -3.456L, 1234.5678L, 0.0L, 0.123L};
  state.Removed = {0, 1, 0, 0, 0, 0, 0};
  state.NrOfData = 7;
  return state;
}

TEST(InputFileText, MatchesTheFixtureCharacterForCharacter) {
  EXPECT_EQ(InputFileText(RainState()), ReadAll(kFixtures + "/rain.inp"));
}

TEST(InputFileText, CompositeLineFollowsTheOption) {
  RunState state = RainState();
  state.OptionIndex = 0;
  const auto lines = SplitLines(InputFileText(state));
  EXPECT_EQ(lines[9], " No Composite distributions allowed");
}

struct DataLineCase {
  long double value;
  std::string line;
};

class DataLineTest : public testing::TestWithParam<DataLineCase> {};

TEST_P(DataLineTest, ReducesTheValue) {
  EXPECT_EQ(DataLine(12, GetParam().value), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Forms, DataLineTest,
                         testing::Values(DataLineCase{123.456L, "   12     123.46"},
                                         DataLineCase{1.0L, "   12       1.00"},
                                         DataLineCase{0.99999L, "   12  1.0E+0000"},
                                         DataLineCase{0.5L, "   12  5.0E-0001"},
                                         DataLineCase{0.0L, "   12  0.0E+0000"},
                                         DataLineCase{-3.456L, "   12      -3.46"},
                                         DataLineCase{-1.0L, "   12      -1.00"},
                                         DataLineCase{-999999.99L, "   12 -999999.99"},
                                         DataLineCase{-0.99L, "   12 -9.9E-0001"},
                                         DataLineCase{9.995L, "   12      10.00"},
                                         DataLineCase{123456789.125L, "   12 123456789.13"}));

class InputFileTest : public testing::Test {
 protected:
  // `lines` with line `number` (from 1) replaced by `text`, written as
  // bad.inp; its path.
  std::string WithLine(std::vector<std::string> lines, size_t number, const std::string& text) {
    lines[number - 1] = text;
    TextBuilder builder;
    for (const auto& line : lines) builder.Line(line);
    const std::string path = (dir_ / "bad.inp").string();
    WriteAll(path, builder.Text());
    return path;
  }

  TempDir dir_;
};

TEST_F(InputFileTest, WriteDropsEmptyCellsAndRenumbers) {
  RunState state = RainState();
  state.FileName = (dir_ / "rain.inp").string();
  ASSERT_TRUE(WriteInputFile(state).ok());
  EXPECT_EQ(state.NrOfData, 6);
  EXPECT_EQ(state.Values, (DataArrayR{123.456L, 0.5L, -3.456L, 1234.5678L, 0.0L, 0.123L}));
  EXPECT_EQ(state.Serial, (DataArrayI{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(state.Removed, RemoveSet(6, 0));
  const auto lines = ReadLines(state.FileName);
  ASSERT_TRUE(lines);
  EXPECT_EQ((*lines)[7], " Number of data: 6  Number of classes :  7");
  EXPECT_EQ((*lines)[6], " Filename: " + state.FileName);
  EXPECT_EQ(lines->back(), "    6  1.2E-0001");
}

TEST_F(InputFileTest, UnwritableFileKeepsStateAndNamesTheFile) {
  RunState state = RainState();
  state.FileName = (dir_ / "missing" / "rain.inp").string();
  const RunState before = state;
  const Status status = WriteInputFile(state);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), "The file \"" + state.FileName +
                                  "\"could not be opened. It may be in use by another program "
                                  "(No such file or directory)");
  EXPECT_EQ(state.NrOfData, before.NrOfData);
  EXPECT_EQ(state.Values, before.Values);
}

struct RoundTripCase {
  int n;
  int classes;
  int option;
};

class RoundTripTest : public InputFileTest, public testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTripTest, ReadsBackWhatWasWritten) {
  RunState written;
  written.FileName = (dir_ / "series.inp").string();
  written.Title1 = "Title with  double blanks ";
  written.Title2 = "units";
  written.NrOfClasses = GetParam().classes;
  written.OptionIndex = GetParam().option;
  for (int i = 0; i < GetParam().n; ++i) {
    // Values on both sides of 1.0, negative ones and repeats.
    written.Values.push_back(std::pow(-1.0L, i) * (i % 17) * 0.3579L + (i % 5) * 123.4567L);
    written.Removed.push_back(0);
  }
  written.NrOfData = GetParam().n;
  ASSERT_TRUE(WriteInputFile(written).ok());

  RunState read;
  read.FileName = written.FileName;
  ASSERT_TRUE(ReadInputFile(read).ok());
  EXPECT_EQ(read.Title1, written.Title1);
  EXPECT_EQ(read.Title2, written.Title2);
  EXPECT_EQ(read.NrOfClasses, GetParam().classes);
  EXPECT_EQ(read.CompositeAllowed, GetParam().option == 1);
  ASSERT_EQ(read.NrOfData, GetParam().n);
  EXPECT_EQ(read.Removed, RemoveSet(GetParam().n, 0));
  for (int i = 0; i < GetParam().n; ++i) {
    const long double v = written.Values[i];
    // The file keeps two decimals from 1.0 upwards, two significant digits below.
    const long double tolerance =
        v >= 1.0L ? 0.005L
                  : (v == 0 ? 0.0L : 0.05L * std::pow(10.0L, std::floor(std::log10(std::fabs(v)))));
    EXPECT_NEAR(static_cast<double>(read.Values[i]), static_cast<double>(v),
                static_cast<double>(tolerance) * 1.0000001)
        << "datum " << i + 1;
    EXPECT_EQ(read.Serial[i], i + 1);
    EXPECT_EQ(DataLine(i + 1, read.Values[i]), DataLine(i + 1, v))
        << "a second save changes nothing";
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTripTest,
                         testing::Values(RoundTripCase{6, 5, 0}, RoundTripCase{6, 2, 1},
                                         RoundTripCase{2500, 7, 0}, RoundTripCase{2500, 50, 1}));

TEST_F(InputFileTest, ReducedValuesReadBackAsTheFileShowsThem) {
  RunState state;
  state.FileName = (dir_ / "r.inp").string();
  state.Values = {1234.5678L, 0.123L, 0.5L};
  state.Removed = {0, 0, 0};
  state.NrOfData = 3;
  ASSERT_TRUE(WriteInputFile(state).ok());
  ASSERT_TRUE(ReadInputFile(state).ok());
  EXPECT_EQ(state.Values, (DataArrayR{1234.57L, 0.12L, 0.5L}));
}

TEST(ReadInputFile, OlderVariantWithoutCompositeLine) {
  RunState state;
  state.FileName = kFixtures + "/flow_old.inp";
  ASSERT_TRUE(ReadInputFile(state).ok());
  EXPECT_EQ(state.Title1, "Old river flows");
  EXPECT_EQ(state.Title2, "m3/s");
  EXPECT_EQ(state.NrOfClasses, 5) << "an unreadable class count falls back to 5";
  EXPECT_FALSE(state.CompositeAllowed);
  // The serials stand as the file has them; the trailing empty line is no datum.
  EXPECT_EQ(state.Serial, (DataArrayI{3, 1, 2, 10, 5, 6, 7}));
  EXPECT_EQ(state.Values, (DataArrayR{12.5L, 7.25L, 0.5L, 100.0L, 7.25L, 3.0L, 44.0L}));
  EXPECT_EQ(state.NrOfData, 7);
}

struct LineTenCase {
  std::string line10;
  bool allowed;
};

class LineTenTest : public InputFileTest, public testing::WithParamInterface<LineTenCase> {};

TEST_P(LineTenTest, OnlyCoMeansAllowed) {
  std::string text = InputFileText(RainState());
  auto lines = SplitLines(text);
  lines[9] = GetParam().line10;
  TextBuilder builder;
  for (const auto& line : lines) builder.Line(line);
  WriteAll(dir_ / "x.inp", builder.Text());
  RunState state;
  state.FileName = (dir_ / "x.inp").string();
  ASSERT_TRUE(ReadInputFile(state).ok());
  EXPECT_EQ(state.CompositeAllowed, GetParam().allowed);
  EXPECT_EQ(state.NrOfData, 6);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineTenTest,
                         testing::Values(LineTenCase{" Composite distributions are allowed", true},
                                         LineTenCase{" Co", true},
                                         LineTenCase{" No Composite distributions allowed", false},
                                         LineTenCase{"Composite distributions are allowed", false},
                                         LineTenCase{" co", false}));

struct BadNumberCase {
  std::string line;
  std::string message;  // "@" stands for the path
};

// The fault is the file's, not the program's: no "A program error occurred."
std::string InvalidOnLine17(const std::string& text) {
  return "Real numbers in the inputfile \"@\" are invalid (line 17 holds \"" + text + "\")";
}

std::string BeyondOnLine17(const std::string& text) {
  return "Line 17 of the file \"@\" holds \"" + text +
         "\", which is not a number within the range of a double. Input is invalid.";
}

class BadNumberTest : public InputFileTest, public testing::WithParamInterface<BadNumberCase> {};

TEST_P(BadNumberTest, IsRefusedNamingItsLineAndKeepsTheState) {
  const std::string path = WithLine(SplitLines(InputFileText(RainState())), 17, GetParam().line);

  RunState state = RainState();
  state.FileName = path;
  const Status status = ReadInputFile(state);
  ASSERT_FALSE(status.ok());
  std::string expected = GetParam().message;
  expected.replace(expected.find('@'), 1, path);
  EXPECT_EQ(status.message(), expected);
  EXPECT_EQ(state.Title1, "Yearly rainfall at station 7");
  EXPECT_EQ(state.NrOfData, 7);
  EXPECT_EQ(state.Values.size(), 7u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadNumberTest,
    testing::Values(BadNumberCase{"    3  1,5", InvalidOnLine17("3  1,5")},
                    BadNumberCase{"    3", InvalidOnLine17("3")},
                    BadNumberCase{"  x   12.00", InvalidOnLine17("x   12.00")},
                    BadNumberCase{"    3 12.0E", InvalidOnLine17("3 12.0E")},
                    BadNumberCase{"  1.5   12.00", InvalidOnLine17("1.5   12.00")},
                    BadNumberCase{"    3 inf", InvalidOnLine17("3 inf")},
                    BadNumberCase{"    3 1e400", BeyondOnLine17("1e400")},
                    BadNumberCase{"    3 1e5000", BeyondOnLine17("1e5000")},
                    BadNumberCase{"    3 1e-400", BeyondOnLine17("1e-400")},
                    BadNumberCase{"    3 " + std::string(400, '9'),
                                  BeyondOnLine17(std::string(40, '9') + "...")}));

// A bad number on any data line of either layout is refused with the
// Part's words and the line it is on.
struct BadLineCase {
  const char* name;
  const char* fixture;
  size_t line;  // from 1
};

class BadNumberLineTest : public InputFileTest, public testing::WithParamInterface<BadLineCase> {};

TEST_P(BadNumberLineTest, NamesTheLine) {
  const auto lines = SplitLines(ReadAll(kFixtures + "/" + GetParam().fixture));
  ASSERT_LE(GetParam().line, lines.size());
  const std::string path = WithLine(lines, GetParam().line, "    4      12,5");
  RunState state = RainState();
  state.FileName = path;
  const Status status = ReadInputFile(state);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), "Real numbers in the inputfile \"" + path + "\" are invalid (line " +
                                  std::to_string(GetParam().line) + " holds \"4      12,5\")");
  EXPECT_EQ(state.NrOfData, 7);
}

INSTANTIATE_TEST_SUITE_P(Layouts, BadNumberLineTest,
                         testing::Values(BadLineCase{"FirstDatum", "rain.inp", 15},
                                         BadLineCase{"SecondDatum", "rain.inp", 16},
                                         BadLineCase{"LastDatum", "rain.inp", 20},
                                         BadLineCase{"OlderLayoutFirstDatum", "flow_old.inp", 14},
                                         BadLineCase{"OlderLayoutFifteenth", "flow_old.inp", 15},
                                         BadLineCase{"OlderLayoutLastDatum", "flow_old.inp", 20}),
                         [](const auto& info) { return info.param.name; });

// A file past the most a run takes is refused at the datum past it; the
// reading goes no further (the line of 1 MB behind it is never reached).
TEST_F(InputFileTest, DatumPastTheMostIsRefusedAtItsLine) {
  RunState many;
  many.FileName = (dir_ / "many.inp").string();
  for (int i = 0; i < 2501; ++i) many.Values.push_back(10 + i);
  many.Removed.assign(2501, 0);
  many.NrOfData = 2501;
  std::string text = InputFileText(many) + std::string(1 << 20, '1');
  WriteAll(many.FileName, text);
  RunState state = RainState();
  state.FileName = many.FileName;
  const Status status = ReadInputFile(state);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), "Line 2515 of the file \"" + many.FileName +
                                  "\" holds value 2501: there are more than 2500 input data. "
                                  "Input is invalid.");
  EXPECT_EQ(state.NrOfData, 7);
}

TEST_F(InputFileTest, LongTitleLineIsRefusedAtItsLine) {
  auto lines = SplitLines(InputFileText(RainState()));
  lines[3] = " " + std::string(70000, 't');
  TextBuilder builder;
  for (const auto& line : lines) builder.Line(line);
  const std::string path = (dir_ / "long.inp").string();
  WriteAll(path, builder.Text());
  RunState state = RainState();
  state.FileName = path;
  const Status status = ReadInputFile(state);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), "Line 4 of the file \"" + path +
                                  "\" is longer than 65536 characters, which no value or title "
                                  "needs. Input is invalid.");
}

TEST_F(InputFileTest, MissingFileKeepsTheState) {
  RunState state = RainState();
  state.FileName = (dir_ / "none.inp").string();
  const Status status = ReadInputFile(state);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), CouldNotOpenMessage(state.FileName, "No such file or directory"));
  EXPECT_EQ(state.NrOfData, 7);
}

}  // namespace
}  // namespace quarlin
