// `quarlin-cli calc` on a bundled report and on a report made here: the
// order of the answers, the window's messages and the exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fixtures/scoped_locale.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(QUARLIN_BIN_DIR) + "/quarlin-cli";
const fs::path kData = fs::path(QUARLIN_SOURCE_DIR) / "Data";

struct Outcome {
  int status = -1;
  std::vector<std::string> out;
  std::string err;
};

std::vector<std::string> Lines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CliCalcTest : public testing::Test {
 protected:
  // A folder per test: CTest runs the tests side by side.
  CliCalcTest()
      : dir_(fs::temp_directory_path() /
             ("quarlin-cli-calc-" +
              std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~CliCalcTest() override { fs::remove_all(dir_); }

  Outcome Run(const std::string& args) {
    const std::string command = "" + quarlin::testing_support::LocaleAssignments() + " '" +
                                kProgram + "' calc " + args + " >'" + (dir_ / "stdout").string() +
                                "' 2>'" + (dir_ / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = Lines(dir_ / "stdout");
    std::ostringstream err;
    err << std::ifstream(dir_ / "stderr").rdbuf();
    outcome.err = err.str();
    return outcome;
  }

  const std::string report_ = "'" + (kData / "portpirie").string() + "'";
  fs::path dir_;
};

TEST_F(CliCalcTest, AnswersInTheOrderGivenAndRefusesWithTheWindowsMessages) {
  const Outcome o = Run(report_ + " --period 2 --x=4.2 --x abc --freq=0.25 --period 1");
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "The value is not a valid real\nThe return period must be >1 and <100000\n");
  ASSERT_EQ(o.out.size(), 3u);
  EXPECT_EQ(o.out[0].rfind("Cum. Freq. 0.5  Ret. Per. 2  X-value ", 0), 0u) << o.out[0];
  EXPECT_EQ(o.out[1].rfind("X-value 4.2  Cum. Freq. ", 0), 0u) << o.out[1];
  EXPECT_NE(o.out[1].find("  Ret. Per. Upper "), std::string::npos) << o.out[1];
  EXPECT_EQ(o.out[2].rfind("Cum. Freq. 0.25  Ret. Per. 1.33333333333333  X-value ", 0), 0u)
      << o.out[2];
}

TEST_F(CliCalcTest, TheReportsCompanionsNameTheSameReport) {
  const Outcome plain = Run(report_ + " --x 4 --freq 0.9");
  ASSERT_EQ(plain.status, 0) << plain.err;
  for (const char* extension : {".out", ".aux", ".inp"}) {
    const Outcome named =
        Run("'" + (kData / "portpirie").string() + extension + "' --x 4 --freq 0.9");
    EXPECT_EQ(named.out, plain.out) << extension;
  }
}

TEST_F(CliCalcTest, JsonHasOneObjectPerAnswerAndNullForNotAvailable) {
  // A Gamma report has no inverse: its X answers are null.
  fs::copy_file(kData / "portpirie.inp", dir_ / "g.inp");
  std::ofstream(dir_ / "g.aux") << " Parameters for internal use, do not remove.\r\n61\r\n"
                                << " 5.0E-0002\r\n 8.0E+0001\r\n 1.0E-0004\r\n";
  const Outcome o = Run("'" + (dir_ / "g").string() + "' --json --x 4 --freq 0.5");
  ASSERT_EQ(o.status, 0) << o.err;
  std::string all;
  for (const auto& line : o.out) all += line + "\n";
  EXPECT_EQ(all.front(), '[');
  EXPECT_NE(all.find("{\"query\": \"x\", \"x\": 4, \"F\": "), std::string::npos) << all;
  EXPECT_NE(all.find("{\"query\": \"freq\", \"F\": 0.5, \"T\": 2, \"x\": null, \"x_lower\": null, "
                     "\"x_upper\": null}]"),
            std::string::npos)
      << all;
}

// An input file that kept its header and lost its values: no answer is
// made up from no data.
TEST_F(CliCalcTest, InputFileWithoutValuesIsNamed) {
  std::vector<std::string> header = Lines(kData / "portpirie.inp");
  header.resize(14);
  {
    std::ofstream inp(dir_ / "p.inp", std::ios::binary);
    for (const auto& line : header) inp << line << "\n";
  }
  fs::copy_file(kData / "portpirie.aux", dir_ / "p.aux");
  const std::string expected = "The inputfile \"" + (dir_ / "p.inp").string() +
                               "\" holds no data values; the calculator needs the data of the "
                               "report. Run the program again.\n";
  for (const char* query : {"--freq 0.5", "--period 100", "--x 4"}) {
    const Outcome outcome = Run("'" + (dir_ / "p").string() + "' " + query);
    EXPECT_EQ(outcome.status, 1) << query;
    EXPECT_TRUE(outcome.out.empty()) << query << " " << outcome.out.front();
    EXPECT_EQ(outcome.err, expected) << query;
  }
}

// The input file is at fault, not the program: its line is named, without
// "A program error occurred.", and every query is refused alike.
TEST_F(CliCalcTest, UnreadableNumberInTheInputFileNamesItsLine) {
  std::vector<std::string> lines = Lines(kData / "portpirie.inp");
  ASSERT_GT(lines.size(), 19u);
  lines[19] = "    6       4.O8\r";
  {
    std::ofstream inp(dir_ / "p.inp", std::ios::binary);
    for (const auto& line : lines) inp << line << "\n";
  }
  fs::copy_file(kData / "portpirie.aux", dir_ / "p.aux");
  fs::copy_file(kData / "portpirie.out", dir_ / "p.out");
  const Outcome outcome = Run("'" + (dir_ / "p").string() + "' --x 4 --freq 0.5");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_TRUE(outcome.out.empty());
  EXPECT_EQ(outcome.err, "Real numbers in the inputfile \"" + (dir_ / "p.inp").string() +
                             "\" are invalid (line 20 holds \"6       4.O8\")\n");
}

// Old Faithful's waiting times fitted by the mirrored Fisher-Tippett type 3
// law, whose upper bound is 116.1401: beyond it F is 1, every return period
// at its cap, and the line says why.
TEST_F(CliCalcTest, AValueBeyondTheFittedBoundSaysSo) {
  fs::copy_file(kData / "portpirie.inp", dir_ / "w.inp");
  std::ofstream(dir_ / "w.aux") << " Parameters for internal use, do not remove.\r\n33\r\n"
                                << "-3.91549691412547E+0000\r\n 1.41813585457866E+0001\r\n"
                                << " 1.16140100000000E+0002\r\n 1.00000000000000E-0004\r\n";
  const std::string base = "'" + (dir_ / "w").string() + "'";
  const Outcome o = Run(base + " --x 120 --x 100");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_EQ(o.out.size(), 2u);
  EXPECT_EQ(o.out[0],
            "X-value 120  Cum. Freq. 1  Ret. Per. 10000000  Cum. Freq. Lower 1  Cum. Freq. Upper 1"
            "  Ret. Per. Lower 10000000  Ret. Per. Upper 10000000  The value lies beyond the "
            "fitted upper bound 116.1401");
  EXPECT_EQ(o.out[1].find("bound"), std::string::npos) << o.out[1];
  const Outcome json = Run(base + " --json --x 120");
  ASSERT_EQ(json.out.size(), 1u);
  EXPECT_NE(json.out[0].find("\"T_upper\": 10000000, \"message\": \"The value lies beyond the "
                             "fitted upper bound 116.1401\"}]"),
            std::string::npos)
      << json.out[0];
}

// Far in the lower tail the lower limit of the return period fell below 1.
TEST_F(CliCalcTest, NoReturnPeriodIsBelowOne) {
  const Outcome o = Run(report_ + " --x 3.5");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_EQ(o.out.size(), 1u);
  EXPECT_NE(o.out[0].find("  Ret. Per. Lower 1  "), std::string::npos) << o.out[0];
}

TEST_F(CliCalcTest, UnreadableReportIsNamedAndUsageErrorsAreTwo) {
  const Outcome missing = Run("'" + (dir_ / "none").string() + "' --x 1");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.inp"), std::string::npos) << missing.err;
  EXPECT_EQ(Run("--x 1").status, 2);
  EXPECT_EQ(Run(report_ + " --x").status, 2);
}

}  // namespace
