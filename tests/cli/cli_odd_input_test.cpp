// Inputs that look like numbers only at first sight: each is read as the
// number it is, or refused with a message naming its line; none is taken
// silently as something else.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/cli_fixture.h"

namespace {

using namespace cli_test;

struct OddCase {
  std::string name;
  std::string csv;
  // Refused: the message. Read: empty, and the input file has `data`
  // values, the first of them on the line `first`.
  std::string message;
  int data = 0;
  std::string first;
};

OddCase Refused(std::string name, std::string csv, std::string message) {
  return {std::move(name), std::move(csv), std::move(message), 0, ""};
}
OddCase Read(std::string name, std::string csv, int data, std::string first) {
  return {std::move(name), std::move(csv), "", data, std::move(first)};
}

class CliOddInputTest : public CliTest, public testing::WithParamInterface<OddCase> {};

TEST_P(CliOddInputTest, IsReadAsMeantOrRefusedByLine) {
  WriteAll(work_ / "v.csv", GetParam().csv);
  const Outcome outcome = Run("run v.csv --quiet");
  if (!GetParam().message.empty()) {
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, GetParam().message + "\n");
    EXPECT_EQ(Names(), std::set<std::string>{"v.csv"});
    return;
  }
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  const std::string inp = ReadAll(work_ / "v.inp");
  EXPECT_NE(inp.find(" Number of data: " + std::to_string(GetParam().data) + " "),
            std::string::npos)
      << inp;
  EXPECT_NE(inp.find(" ------------------\r\n" + GetParam().first + "\r\n"), std::string::npos)
      << inp;
}

std::string Unclear(int line) {
  return "Line " + std::to_string(line) +
         " of the file \"v.csv\" holds a comma that may be a decimal comma or a thousands "
         "separator. Input is invalid.";
}
std::string MoreFields(int line) {
  return "Line " + std::to_string(line) +
         " of the file \"v.csv\" has more fields than its header names. Input is invalid.";
}
std::string NotFinite(int line, const std::string& text) {
  return "Line " + std::to_string(line) + " of the file \"v.csv\" holds \"" + text +
         "\", which is not a number within the range of a double. Input is invalid.";
}
std::string NotText(int line) {
  return "Line " + std::to_string(line) +
         " of the file \"v.csv\" holds NUL bytes or UTF-16 text; save it as plain text. Input "
         "is invalid.";
}

const std::string kSix = "12.5\n13.5\n14.5\n15.5\n16.5\n17.5\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliOddInputTest,
    testing::Values(
        Refused("DecimalCommasUnderAHeader", "value\n12,3\n15,1\n17,4\n11,0\n13,2\n16,8\n",
                Unclear(2)),
        Refused("ThousandsSeparatorWithoutHeader", "987.5\n1,234.5\n" + kSix, Unclear(2)),
        Refused("DecimalCommaPairWithoutHeader", "12,3\n15,1\n17,4\n11,0\n13,2\n16,8\n",
                Unclear(1)),
        Read("QuotedThousandsSeparator", "value\n\"1,234.5\"\n" + kSix, 7, "    1    1234.50"),
        Read("QuotedDecimalComma", "value,note\n\"12,3\",a\n" + kSix, 7, "    1      12.30"),
        Read("SemicolonsAndDecimalCommas",
             "value;note\n12,3;a\n15,1;b\n17,4;c\n11,0;d\n13,2;e\n"
             "16,8;f\n",
             6, "    1      12.30"),
        Read("TabsAndDecimalCommas", "value\tnote\n2,25\tx\n3,5\ty\n4\tz\n5,5\t\n6\t\n7\t\n", 6,
             "    1       2.25"),
        Refused("MoreFieldsThanTheHeader", "value\n12.5\n13.5\n14.5 2\n15.5\n16.5\n17.5\n",
                MoreFields(4)),
        Refused("MoreFieldsBySemicolon", "value\n12.5\n13.5;2\n14.5\n15.5\n16.5\n17.5\n",
                MoreFields(3)),
        Read("ByteOrderMarkWithoutHeader", "\xEF\xBB\xBF" + kSix, 6, "    1      12.50"),
        Read("ByteOrderMarkBeforeHeader", "\xEF\xBB\xBFvalue\n" + kSix, 6, "    1      12.50"),
        Refused("LinesWithOnlyAComma", "1\n2\n3\n4\n5\n,\n,\n", " The minimum number of data is 6"),
        Read("CarriageReturnsOnly", "value\r12.5\r13.5\r14.5\r15.5\r16.5\r17.5\r18.5\r", 7,
             "    1      12.50"),
        Refused("NotANumber", "value\n1\n2\nnan\n4\n5\n6\n", NotFinite(4, "nan")),
        Refused("Infinity", "1\n2\n3\n4\n-inf\n5\n6\n", NotFinite(5, "-inf")),
        Refused("BeyondTheRangeOfADouble", "1\n2\n3\n1e999\n5\n6\n", NotFinite(4, "1e999")),
        Refused("NulByte", std::string("1\n2\n3\0\n4\n5\n6\n7\n", 15), NotText(3)),
        Refused("Utf16",
                std::string("\xFF\xFE"
                            "1\0\n\0"
                            "2\0\n\0",
                            10) +
                    kSix,
                NotText(1)),
        Read("LongLine", std::string(60000, ' ') + "11.5\n" + kSix, 7, "    1      11.50"),
        Refused("LineLongerThanAnyValue", kSix + std::string(1000000, ' ') + "11.5\n" + kSix,
                "Line 7 of the file \"v.csv\" is longer than 65536 characters, which no value "
                "or title needs. Input is invalid."),
        Refused("WordInTheColumn", "value\n1\n2\nabc\n4\n5\n6\n",
                "Line 4 of the file \"v.csv\" holds \"abc\" where a value should be, which is "
                "not a number. Input is invalid."),
        Refused("BeyondALongDouble", "1\n2\n3\n1e5000\n5\n6\n", NotFinite(4, "1e5000")),
        Refused("SumOfSquaresBeyondADouble", "1e200\n2e200\n3e200\n4e200\n5e200\n6e200\n",
                "The data are too large: their sum of squares exceeds the range of a double. "
                "Input is invalid."),
        Read("JustAboveTheLowLimit", "-999999.99\n1\n2\n3\n4\n5\n6\n7\n8\n9\n", 10,
             "    1 -999999.99"),
        Read("NegativeKeepsTwoDecimals", "-123.45\n" + kSix, 7, "    1    -123.45"),
        Refused("AtTheLowLimit", "-1000000\n1\n2\n3\n4\n5\n6\n7\n8\n9\n",
                "There are input data of -1000000 or less. Input is invalid.")),
    [](const auto& info) { return info.param.name; });

// Values so small that the report prints every one of them as 0.0000 (and
// the sums of the fits would underflow): refused before any file is made,
// with the report's reason and what to do instead.
TEST_F(CliTest, ValuesTheReportCannotTellApartAreRefused) {
  std::string csv;
  for (int i = 1; i <= 12; ++i) csv += std::to_string(i) + "e-320\n";
  WriteAll(work_ / "v.csv", csv);
  const Outcome outcome = Run("run v.csv --quiet");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "The values lie too close together for the report to tell them apart: it prints X "
            "with 4 decimals, and the largest and the smallest value are less than 0.001 apart. "
            "Multiply the values by a power of ten or use other units. Input is invalid.\n");
  EXPECT_EQ(Names(), std::set<std::string>{"v.csv"});
}

// The input file keeps two decimals: 1.001 ... 1.060 become seven values.
// The run goes on, and the user is told, even in a quiet run.
TEST_F(CliTest, ReductionThatMergesValuesIsWarnedEvenWhenQuiet) {
  std::string csv;
  for (int i = 1; i <= 60; ++i)
    csv += "1.0" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\n";
  WriteAll(work_ / "v.csv", csv);
  const Outcome outcome = Run("run v.csv --quiet");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_TRUE(outcome.out.empty());
  EXPECT_EQ(outcome.err,
            "Warning: the input file keeps two decimals from 1 upwards and two significant "
            "digits below 1, and that changes these data: 60 different values become 7. The "
            "calculation uses the values as the input file keeps them; multiply the values by a "
            "power of ten or use other units to keep them as they are.\n");
  EXPECT_NE(ReadAll(work_ / "v.inp").find("   60       1.06\r\n"), std::string::npos);
}

// A header line of an input file that was deleted or changed: refused with
// the line, instead of taking a header line for data or data for a header.
struct HeaderCase {
  std::string name;
  int removed;                   // the line left out, 0 for none
  int line;                      // the line the message names
  std::string replacement = "";  // replaces line `line` when `removed` is 0
};

class CliDamagedHeaderTest : public CliTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(CliDamagedHeaderTest, IsRefusedNamingTheLine) {
  std::vector<std::string> lines = {" Input data for Quarlin program",
                                    " Cumulative frequency analysis",
                                    "",
                                    " t1",
                                    " t2",
                                    "",
                                    " Filename: d.inp",
                                    " Number of data: 7  Number of classes :  5",
                                    " Threshold: not used",
                                    " No Composite distributions allowed",
                                    "",
                                    " ------------------",
                                    " Serial    Variable",
                                    " ------------------"};
  for (int i = 1; i <= 7; ++i)
    lines.push_back("    " + std::to_string(i) + "      1" + std::to_string(i) + ".50");
  if (GetParam().removed > 0)
    lines.erase(lines.begin() + GetParam().removed - 1);
  else
    lines[GetParam().line - 1] = GetParam().replacement;
  WriteAll(work_ / "d.inp", Crlf(lines));
  const std::string before = ReadAll(work_ / "d.inp");
  const Outcome outcome = Run("run d.inp");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "The header of the inputfile \"d.inp\" is damaged at line " +
                             std::to_string(GetParam().line) + ". Input is invalid.\n");
  EXPECT_EQ(ReadAll(work_ / "d.inp"), before);
}

INSTANTIATE_TEST_SUITE_P(Lines, CliDamagedHeaderTest,
                         testing::Values(HeaderCase{"EmptyLineRemoved", 11, 11},
                                         HeaderCase{"FirstDashesRemoved", 12, 12},
                                         HeaderCase{"ColumnNamesRemoved", 13, 13},
                                         HeaderCase{"LastDashesRemoved", 14, 14},
                                         HeaderCase{"FirstLineChanged", 0, 1, " Input data"},
                                         HeaderCase{"SecondLineChanged", 0, 2, "x"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(CliTest, InputFileWithoutHeaderIsRefusedAtItsFirstLine) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 20; ++i) lines.push_back("    " + std::to_string(i) + "      1.50");
  WriteAll(work_ / "d.inp", Crlf(lines));
  const Outcome outcome = Run("run d.inp");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "The header of the inputfile \"d.inp\" is damaged at line 1. Input is invalid.\n");
}

}  // namespace
