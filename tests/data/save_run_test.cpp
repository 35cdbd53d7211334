// The course of a successful run: order of the steps, the files and the
// state it leaves.
#include "data/save_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "common/text_file.h"
#include "data/messages.h"
#include "data/pipeline_steps.h"
#include "data/run_files.h"
#include "run_fixture.h"

namespace quarlin {
namespace {

using testing_support::Cells;
using testing_support::ReadAll;
using testing_support::WriteAll;

class SaveRunTest : public testing_support::RunFixture {};

TEST_F(SaveRunTest, StepsRunInOrderBetweenTheProgressLines) {
  ASSERT_EQ(Run(Cells(8)).outcome, RunOutcome::Done);
  const testing_support::Events expected = {
      "choose save file: [Input files (*.inp) | *.inp]",
      "progress:  Saving data .....",
      "pause",
      "progress:  Calculating .....",
      "step: FitAll",
      "step: EvaluateCalculated",
      "step: TempParameters",
      "step: EvaluateIntervals",
      "step: WriteReport",
      "pause",
      "progress:  Progress 75% ....",
      "step: AnalyseConfidence",
      "step: FinalAnalysis",
      "pause",
      "progress:  Filing results ..",
      "pause",
      "step: ResortRankedList",
      "message: The input is saved in " + Inp() +
          "   Calculations were done and the output is saved in  " + Companion(".out")};
  EXPECT_EQ(events_, expected);
}

TEST_F(SaveRunTest, NoDistributionFoundEndsWithTheReportAlone) {
  steps_.chosenCode = 0;
  WriteAll(Companion(".aux"), " Parameters for internal use, do not remove.\r\n57\r\n");
  ASSERT_EQ(Run(Cells(8)).outcome, RunOutcome::Done);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "step: AnalyseConfidence"), 0);
  EXPECT_EQ(std::count(events_.begin(), events_.end(), "step: FinalAnalysis"), 0);
  EXPECT_TRUE(std::filesystem::exists(Companion(".out")));
  EXPECT_FALSE(std::filesystem::exists(Companion(".aux"))) << "a stale parameter file stays";
  EXPECT_EQ(state_.AuxCode, 0);
}

TEST_F(SaveRunTest, SuccessLeavesTheStateTheWindowsRead) {
  state_.OptionIndex = 1;
  const RunResult result = Run({"3", "1", "2", "5", "4", "6"}, "7");
  ASSERT_EQ(result.outcome, RunOutcome::Done);
  EXPECT_EQ(state_.FileName, Companion(".out"));
  EXPECT_EQ(engine().InputPath, Inp());
  EXPECT_EQ(engine().OutName, Companion(".out"));
  EXPECT_TRUE(engine().ResultsReady);
  EXPECT_EQ(state_.AuxCode, 57);
  EXPECT_EQ(state_.NrOfClasses, 7);
  EXPECT_EQ(state_.NrOfClassesText, "7");
  EXPECT_EQ(state_.Threshold, -1000000.0);
  EXPECT_EQ(state_.Title1, "first title");
  // The ranked data moved down to 0..N-1.
  ASSERT_GE(state_.SortedValues.size(), 6u);
  EXPECT_EQ(DataArrayR(state_.SortedValues.begin(), state_.SortedValues.begin() + 6),
            (DataArrayR{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(result.rankedListShown);
  const auto out = ReadLines(Companion(".out"));
  ASSERT_TRUE(out);
  EXPECT_EQ(result.outputLines, *out);
  EXPECT_EQ(out->back(), " Confidence limits");

  const auto& seen = steps_.seen;
  EXPECT_TRUE(seen.fitStarted);
  EXPECT_EQ(seen.prefCode, "1");
  EXPECT_TRUE(seen.compositeWanted);
  EXPECT_FALSE(seen.graphModeAtEvaluation);
  EXPECT_TRUE(seen.graphModeAtIntervals);
  EXPECT_EQ(seen.obsRows, 7u);
  EXPECT_EQ(seen.tempText, TempParameterText(6, 57, 0.0001, steps_.params));
}

TEST_F(SaveRunTest, TemporaryFilesLiveBesideTheInputOnlyDuringTheRun) {
  WriteAll(dir_ / "other.txt", "kept");
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  EXPECT_TRUE(steps_.seen.temporariesExisted);
  for (const auto& path : steps_.seen.temporaries) {
    EXPECT_EQ(path.parent_path(), dir_.path());
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  EXPECT_EQ(dir_.Names(), (std::set<std::string>{"other.txt", "s.inp", "s.out", "s.aux", "s.Lst"}));
}

// The temporaries of a run on `input` that was killed before it could
// remove them: their names.
std::set<std::string> LeftByAKilledRun(const std::string& input) {
  RunFiles files = CompanionFiles(input);
  {
    TemporaryFiles killed;
    EXPECT_TRUE(CreateTemporaryRunFiles(files, killed).ok());
  }
  std::set<std::string> names;
  for (const auto& path : {files.NewInput, files.NewOutput, files.Temp, files.Report, files.Values,
                           files.NewRankedList, files.NewAux}) {
    WriteAll(path, "left");
    names.insert(path.filename().string());
  }
  return names;
}

// The next run on the same files, holding their lock, takes a killed run's
// temporaries away; those of another base's run stay.
TEST_F(SaveRunTest, TemporariesOfAKilledRunGoWithTheNextRun) {
  const std::set<std::string> others = LeftByAKilledRun((dir_ / "other.inp").string());
  EXPECT_EQ(LeftByAKilledRun(Inp()).size(), 7u);
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  std::set<std::string> expected = others;
  expected.insert({"s.inp", "s.out", "s.aux", "s.Lst"});
  EXPECT_EQ(dir_.Names(), expected);
}

TEST_F(SaveRunTest, EmptyCellsAreDroppedAndTheRestRenumbered) {
  ASSERT_EQ(Run({"4", "", "5", "6", "", "7", "8", "9"}).outcome, RunOutcome::Done);
  EXPECT_EQ(state_.NrOfData, 6);
  EXPECT_EQ(state_.Values, (DataArrayR{4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(state_.Serial, (DataArrayI{1, 2, 3, 4, 5, 6}));
  const auto lines = ReadLines(Inp());
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 20u);
  EXPECT_EQ((*lines)[7], " Number of data: 6  Number of classes :  5");
  EXPECT_EQ((*lines)[15], "    2       5.00");
}

TEST_F(SaveRunTest, CompositeOptionComesFromTheOptionIndex) {
  state_.OptionIndex = 0;
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  EXPECT_FALSE(steps_.seen.compositeWanted);
  EXPECT_EQ(ReadLines(Inp())->at(9), " No Composite distributions allowed");
}

TEST_F(SaveRunTest, PreferredDistributionIsNotResorted) {
  state_.Preference = "57";
  const RunResult result = Run(Cells(6));
  ASSERT_EQ(result.outcome, RunOutcome::Done);
  EXPECT_EQ(steps_.seen.prefCode, "57");
  EXPECT_FALSE(Logged("step: ResortRankedList"));
  EXPECT_FALSE(result.rankedListShown);
}

// Its list would pass for this run's.
TEST_F(SaveRunTest, EarlierRankedListGoesWhenAPreferredRunIsDone) {
  WriteAll(Companion(".Lst"), "old list");
  state_.Preference = "57";
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  EXPECT_FALSE(std::filesystem::exists(Companion(".Lst")));
}

TEST_F(SaveRunTest, EarlierOutputsAreReplacedWhenABestOfAllRunIsDone) {
  WriteEarlierOutputs();
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  EXPECT_EQ(ReadAll(Companion(".Lst")), " List\r\n");
  EXPECT_EQ(ReadAll(Companion(".aux")), " Parameters for internal use, do not remove.\r\n57\r\n");
  EXPECT_EQ(ReadAll(Companion(".out")).rfind(" RESULTS OF Quarlin PROGRAM\r\n", 0), 0u);
  EXPECT_EQ(ReadAll(Inp()).rfind(" Input data for Quarlin program\r\n", 0), 0u);
  EXPECT_EQ(dir_.Names(), (std::set<std::string>{"s.inp", "s.out", "s.aux", "s.Lst"}));
}

class GammaOutputTest : public SaveRunTest, public testing::WithParamInterface<int> {};

TEST_P(GammaOutputTest, ValuesSectionFollowsExceptForCode61) {
  steps_.chosenCode = GetParam();
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  const std::string out = ReadAll(Companion(".out"));
  EXPECT_EQ(out.find(" Confidence limits") != std::string::npos, GetParam() != 61);
  EXPECT_EQ(out.rfind(" RESULTS OF Quarlin PROGRAM\r\n", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Codes, GammaOutputTest, testing::Values(61, 62, 20));

class AlmostDoneTest : public SaveRunTest, public testing::WithParamInterface<int> {};

TEST_P(AlmostDoneTest, ShownOnlyAbove250Data) {
  ASSERT_EQ(Run(Cells(GetParam())).outcome, RunOutcome::Done);
  const auto tail = From("step: AnalyseConfidence");
  ASSERT_GE(tail.size(), 2u);
  if (GetParam() > 250)
    EXPECT_EQ(tail[1], "progress:  Almost done ...");
  else
    EXPECT_EQ(tail[1], "step: FinalAnalysis");
}

INSTANTIATE_TEST_SUITE_P(Sizes, AlmostDoneTest, testing::Values(250, 251));

}  // namespace
}  // namespace quarlin
