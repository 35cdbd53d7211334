// A run that its front end asks to stop: where it ends and what it leaves.
#include "data/calculation_driver.h"

#include <gtest/gtest.h>

#include "data/messages.h"
#include "run_fixture.h"

namespace quarlin {
namespace {

using testing_support::Cells;
using testing_support::Events;
using testing_support::ReadAll;

class StopTest : public testing_support::RunFixture {};

class StopAtStepTest : public StopTest, public testing::WithParamInterface<std::string> {};

// The step during which the stop is asked for is the last one; the earlier
// run's outputs stay whole and the run's temporaries go.
TEST_P(StopAtStepTest, EndsAfterTheStepAndKeepsTheEarlierOutputs) {
  WriteEarlierOutputs();
  steps_.stopAt = GetParam();
  EXPECT_EQ(Run(Cells(8)).outcome, RunOutcome::Cancelled);
  EXPECT_EQ(From("step: " + GetParam()),
            (Events{"step: " + GetParam(), std::string("message: ") + kRunStoppedMessage}));
  ExpectEarlierOutputsOnly();
  EXPECT_FALSE(engine().ResultsReady);
  EXPECT_EQ(state_.FileName, Inp());
}

INSTANTIATE_TEST_SUITE_P(Steps, StopAtStepTest,
                         testing::Values("FitAll", "EvaluateCalculated", "TempParameters",
                                         "EvaluateIntervals", "WriteReport", "AnalyseConfidence",
                                         "FinalAnalysis"));

TEST_F(StopTest, ARequestMadeBeforeTheRunStopsItBeforeTheFit) {
  WriteEarlierOutputs();
  stop_.Request();
  EXPECT_EQ(Run(Cells(8)).outcome, RunOutcome::Cancelled);
  EXPECT_TRUE(From("step").empty());
  EXPECT_EQ(events_.back(), std::string("message: ") + kRunStoppedMessage);
  ExpectEarlierOutputsOnly();
}

// Once the new outputs are in place the run is done, whatever is asked.
TEST_F(StopTest, ARequestAfterTheOutputsAreKeptIsTooLate) {
  WriteEarlierOutputs();
  steps_.stopAt = "ResortRankedList";
  const RunResult result = Run(Cells(8));
  EXPECT_EQ(result.outcome, RunOutcome::Done);
  EXPECT_TRUE(result.rankedListShown);
  EXPECT_EQ(ReadAll(Companion(".Lst")), " List\r\n");
  EXPECT_TRUE(engine().ResultsReady);
}

}  // namespace
}  // namespace quarlin
