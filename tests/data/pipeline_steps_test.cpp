#include "data/pipeline_steps.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <set>

#include "common/number_text.h"
#include "common/text_file.h"
#include "data/messages.h"
#include "temp_dir.h"

namespace quarlin {
namespace {

using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteAll;

constexpr const char* kA = " 1.50000000000000E+0000";
constexpr const char* kB = "-2.25000000000000E+0000";
constexpr const char* kFirst = " 3.00000000000000E+0000";
constexpr const char* kSecond = " 5.00000000000000E-0001";
constexpr const char* kOne = " 1.00000000000000E+0000";

struct TempCase {
  int code;
  std::vector<std::string> values;
};

class TempParameterTest : public testing::TestWithParam<TempCase> {};

TEST_P(TempParameterTest, WritesTheValuesOfTheCode) {
  const ChosenParameters params{1.5, -2.25, 3.0, 0.5};
  std::vector<std::string> expected = {"  70", PadLeft(std::to_string(GetParam().code), 3),
                                       "-2.50000000000000E+0000"};
  expected.insert(expected.end(), GetParam().values.begin(), GetParam().values.end());
  EXPECT_EQ(SplitLines(TempParameterText(70, GetParam().code, -2.5, params)), expected);
}

std::vector<TempCase> TempCases() {
  std::vector<TempCase> cases;
  const auto add = [&](int from, int to, std::vector<std::string> values) {
    for (int code = from; code <= to; ++code) cases.push_back({code, values});
  };
  add(1, 5, {kA, kB});
  add(6, 6, {kA});
  add(7, 18, {});
  add(20, 26, {kFirst, kSecond});
  add(31, 36, {});
  add(51, 60, {kA, kB});
  add(61, 61, {kFirst, kSecond});
  add(62, 63, {kOne, kOne});
  add(64, 66, {kA, kB});
  add(67, 68, {});
  add(69, 69, {kFirst, kSecond});
  add(70, 72, {kA, kB});
  add(73, 73, {});
  add(74, 74, {kA, kB});
  add(80, 85, {kA, kB});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Codes, TempParameterTest, testing::ValuesIn(TempCases()),
                         [](const auto& info) { return "Code" + std::to_string(info.param.code); });

// A report with the observation table in the layout of the report writer.
std::string Report(const std::vector<std::string>& rows) {
  TextBuilder text;
  text.Line(" RESULTS OF Quarlin PROGRAM").Line().Line(" Interval analysis");
  text.Line("    Lower    Upper      Obs. (%)  Calc.").Line();
  text.Line(" Observed and calculated cumulative frequencies")
      .Line(" ------------------------------------------------------------------")
      .Line("   X-value   Serial    Cumulative frequency (%)       90%conf limit")
      .Line("   Ranked     No.      Rank      Calc.    St.Dev     Lower    Upper")
      .Line(" ------------------------------------------------------------------");
  for (const auto& row : rows) text.Line(row);
  text.Line(" ------------------------------------------------------------------");
  return text.Text();
}

class PipelineStepsTest : public testing::Test {
 protected:
  TempDir dir_;
};

TEST_F(PipelineStepsTest, ObservationTableInFractionsWithStandInsForZeroDeviation) {
  WriteAll(dir_ / "r.Tmp",
           Report({"    1.00      3       25.00     20.00      4.00     13.00    27.000",
                   "    2.00     12       50.00     55.00      0.00     40.00    70.000",
                   "    3.00    101       75.00     80.00     -1.00     70.00    90.000"}));
  EngineData engine;
  engine.sample.N = 3;
  ASSERT_TRUE(LoadObservationTable(dir_ / "r.Tmp", engine).ok());
  using testing::DoubleEq;
  using testing::Pointwise;
  EXPECT_THAT(engine.ObsCalc, Pointwise(DoubleEq(), std::vector<double>{0, 0.2, 0.4 * 2 / 3, 0.4}));
  EXPECT_THAT(engine.ObsSd, Pointwise(DoubleEq(), std::vector<double>{0, 0.04, 0.2 * 2 / 3, 0.2}));
  EXPECT_THAT(engine.ObsLower, Pointwise(DoubleEq(), std::vector<double>{0, 0.13, 2.0 / 3, 1.0}));
}

TEST_F(PipelineStepsTest, IncompleteObservationTableIsAProgramError) {
  EngineData engine;
  engine.sample.N = 3;
  const auto path = dir_ / "r.Tmp";
  const std::string expected = ProgramErrorMessage("The observation table in the file \"" +
                                                   path.string() + "\" is incomplete");
  WriteAll(path, Report({"    1.00      3       25.00     20.00      4.00     13.00    27.000"}));
  EXPECT_EQ(LoadObservationTable(path, engine).message(), expected);
  WriteAll(path, Report({"    1.00      3       25.00     20.00      4.00", "", ""}));
  EXPECT_EQ(LoadObservationTable(path, engine).message(), expected);
  WriteAll(path, "no table\r\n");
  EXPECT_EQ(LoadObservationTable(path, engine).message(), expected);
  EXPECT_TRUE(engine.ObsCalc.empty());
  EXPECT_EQ(LoadObservationTable(dir_ / "none", engine).message(),
            CouldNotOpenMessage((dir_ / "none").string(), "No such file or directory"));
}

class AssembleTest : public PipelineStepsTest, public testing::WithParamInterface<int> {};

TEST_P(AssembleTest, ReportThenValuesExceptForGamma) {
  RunFiles files = CompanionFiles(dir_ / "s.inp");
  files.Report = dir_ / "report.Tmp";
  files.Values = dir_ / "values.Tmp";
  files.NewOutput = dir_ / "out.Tmp";
  WriteAll(files.Report, " report\r\n\r\n end\r\n");
  WriteAll(files.Values, "\n\n Confidence limits of calculated X-values\n");
  ASSERT_TRUE(AssembleOutput(files, GetParam()).ok());
  const std::string report = " report\r\n\r\n end\r\n";
  EXPECT_EQ(
      ReadAll(files.NewOutput),
      GetParam() == 61 ? report : report + "\r\n\r\n Confidence limits of calculated X-values\r\n");
}

INSTANTIATE_TEST_SUITE_P(Codes, AssembleTest, testing::Values(57, 61, 20));

TEST_F(PipelineStepsTest, AssembleNamesTheMissingPiece) {
  RunFiles files = CompanionFiles(dir_ / "s.inp");
  files.Report = dir_ / "report.Tmp";
  files.Values = dir_ / "values.Tmp";
  files.NewOutput = dir_ / "out.Tmp";
  const std::string missing = "No such file or directory";
  EXPECT_EQ(AssembleOutput(files, 57).message(),
            CouldNotOpenMessage(files.Report.string(), missing));
  WriteAll(files.Report, "r\r\n");
  EXPECT_EQ(AssembleOutput(files, 57).message(),
            CouldNotOpenMessage(files.Values.string(), missing));
  EXPECT_FALSE(std::filesystem::exists(files.NewOutput));
  EXPECT_FALSE(std::filesystem::exists(files.Output));
}

struct ReplaceCase {
  std::string name;
  bool earlier;  // an earlier run left its *.aux and *.Lst
  bool withAux, withRankedList;
};

class ReplaceEarlierOutputsTest : public PipelineStepsTest,
                                  public testing::WithParamInterface<ReplaceCase> {};

// What the run made takes the earlier file's place; what it did not make
// leaves no earlier file behind.
TEST_P(ReplaceEarlierOutputsTest, NewFilesTakeTheirPlaceAndMissingOnesTakeTheEarlierAway) {
  RunFiles files = CompanionFiles(dir_ / "s.inp");
  files.NewAux = dir_ / "aux.Tmp";
  files.NewRankedList = dir_ / "list.Tmp";
  files.NewOutput = dir_ / "out.Tmp";
  files.NewInput = dir_ / "inp.Tmp";
  WriteAll(files.NewAux, "new aux");
  WriteAll(files.NewRankedList, "new list");
  WriteAll(files.NewOutput, "new out");
  WriteAll(files.NewInput, "new inp");
  if (GetParam().earlier) {
    WriteAll(files.Aux, "earlier aux");
    WriteAll(files.RankedList, "earlier list");
    WriteAll(files.Output, "earlier out");
    WriteAll(files.Input, "earlier inp");
  }
  ASSERT_TRUE(ReplaceEarlierOutputs(files, GetParam().withAux, GetParam().withRankedList).ok());
  const auto expect = [](const std::filesystem::path& kept, const std::filesystem::path& made,
                         bool wasMade, const std::string& content) {
    EXPECT_EQ(std::filesystem::exists(kept), wasMade) << kept;
    if (wasMade) {
      EXPECT_EQ(ReadAll(kept), content);
      EXPECT_FALSE(std::filesystem::exists(made)) << made;
    }
  };
  expect(files.Aux, files.NewAux, GetParam().withAux, "new aux");
  expect(files.RankedList, files.NewRankedList, GetParam().withRankedList, "new list");
  expect(files.Output, files.NewOutput, true, "new out");
  expect(files.Input, files.NewInput, true, "new inp");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceEarlierOutputsTest,
                         testing::Values(ReplaceCase{"Both", true, true, true},
                                         ReplaceCase{"BothFirstRun", false, true, true},
                                         ReplaceCase{"NoList", true, true, false},
                                         ReplaceCase{"NoAux", true, false, true},
                                         ReplaceCase{"NeitherFirstRun", false, false, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PipelineStepsTest, ReplacingNamesTheFileThatStays) {
  RunFiles files = CompanionFiles(dir_ / "s.inp");
  files.NewOutput = dir_ / "out.Tmp";
  files.NewAux = dir_ / "missing.Tmp";
  files.NewInput = dir_ / "inp.Tmp";
  WriteAll(files.NewOutput, "new out");
  WriteAll(files.NewInput, "new inp");
  WriteAll(files.Aux, "earlier aux");
  WriteAll(files.Input, "earlier inp");
  EXPECT_EQ(ReplaceEarlierOutputs(files, true, false).message(),
            CouldNotOpenMessage(files.Aux.string(), "No such file or directory"));
  EXPECT_EQ(ReadAll(files.Aux), "earlier aux");
  EXPECT_EQ(ReadAll(files.Input), "earlier inp") << "the input file goes last";
}

TEST_F(PipelineStepsTest, TemporaryFilesAreUniqueAndGoWithTheirOwner) {
  RunFiles first = CompanionFiles(dir_ / "s.inp");
  RunFiles second = first;
  {
    TemporaryFiles a, b;
    ASSERT_TRUE(CreateTemporaryRunFiles(first, a).ok());
    ASSERT_TRUE(CreateTemporaryRunFiles(second, b).ok());
    for (const auto* files : {&first, &second})
      for (const auto& path : {files->NewInput, files->NewOutput, files->Temp, files->Report,
                               files->Values, files->NewRankedList, files->NewAux}) {
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(path.parent_path(), dir_.path());
      }
    EXPECT_NE(first.Report, second.Report);
    EXPECT_NE(first.Temp, first.Values);
    EXPECT_EQ(dir_.Names().size(), 14u);
  }
  EXPECT_TRUE(dir_.Names().empty());
}

TEST_F(PipelineStepsTest, TemporaryFilesInAMissingFolderFail) {
  RunFiles files = CompanionFiles(dir_ / "missing" / "s.inp");
  TemporaryFiles owner;
  const Status status = CreateTemporaryRunFiles(files, owner);
  ASSERT_FALSE(status.ok());
  // The first one made stands for the input file, which the user knows.
  EXPECT_EQ(status.message(), CouldNotOpenMessage((dir_ / "missing" / "s.inp").string(),
                                                  "No such file or directory"));
}

// An earlier file that is a link keeps being one: the run's new file
// lands where the link ends, and a replaced file keeps its mode.
TEST_F(PipelineStepsTest, ReplacingWritesThroughLinksAndKeepsTheMode) {
  namespace fs = std::filesystem;
  RunFiles files = CompanionFiles(dir_ / "s.inp");
  fs::create_directory(dir_ / "kept");
  WriteAll(dir_ / "kept" / "s.out", "earlier out");
  fs::create_symlink("kept/s.out", files.Output);
  WriteAll(files.Input, "earlier inp");
  fs::permissions(files.Input, fs::perms::owner_read | fs::perms::group_read);
  files.NewOutput = dir_ / "out.Tmp";
  files.NewInput = dir_ / "inp.Tmp";
  WriteAll(files.NewOutput, "new out");
  WriteAll(files.NewInput, "new inp");
  ASSERT_TRUE(ReplaceEarlierOutputs(files, false, false).ok());
  EXPECT_TRUE(fs::is_symlink(files.Output));
  EXPECT_EQ(ReadAll(dir_ / "kept" / "s.out"), "new out");
  EXPECT_EQ(ReadAll(files.Input), "new inp");
  EXPECT_EQ(fs::status(files.Input).permissions(), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(dir_.Names(), (std::set<std::string>{"kept", "s.inp", "s.out"}));
}

// Something that is not a regular file where a run's file belongs is
// refused before the run writes anything, and again when the files are
// moved into place, and stays as it was.
struct NotRegularCase {
  std::string name;
  std::string setup;      // shell commands run in the test's folder
  std::string extension;  // the companion that is not a regular file
  std::string reason;     // "@" stands for the test's folder
};

class NotRegularTargetTest : public PipelineStepsTest,
                             public testing::WithParamInterface<NotRegularCase> {
 protected:
  std::string Expected(const RunFiles& files) const {
    std::string reason = GetParam().reason;
    if (const size_t at = reason.find('@'); at != std::string::npos)
      reason.replace(at, 1, dir_.path().string());
    return CouldNotOpenMessage(ChangeExtension(files.Input, GetParam().extension).string(), reason);
  }
};

TEST_P(NotRegularTargetTest, IsRefusedNamingTheFile) {
  ASSERT_EQ(std::system(("cd '" + dir_.path().string() + "' && " + GetParam().setup).c_str()), 0);
  RunFiles files = CompanionFiles(dir_ / "s.inp");
  EXPECT_EQ(CheckReplaceable(files).message(), Expected(files));
  int made = 0;
  for (auto* path : {&files.NewOutput, &files.NewAux, &files.NewRankedList, &files.NewInput}) {
    *path = dir_ / ("made" + std::to_string(++made) + ".Tmp");
    WriteAll(*path, "new");
  }
  EXPECT_EQ(ReplaceEarlierOutputs(files, true, true).message(), Expected(files));
  EXPECT_EQ(ReadAll(files.NewInput), "new") << "the input file goes last";
  std::filesystem::path kept = ChangeExtension(files.Input, GetParam().extension);
  if (std::filesystem::is_symlink(kept)) kept = dir_ / std::filesystem::read_symlink(kept);
  EXPECT_FALSE(std::filesystem::is_regular_file(kept));
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotRegularTargetTest,
                         testing::Values(NotRegularCase{"PipeAsReport", "mkfifo s.out", ".out",
                                                        "Not a regular file"},
                                         NotRegularCase{"LinkToAPipe", "mkfifo p && ln -s p s.aux",
                                                        ".aux", "@/p: Not a regular file"},
                                         NotRegularCase{"LinkToAFolder", "mkdir d && ln -s d s.Lst",
                                                        ".Lst", "@/d: Is a directory"}),
                         [](const auto& info) { return info.param.name; });

// The temporaries fit the folder wherever the run's own files do.
TEST_F(PipelineStepsTest, TemporaryFilesOfTheLongestBaseAreMade) {
  const long longest = ::pathconf(dir_.path().c_str(), _PC_NAME_MAX);
  RunFiles files = CompanionFiles(dir_ / (std::string(longest - 4, 'b') + ".inp"));
  TemporaryFiles owner;
  const Status made = CreateTemporaryRunFiles(files, owner);
  ASSERT_TRUE(made.ok()) << made.message();
  EXPECT_EQ(dir_.Names().size(), 7u);
  EXPECT_TRUE(std::filesystem::exists(files.NewAux));
}

}  // namespace
}  // namespace quarlin
