// Several series in one run: each into its own files, a few side by side.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace {

using namespace cli_test;

const fs::path kData = fs::path(QUARLIN_SOURCE_DIR) / "Data";

class CliBatchTest : public CliTest {
 protected:
  // Three bundled series and one too short to be analysed, in this order.
  CliBatchTest() {
    for (const char* name : {"precip", "sleep", "portpirie"})
      fs::copy_file(kData / (std::string(name) + ".csv"), work_ / (std::string(name) + ".csv"));
    WriteAll(work_ / "short.csv", "1\n2\n3\n4\n5\n");
  }
  static constexpr const char* kInputs = "precip.csv short.csv sleep.csv portpirie.csv";
  const std::vector<std::string> kDone = {"precip", "sleep", "portpirie"};

  // Every series that could be analysed has its four files in `folder`,
  // the refused one none.
  void ExpectFiles(const fs::path& folder) const {
    for (const auto& base : kDone)
      for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
        EXPECT_TRUE(fs::exists(folder / (base + extension))) << base << extension;
    EXPECT_FALSE(fs::exists(folder / "short.inp"));
    EXPECT_FALSE(fs::exists(folder / "short.out"));
  }

  // The lines of `text` that begin with `prefix`.
  static std::vector<std::string> LinesFrom(const std::string& text, const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
      if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    return lines;
  }
};

TEST_F(CliBatchTest, SummaryLinesInTheOrderGivenAndTheFailureNamed) {
  const Outcome outcome = Run(std::string("run --jobs 2 ") + kInputs);
  EXPECT_EQ(outcome.status, 1) << "one input was refused";
  ExpectFiles(work_);
  const std::vector<std::string> lines = LinesFrom(outcome.out, "");
  ASSERT_EQ(lines.size(), 3u) << outcome.out;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& base = kDone[i];
    EXPECT_EQ(lines[i].rfind(base + ".csv: ", 0), 0u) << lines[i];
    const std::string report = ", report " + (work_ / (base + ".out")).string();
    EXPECT_EQ(lines[i].substr(lines[i].size() - report.size()), report) << lines[i];
    EXPECT_NE(lines[i].find(" (code "), std::string::npos) << lines[i];
  }
  // No progress of the fits; every line of the error stream names its input.
  EXPECT_EQ(outcome.err.find(" done"), std::string::npos) << outcome.err;
  EXPECT_FALSE(LinesFrom(outcome.err, "short.csv: ").empty()) << outcome.err;
  EXPECT_EQ(LinesFrom(outcome.err, "short.csv: ").size(), LinesFrom(outcome.err, "").size())
      << outcome.err;
}

TEST_F(CliBatchTest, JsonArrayOfTheRunsDoneIntoAFolder) {
  const Outcome outcome = Run(std::string("run --jobs 2 --json --output res/all ") + kInputs);
  EXPECT_EQ(outcome.status, 1);
  ExpectFiles(work_ / "res" / "all");
  ASSERT_GE(outcome.out.size(), 4u);
  EXPECT_EQ(outcome.out.substr(0, 2), "[\n");
  EXPECT_EQ(outcome.out.substr(outcome.out.size() - 3), "\n]\n");
  const std::vector<std::string> objects = LinesFrom(outcome.out, "{");
  ASSERT_EQ(objects.size(), 3u) << outcome.out;
  for (size_t i = 0; i < objects.size(); ++i) {
    EXPECT_EQ(objects[i].rfind("{\"input\": \"" + kDone[i] + ".csv\"", 0), 0u) << objects[i];
    EXPECT_NE(objects[i].find((work_ / "res" / "all" / (kDone[i] + ".aux")).string()),
              std::string::npos)
        << objects[i];
    EXPECT_EQ(objects[i].back(), i + 1 < objects.size() ? ',' : '}') << objects[i];
  }
  EXPECT_EQ(LinesFrom(outcome.out, "{").size() + 2, LinesFrom(outcome.out, "").size());
}

// The reports name their own files: those of folder "one" as if in "two".
std::string Renamed(std::string text) {
  for (size_t at; (at = text.find("/one/")) != std::string::npos;) text.replace(at, 5, "/two/");
  return text;
}

TEST_F(CliBatchTest, OneAfterTheOtherGivesTheSameReports) {
  ASSERT_EQ(Run("run --jobs 2 --output two precip.csv sleep.csv").status, 0);
  const Outcome outcome = Run("run --output one precip.csv sleep.csv");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  for (const char* base : {"precip", "sleep"})
    for (const char* extension : {".out", ".aux", ".Lst"})
      EXPECT_EQ(Renamed(ReadAll(work_ / "one" / (std::string(base) + extension))),
                ReadAll(work_ / "two" / (std::string(base) + extension)))
          << base << extension;
}

TEST_F(CliBatchTest, InputsThatWouldShareTheirFilesAreNotBothAnalysed) {
  fs::create_directory(work_ / "b");
  WriteAll(work_ / "b" / "sleep.csv", "1\n2\n3\n4\n5\n6\n7\n");
  const Outcome outcome = Run("run --jobs 2 --output res sleep.csv b/sleep.csv precip.csv");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "b/sleep.csv: Not analysed: its files would overwrite those of sleep.csv\n");
  EXPECT_EQ(LinesFrom(outcome.out, "").size(), 2u) << outcome.out;
  // The report is the first input's, not the seven values of the second.
  EXPECT_EQ(ReadAll(work_ / "res" / "sleep.inp").find(" Number of data: 7 "), std::string::npos);
  EXPECT_TRUE(fs::exists(work_ / "res" / "precip.out"));
}

}  // namespace
