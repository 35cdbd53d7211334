// The entry point: what it keeps between runs and the preferences it takes.
#include "data/run_session.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/driver/fit_all.h"
#include "run_fixture.h"

namespace quarlin {
namespace {

using testing_support::Cells;

class RunSessionTest : public testing_support::RunFixture {};

// A front end that reads the engine data after a refused run must not find
// the previous run's choice there.
TEST_F(RunSessionTest, EveryRunRebuildsTheEngineData) {
  ASSERT_EQ(Run(Cells(6)).outcome, RunOutcome::Done);
  ASSERT_EQ(engine().ChosenCode, 57);
  ASSERT_TRUE(engine().ResultsReady);
  ASSERT_EQ(Run(Cells(5)).outcome, RunOutcome::Refused);
  EXPECT_EQ(engine().ChosenCode, 0);
  EXPECT_FALSE(engine().ResultsReady);
  EXPECT_EQ(engine().sample.N, 0);
}

// The list that front ends offer and the batch command checks must agree
// with what the fit-all driver fits.
TEST(PreferenceTextsTest, NameExactlyTheDistributionsTheDriverFits) {
  const auto& texts = PreferenceTexts();
  const std::set<std::string> unique(texts.begin(), texts.end());
  EXPECT_EQ(unique.size(), texts.size());
  EXPECT_EQ(texts.front(), kBestOfAll);
  for (const auto& text : texts) {
    if (text != kBestOfAll) {
      EXPECT_NE(PreferredCode(text), 0) << text;
    }
  }
  for (int number = 2; number <= 99; ++number) {
    const std::string text = std::to_string(number);
    if (PreferredCode(text) != 0) {
      EXPECT_TRUE(unique.count(text)) << text;
    }
  }
}

}  // namespace
}  // namespace quarlin
