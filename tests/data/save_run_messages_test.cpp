// Every message of Save-Run in its situation, and what each failure leaves.
#include "data/save_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/text_file.h"
#include "data/messages.h"
#include "run_fixture.h"

namespace quarlin {
namespace {

using testing_support::Cells;
using testing_support::Events;
using testing_support::ReadAll;
using testing_support::WriteAll;

class SaveRunMessagesTest : public testing_support::RunFixture {
 protected:
  // A state as a previous command left it.
  void SetUp() override {
    state_.Values = {7, 8, 9};
    state_.Serial = {1, 2, 3};
    state_.Removed = {0, 0, 0};
    state_.NrOfData = 3;
  }
  void ExpectStateUntouched() const {
    EXPECT_EQ(state_.Values, (DataArrayR{7, 8, 9}));
    EXPECT_EQ(state_.NrOfData, 3);
  }
};

TEST_F(SaveRunMessagesTest, CancelledChoiceSavesNothing) {
  dialogs_.saveFile.reset();
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::NotSaved);
  EXPECT_EQ(events_, (Events{"choose save file: [Input files (*.inp) | *.inp]",
                             "message: The input data were not saved"}));
  EXPECT_TRUE(dir_.Names().empty());
  ExpectStateUntouched();
}

TEST_F(SaveRunMessagesTest, RefusedOverwriteKeepsTheFile) {
  WriteAll(Inp(), "old contents");
  dialogs_.answer = false;
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::NotSaved);
  EXPECT_EQ(From("question"), (Events{"question: The file already exists, overwrite?",
                                      "message: The input data were not saved"}));
  EXPECT_EQ(ReadAll(Inp()), "old contents");
  EXPECT_EQ(state_.FileName, Inp());
  ExpectStateUntouched();
}

TEST_F(SaveRunMessagesTest, AcceptedOverwriteRuns) {
  WriteAll(Inp(), "old contents");
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  EXPECT_TRUE(Logged("question: The file already exists, overwrite?"));
}

TEST_F(SaveRunMessagesTest, NoQuestionForANewFile) {
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  EXPECT_TRUE(From("question").empty());
}

struct RefusalCase {
  std::string name;
  std::vector<std::string> cells;
  std::string classes;
  std::string message;  // empty: the values pass
};

class RefusalTest : public SaveRunMessagesTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, RefusesBeforeAnythingIsWritten) {
  WriteAll(Companion(".Lst"), "list of an earlier run");
  steps_.noVariation = true;  // a passing check only needs to reach the fit
  const RunResult result = Run(GetParam().cells, GetParam().classes);
  if (GetParam().message.empty()) {
    EXPECT_EQ(result.outcome, RunOutcome::Stopped);
    EXPECT_EQ(result.refused, RefusedEntry::None);
    EXPECT_TRUE(Logged("step: FitAll"));
    return;
  }
  EXPECT_EQ(result.outcome, RunOutcome::Refused);
  EXPECT_EQ(From("message"), Events{"message: " + GetParam().message});
  // The values are checked first; the class count only when they pass.
  EXPECT_EQ(result.refused, GetParam().message == kClassesOutOfRangeMessage ? RefusedEntry::Classes
                                                                            : RefusedEntry::Values);
  EXPECT_EQ(dir_.Names(), std::set<std::string>{"s.Lst"});
  ExpectStateUntouched();
}

std::vector<std::string> WithZeros(int zeros, int rows) {
  std::vector<std::string> cells(rows, "2.5");
  for (int i = 0; i < zeros; ++i) cells[i] = i % 2 ? "0.0" : "0";
  return cells;
}

std::vector<std::string> Many(int n) {
  std::vector<std::string> cells(n, "1");
  cells[7] = "2";
  return cells;
}

std::vector<std::string> With(std::vector<std::string> cells, int at, const std::string& text) {
  cells[at] = text;
  return cells;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusalTest,
    testing::Values(
        RefusalCase{"FewerThanSixRows", Cells(5), "5", kMinimumDataMessage},
        RefusalCase{"SixRowsOneEmpty", With(Cells(6), 0, ""), "5", kMinimumDataMessage},
        RefusalCase{"SevenRowsOneEmpty", With(Cells(7), 0, ""), "5", ""},
        RefusalCase{"NotANumber", With(Cells(6), 3, "1,5"), "5",
                    std::string(kNotRealMessage) + ": row 4 \"1,5\""},
        RefusalCase{"Letters", With(Cells(6), 5, "abc"), "5",
                    std::string(kNotRealMessage) + ": row 6 \"abc\""},
        RefusalCase{"BlanksOnly", With(Cells(6), 0, " "), "5",
                    std::string(kNotRealMessage) + ": row 1 \" \""},
        RefusalCase{"EveryRowNamed", With(With(Cells(8), 1, "x"), 7, "2..5"), "5",
                    std::string(kNotRealMessage) + ": row 2 \"x\", row 8 \"2..5\""},
        RefusalCase{"BeforeTooFewData", With(Cells(5), 4, "y"), "5",
                    std::string(kNotRealMessage) + ": row 5 \"y\""},
        RefusalCase{"TenRowsNamedTheRestCounted", std::vector<std::string>(13, "z"), "5",
                    std::string(kNotRealMessage) +
                        ": row 1 \"z\", row 2 \"z\", row 3 \"z\", row 4 \"z\", row 5 \"z\", "
                        "row 6 \"z\", row 7 \"z\", row 8 \"z\", row 9 \"z\", row 10 \"z\", "
                        "and 3 more"},
        RefusalCase{"HalfZeros", WithZeros(4, 8), "5", ""},
        RefusalCase{"MoreThanHalfZeros", WithZeros(5, 8), "5", kTooManyZerosMessage},
        RefusalCase{"MaxData", Many(2500), "5", ""},
        RefusalCase{"TooManyData", Many(2501), "5", kTooManyDataMessage},
        RefusalCase{"TooManyRowsButEmpty", With(Many(2501), 0, ""), "5", ""},
        RefusalCase{"AtLowLimit", With(Cells(6), 2, "-1000000"), "5", kValueTooLowMessage},
        RefusalCase{"BelowLowLimit", With(Cells(6), 2, "-1E7"), "5", kValueTooLowMessage},
        RefusalCase{"StoredAtLowLimit", With(Cells(6), 2, "-999999.999"), "5", kValueTooLowMessage},
        RefusalCase{"AboveLowLimit", With(Cells(6), 2, "-999999.99"), "5", ""},
        RefusalCase{"SquaresBeyondADouble", With(Cells(6), 2, "1.4e154"), "5",
                    kSquaresOverflowMessage},
        RefusalCase{"SpreadBeyondADouble", With(Cells(6), 2, "1e154"), "5",
                    kSquaresOverflowMessage},
        RefusalCase{"SquaresWithinADouble", With(Cells(6), 2, "1e153"), "5", ""},
        RefusalCase{"OneClass", Cells(6), "1", kClassesOutOfRangeMessage},
        RefusalCase{"TwoClasses", Cells(6), "2", ""},
        RefusalCase{"FiftyClasses", Cells(6), "50", ""},
        RefusalCase{"FiftyOneClasses", Cells(6), "51", kClassesOutOfRangeMessage},
        RefusalCase{"ClassesNotANumber", Cells(6), "x", kClassesOutOfRangeMessage},
        RefusalCase{"ValuesAndClasses", With(Cells(6), 3, "abc"), "1",
                    std::string(kNotRealMessage) + ": row 4 \"abc\""}),
    [](const auto& info) { return info.param.name; });

TEST_F(SaveRunMessagesTest, UnwritableInputFileStopsTheRun) {
  dialogs_.saveFile = (dir_ / "missing" / "s.inp").string();
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::NotWritten);
  EXPECT_EQ(
      From("message"),
      Events{"message: " + CouldNotOpenMessage(*dialogs_.saveFile, "No such file or directory")});
  EXPECT_TRUE(From("step").empty());
  EXPECT_TRUE(From("progress").empty());
  ExpectStateUntouched();
}

// The input file is kept only with the report made from it.
TEST_F(SaveRunMessagesTest, NoVariationLeavesNoFileBehind) {
  steps_.noVariation = true;
  EXPECT_EQ(Run({"5", "5", "5", "5", "5", "5"}).outcome, RunOutcome::Stopped);
  EXPECT_EQ(From("step"),
            (Events{"step: FitAll", "message: No variation between data. Program stops running"}));
  EXPECT_TRUE(dir_.Names().empty());
  EXPECT_EQ(state_.NrOfData, 6);
  EXPECT_FALSE(engine().ResultsReady);
  EXPECT_EQ(state_.FileName, Inp());
}

TEST_F(SaveRunMessagesTest, NoVariationKeepsTheEarlierOutputs) {
  WriteEarlierOutputs();
  steps_.noVariation = true;
  EXPECT_EQ(Run({"5", "5", "5", "5", "5", "5"}).outcome, RunOutcome::Stopped);
  ExpectEarlierOutputsOnly();
}

TEST_F(SaveRunMessagesTest, NoDataIsRefusedBeforeTheFit) {
  EXPECT_EQ(Run({"", "", "", "", "", ""}).outcome, RunOutcome::Refused);
  EXPECT_FALSE(Logged("step: FitAll"));
  EXPECT_EQ(events_.back(), std::string("message: ") + kMinimumDataMessage);
  EXPECT_TRUE(dir_.Names().empty());
}

// Data below 0.0004, which the run would shift to the left, span fewer
// than ten steps of the report's fourth decimal: they are refused before
// any file is written, with the report's reason.
TEST_F(SaveRunMessagesTest, LeftShiftDataAreRefusedAsIndistinct) {
  EXPECT_EQ(Run({"0.00011", "0.00012", "0.0002", "0.00025", "0.0003", "0.00035"}).outcome,
            RunOutcome::Refused);
  EXPECT_EQ(events_.back(),
            "message: The values lie too close together for the report to tell them apart: it "
            "prints X with 4 decimals, and the largest and the smallest value are less than "
            "0.001 apart. Multiply the values by a power of ten or use other units. Input is "
            "invalid.");
  EXPECT_FALSE(engine().sample.HighShift);
}

// The input file's reduction is told before the run goes on with it.
TEST_F(SaveRunMessagesTest, MergingReductionIsWarnedAndTheRunGoesOn) {
  std::vector<std::string> cells;
  for (int i = 1; i <= 60; ++i)
    cells.push_back("1.0" + std::string(i < 10 ? "0" : "") + std::to_string(i));
  EXPECT_EQ(Run(cells).outcome, RunOutcome::Done);
  const std::string warning =
      "message: Warning: the input file keeps two decimals from 1 upwards and two significant "
      "digits below 1, and that changes these data: 60 different values become 7. The "
      "calculation uses the values as the input file keeps them; multiply the values by a "
      "power of ten or use other units to keep them as they are.";
  EXPECT_EQ(std::count(events_.begin(), events_.end(), warning), 1) << events_.front();
}

class StepFailureTest : public SaveRunMessagesTest,
                        public testing::WithParamInterface<std::string> {};

TEST_P(StepFailureTest, ShowsTheStepsMessageAndKeepsTheEarlierOutputs) {
  WriteEarlierOutputs();
  steps_.failAt = GetParam();
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::Stopped);
  EXPECT_EQ(From("step: " + GetParam()),
            (Events{"step: " + GetParam(), "message: step " + GetParam() + " failed"}));
  ExpectEarlierOutputsOnly();
  EXPECT_FALSE(engine().ResultsReady);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepFailureTest,
                         testing::Values("FitAll", "EvaluateCalculated", "EvaluateIntervals",
                                         "WriteReport", "AnalyseConfidence", "FinalAnalysis"));

TEST_F(SaveRunMessagesTest, MissingParameterFileLeavesTheCalculatorHint) {
  steps_.writeAux = false;
  EXPECT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  const Events tail = From("progress:  Filing results ..");
  ASSERT_EQ(tail.size(), 5u);
  EXPECT_EQ(tail[2], std::string("message: ") + kNoAuxMessage);
  EXPECT_EQ(tail[3], "step: ResortRankedList");
  EXPECT_EQ(state_.AuxCode, 0);
}

TEST_F(SaveRunMessagesTest, FailedResortIsShownAndTheRunStillCounts) {
  steps_.failAt = "ResortRankedList";
  const RunResult result = Run(Cells(6));
  EXPECT_EQ(result.outcome, RunOutcome::Done);
  EXPECT_FALSE(result.rankedListShown);
  const Events tail = From("step: ResortRankedList");
  ASSERT_EQ(tail.size(), 3u);
  EXPECT_EQ(tail[1], "message: step ResortRankedList failed");
  EXPECT_EQ(tail[2].rfind("message: The input is saved in ", 0), 0u);
}

}  // namespace
}  // namespace quarlin
