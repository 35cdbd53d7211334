// Runs the built quarlin-cli on temporary files and compares exact output.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/cli_fixture.h"

namespace {

using namespace cli_test;

constexpr const char* kProgress = " Saving data .....\n Calculating .....\n";

TEST_F(CliTest, CsvBecomesAnInputFileInTheExactLayout) {
  WriteAll(work_ / "values.csv", "\"value\"\n12.5\n0.25\n-3.456\n1234.5678\n0\n7\n0.123\n");
  const Outcome outcome = Run("run values.csv");
  EXPECT_EQ(outcome.status, 0);
  ExpectFitProgress(outcome.err, kProgress,
                    " Progress 75% ....\n Filing results ..\n" + Finished("values"));
  EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n') + 1),
            "Report: " + (work_ / "values.out").string() + "\n");
  EXPECT_NE(outcome.out.find("\nChosen distribution: "), std::string::npos) << outcome.out;
  EXPECT_EQ(ReadAll(work_ / "values.inp"), Crlf({" Input data for Quarlin program",
                                                 " Cumulative frequency analysis",
                                                 "",
                                                 " ",
                                                 " ",
                                                 "",
                                                 " Filename: " + (work_ / "values.inp").string(),
                                                 " Number of data: 7  Number of classes :  5",
                                                 " Threshold: not used",
                                                 " No Composite distributions allowed",
                                                 "",
                                                 " ------------------",
                                                 " Serial    Variable",
                                                 " ------------------",
                                                 "    1      12.50",
                                                 "    2  2.5E-0001",
                                                 "    3      -3.46",
                                                 "    4    1234.57",
                                                 "    5  0.0E+0000",
                                                 "    6       7.00",
                                                 "    7  1.2E-0001"}));
  EXPECT_EQ(Names(), (std::set<std::string>{"values.Lst", "values.aux", "values.csv", "values.inp",
                                            "values.out"}))
      << "no temporary file stays behind";
}

TEST_F(CliTest, OptionsReachTheInputFile) {
  WriteAll(work_ / "flows.txt", "1\n2\n3\n4\n5\n6\n");
  fs::create_directory(work_ / "out");
  const Outcome outcome =
      Run("run flows.txt --title1 'River A' --title2 'm3/s' --classes 7 --composite "
          "--output out/base --quiet");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "");
  const std::string inp = ReadAll(work_ / "out" / "base.inp");
  EXPECT_NE(
      inp.find("\r\n River A\r\n m3/s\r\n\r\n Filename: " + (work_ / "out/base.inp").string() +
               "\r\n Number of data: 6  Number of classes :  7\r\n Threshold: not used\r\n"
               " Composite distributions are allowed\r\n"),
      std::string::npos)
      << inp;
  EXPECT_EQ(Names(), (std::set<std::string>{"flows.txt", "out"}));
  EXPECT_NE(ReadAll(work_ / "out" / "base.out").find(" River A\r\n m3/s\r\n"), std::string::npos);
}

TEST_F(CliTest, OlderInputFileIsRewrittenInTheCurrentLayout) {
  fs::copy_file(kFixtures + "/flow_old.inp", work_ / "flow.inp");
  const Outcome outcome = Run("run flow.inp --quiet");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(ReadAll(work_ / "flow.inp"), Crlf({" Input data for Quarlin program",
                                               " Cumulative frequency analysis",
                                               "",
                                               " Old river flows",
                                               " m3/s",
                                               "",
                                               " Filename: " + (work_ / "flow.inp").string(),
                                               " Number of data: 7  Number of classes :  5",
                                               " Threshold: not used",
                                               " No Composite distributions allowed",
                                               "",
                                               " ------------------",
                                               " Serial    Variable",
                                               " ------------------",
                                               "    1      12.50",
                                               "    2       7.25",
                                               "    3  5.0E-0001",
                                               "    4     100.00",
                                               "    5       7.25",
                                               "    6       3.00",
                                               "    7      44.00"}));
}

TEST_F(CliTest, CompositeOptionOfTheFileCanBeOverridden) {
  fs::copy_file(kFixtures + "/rain.inp", work_ / "rain.inp");
  EXPECT_EQ(Run("run rain.inp --quiet --output kept").status, 0);
  EXPECT_NE(ReadAll(work_ / "kept.inp").find(" Composite distributions are allowed\r\n"),
            std::string::npos);
  EXPECT_NE(ReadAll(work_ / "kept.inp").find(" Number of classes :  7\r\n"), std::string::npos);
  EXPECT_EQ(Run("run rain.inp --quiet --no-composite --output off").status, 0);
  EXPECT_NE(ReadAll(work_ / "off.inp").find(" No Composite distributions allowed\r\n"),
            std::string::npos);
}

// Data the run would shift to the left (all below 0.0004) print as 0.0000
// to 0.0004 in the report: refused before anything is written.
TEST_F(CliTest, LeftShiftDataAreRefused) {
  WriteAll(work_ / "tiny.csv", "0.00011\n0.00012\n0.0002\n0.00025\n0.0003\n0.00035\n");
  const Outcome outcome = Run("run tiny.csv");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "The values lie too close together for the report to tell them apart: it prints X "
            "with 4 decimals, and the largest and the smallest value are less than 0.001 apart. "
            "Multiply the values by a power of ten or use other units. Input is invalid.\n");
  EXPECT_EQ(Names(), std::set<std::string>{"tiny.csv"});
}

TEST_F(CliTest, UnreadableNumberInAnInputFile) {
  WriteAll(
      work_ / "bad.inp",
      Crlf({" Input data for Quarlin program", " Cumulative frequency analysis", "", " t1", " t2",
            "", " Filename: x", " Number of data: 6", " Threshold: not used",
            " No Composite distributions allowed", "", " ------------------", " Serial    Variable",
            " ------------------", "    1      1.00", "    2      x.00"}));
  const std::string before = ReadAll(work_ / "bad.inp");
  const Outcome outcome = Run("run bad.inp");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "Real numbers in the inputfile \"bad.inp\" are invalid (line 16 holds \"2      "
            "x.00\")\n");
  EXPECT_EQ(ReadAll(work_ / "bad.inp"), before);
}

TEST_F(CliTest, UnwritableOutputStopsTheRun) {
  WriteAll(work_ / "v.csv", "1\n2\n3\n4\n5\n6\n");
  const Outcome outcome = Run("run v.csv --output missing/base");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "The file \"" + (work_ / "missing/base.inp").string() +
                             "\"could not be opened. It may be in use by another program (No "
                             "such file or directory)\n");
}

struct RefusalCase {
  std::string name;
  std::string csv;
  std::string options;
  std::string message;
};

class CliRefusalTest : public CliTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(CliRefusalTest, PrintsTheMessageAndWritesNothing) {
  WriteAll(work_ / "v.csv", GetParam().csv);
  const Outcome outcome = Run("run v.csv " + GetParam().options);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, GetParam().message + "\n");
  EXPECT_EQ(Names(), std::set<std::string>{"v.csv"});
}

std::string ManyValues(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::to_string(i % 97) + "\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Data, CliRefusalTest,
    testing::Values(
        RefusalCase{"TooManyZeros", "0\n0\n0\n0\n5\n6\n", "",
                    "There are too many zero input data. Input is invalid."},
        RefusalCase{"NotReal", "v\n1\n2\nabc\n4\n5\n6\n", "",
                    "Line 4 of the file \"v.csv\" holds \"abc\" where a value should be, which "
                    "is not a number. Input is invalid."},
        RefusalCase{"FewerThanSix", "1\n2\n3\n4\n5\n", "", " The minimum number of data is 6"},
        RefusalCase{"TooMany", ManyValues(2501), "",
                    "Line 2501 of the file \"v.csv\" holds value 2501: there are more than 2500 "
                    "input data. Input is invalid."},
        RefusalCase{"TooLow", "1\n2\n-1000000\n4\n5\n6\n", "",
                    "There are input data of -1000000 or less. Input is invalid."},
        RefusalCase{"OneClass", "1\n2\n3\n4\n5\n6\n", "--classes 1",
                    "The number of classes should be between 2 and 50. Input is invalid."},
        RefusalCase{"TooManyClasses", "1\n2\n3\n4\n5\n6\n", "--classes 51",
                    "The number of classes should be between 2 and 50. Input is invalid."}),
    [](const auto& info) { return info.param.name; });

class CliUsageTest : public CliTest, public testing::WithParamInterface<std::string> {};

TEST_P(CliUsageTest, ExitsWithTwoAndWritesNothing) {
  WriteAll(work_ / "v.csv", "1\n2\n3\n4\n5\n6\n");
  const Outcome outcome = Run(GetParam());
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err.rfind("quarlin-cli: ", 0), 0u) << outcome.err;
  const std::string tail = "\nRun with --help for more information.\n";
  ASSERT_GE(outcome.err.size(), tail.size());
  EXPECT_EQ(outcome.err.substr(outcome.err.size() - tail.size()), tail);
  EXPECT_EQ(Names(), std::set<std::string>{"v.csv"});
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageTest,
    testing::Values("", "run", "run missing.csv", "frobnicate v.csv", "run v.csv --prefer 2",
                    "run v.csv --prefer 12345", "run v.csv --composite --no-composite",
                    "run v.csv --classes x", "run v.csv --title1 'a\nb'", "run v.csv --unknown",
                    "run v.csv w.csv", "run v.csv --output ''", "run v.csv --output res/",
                    "run v.csv --output .", "run v.csv --output 'a\nb'",
                    "run v.csv --output \"$(printf 'a\\tb')\"", "run v.csv v.csv --output ''"));

}  // namespace
