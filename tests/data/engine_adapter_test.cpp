// Whole runs with the real engine: every preference text, and best of all,
// from typed values to the four files.
#include "data/engine_adapter.h"

#include "data/run_session.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "common/text_file.h"
#include "data/messages.h"
#include "data/stop_request.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/catalogue/normal_variable.h"
#include "engine/model/normal_cdf.h"
#include "run_fixture.h"

namespace quarlin {
namespace {

using testing_support::ReadAll;

// Skewed values with ties, like yearly maxima: a Gumbel law and a bump.
std::vector<std::string> GumbelCells(int N) {
  std::vector<std::string> cells;
  for (int i = 1; i <= N; ++i) {
    const double F = (i * 7 % N + 0.5) / N;
    cells.push_back(std::to_string(40.0 - 8.0 * std::log(-std::log(F)) + (i % 4) * 0.5));
  }
  return cells;
}

// A Save-Run through the entry point in a fresh folder with the engine's own
// steps.
class EngineRunFixture : public ::testing::Test {
 protected:
  EngineRunFixture() { dialogs_.saveFile = Companion(".inp"); }

  std::string Companion(const std::string& extension) const {
    return (dir_ / ("s" + extension)).string();
  }

  RunResult Run(std::vector<std::string> cells) {
    input_.Title1 = "first title";
    input_.Title2 = "second title";
    input_.Cells = std::move(cells);
    input_.NrOfClassesText = "5";
    return session_->SaveRun(state_, input_, frontEnd_);
  }
  const EngineData& engine() const { return session_->Engine(); }

  testing_support::TempDir dir_;
  testing_support::Events events_;
  testing_support::ScriptedDialogs dialogs_{events_};
  testing_support::LoggingProgress progress_{events_};
  NumberConversion numbers_{'.'};
  StopRequest stop_;
  FrontEnd frontEnd_{dialogs_, progress_, numbers_, {}, &stop_};
  // The product's fits unless a test hands others.
  std::optional<RunSession> session_{std::in_place};
  RunState state_;
  SaveRunInput input_;
};

class EngineRunTest : public EngineRunFixture, public ::testing::WithParamInterface<const char*> {};

struct Row {
  double X = 0, Fk = 0;
};

// The rows of the printed observation table.
std::vector<Row> ObservationRows(const std::string& out, int N) {
  const std::vector<std::string> lines = SplitLines(out);
  size_t head = 0;
  while (head < lines.size() && lines[head].rfind(" Obs", 0) != 0) ++head;
  std::vector<Row> rows;
  for (int i = 1; i <= N && head + 4 + i < lines.size(); ++i) {
    std::istringstream in(lines[head + 4 + i]);
    double X, serial, Fo, Fk;
    in >> X >> serial >> Fo >> Fk;
    rows.push_back({X, Fk});
  }
  return rows;
}

// The report's calculated frequencies are the chosen distribution's own,
// evaluated at the ranked data; the parameter file names the code and ends
// with the shift constant.
TEST_P(EngineRunTest, PreferredDistributionIsReportedAndItsParametersKept) {
  const int N = 24;
  state_.Preference = GetParam();
  ASSERT_EQ(Run(GumbelCells(N)).outcome, RunOutcome::Done);
  const int code = engine().ChosenCode;
  ASSERT_NE(code, 0);
  const std::string out = ReadAll(Companion(".out"));
  EXPECT_NE(out.find(" Probability distribution preferred by user.\r\n"), std::string::npos);
  const std::vector<Row> rows = ObservationRows(out, N);
  ASSERT_EQ(static_cast<int>(rows.size()), N);
  long double previous = 0;
  for (int i = 1; i <= N; ++i) {
    long double F;
    if (IsNormalFamily(code)) {
      F = NormalMemberF(code, engine().sample.X[i], engine().Chosen.params.normal);
    } else {
      // Held within (0, 1) and made non-decreasing, as the report shows it.
      F = Evaluate(code, engine().sample.X[i], engine().Chosen.params, EvalSite::DataPoint(i))->F;
      if (code == 34 && F < 0.001L) F = 0.001L;
      if (!(F >= 0)) F = 0.001L;
      if (F > 1) F = 0.999L;
      if (F < previous) F = previous;
    }
    previous = F;
    if (F > 0) {
      EXPECT_NEAR(rows[i - 1].Fk, std::min(100 * F, 99.99L), 0.006) << "rank " << i;
    }
  }
  const auto aux = SplitLines(ReadAll(Companion(".aux")));
  ASSERT_GE(aux.size(), 3u);
  EXPECT_EQ(aux[0], " Parameters for internal use, do not remove.");
  EXPECT_EQ(aux[1], std::to_string(code));
  EXPECT_EQ(aux.back(), " 1.00000000000000E-0004");
  EXPECT_FALSE(std::filesystem::exists(Companion(".Lst")));
}

INSTANTIATE_TEST_SUITE_P(Preferences, EngineRunTest,
                         ::testing::Values("3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                           "13", "14", "15", "16", "17", "18", "20", "21", "22",
                                           "23", "24", "25", "26", "31", "32", "33", "34", "35",
                                           "39", "51", "52", "53", "54", "55", "56", "57", "58",
                                           "59", "60", "61", "62", "64", "65", "66", "67", "68",
                                           "69", "70", "71", "72", "73", "90", "80", "81", "82",
                                           "83", "84", "85"));

class BestOfAllRunTest : public EngineRunFixture {};

TEST_F(BestOfAllRunTest, ListIsSortedAndHeadedByTheChosenDistribution) {
  state_.OptionIndex = 1;
  ASSERT_EQ(Run(GumbelCells(30)).outcome, RunOutcome::Done);
  const auto list = SplitLines(ReadAll(Companion(".Lst")));
  ASSERT_GT(list.size(), 10u);
  double last = -1;
  for (size_t i = 8; i < list.size(); i += 3) {
    const double average = std::stod(list[i].substr(10));
    EXPECT_GE(average, last);
    last = average;
  }
  EXPECT_NEAR(std::stod(list[8].substr(10)), state_.AvAbsDiff, 0.00005)
      << "the chosen distribution heads the list unless Gamma does";
  EXPECT_EQ(ReadAll(Companion(".out")).find(" Probability distribution preferred by user."),
            std::string::npos);
}

// The product's fits, noting the threads that ran them.
class ThreadNotingFits : public CandidateFits {
 public:
  FitResult Regression(const Sample& s, const RegressionMember& m) const override {
    Note();
    return CandidateFits::Regression(s, m);
  }
  FitResult OwnFormula(const Sample& s, int code) const override {
    Note();
    return CandidateFits::OwnFormula(s, code);
  }
  StudentFits Student(const Sample& s) const override {
    Note();
    return CandidateFits::Student(s);
  }
  NormalFit Normal(const Sample& s, int code) const override {
    Note();
    return CandidateFits::Normal(s, code);
  }
  FitResult Composite(const Sample& s, int code) const override {
    Note();
    return CandidateFits::Composite(s, code);
  }

  std::set<std::thread::id> Threads() const {
    std::lock_guard lock(mutex_);
    return threads_;
  }

 private:
  void Note() const {
    std::lock_guard lock(mutex_);
    threads_.insert(std::this_thread::get_id());
  }
  mutable std::mutex mutex_;
  mutable std::set<std::thread::id> threads_;
};

TEST_F(BestOfAllRunTest, AdapterFitsWithTheFitsAndThreadsGiven) {
  ThreadNotingFits fits;
  session_.emplace(fits, 1);
  ASSERT_EQ(Run(GumbelCells(30)).outcome, RunOutcome::Done);
  EXPECT_NE(engine().ChosenCode, 0);
  EXPECT_EQ(fits.Threads(), std::set<std::thread::id>{std::this_thread::get_id()});
}

TEST_F(BestOfAllRunTest, AdapterFitsAheadOnTheThreadsGiven) {
  ThreadNotingFits fits;
  session_.emplace(fits, 2);
  ASSERT_EQ(Run(GumbelCells(30)).outcome, RunOutcome::Done);
  EXPECT_FALSE(fits.Threads().empty());
  EXPECT_FALSE(fits.Threads().count(std::this_thread::get_id()))
      << "with workers, the run's own thread only takes their results";
}

// The product's fits, keeping the data they were handed.
class DataNotingFits : public CandidateFits {
 public:
  FitResult Regression(const Sample& s, const RegressionMember& m) const override {
    seen = s.X;
    return CandidateFits::Regression(s, m);
  }
  mutable std::vector<long double> seen;
};

class ReportedDataTest : public EngineRunFixture {};

// The class count moves values that lie within 0.0001 of a class limit onto
// it, and the report prints the moved ones; the run's sample must still hold
// what the fits saw, for whatever reads it after the report.
TEST_F(ReportedDataTest, SampleStaysAsTheFitsSawIt) {
  DataNotingFits fits;
  session_.emplace(fits, 1);
  state_.Preference = "4";
  // Limits 0.0002, 0.00038, 0.00056, ...: most values are near one.
  ASSERT_EQ(Run({"0.0002", "0.0003", "0.0005", "0.0006", "0.0008", "0.0012"}).outcome,
            RunOutcome::Done);
  ASSERT_EQ(fits.seen.size(), 7u);
  EXPECT_EQ(engine().sample.X, fits.seen);
  ASSERT_EQ(engine().Classes.values.size(), 7u);
  EXPECT_NE(engine().Classes.values, fits.seen) << "no value was moved: the case tests nothing";
  // The observation table prints the moved values, with 4 decimals here.
  const std::vector<Row> rows = ObservationRows(ReadAll(Companion(".out")), 6);
  ASSERT_EQ(rows.size(), 6u);
  for (int i = 1; i <= 6; ++i)
    EXPECT_NEAR(rows[i - 1].X, static_cast<double>(engine().Classes.values[i]), 0.5e-4) << i;
}

// The product's fits, asking the run to stop when `count` of them are done.
class StoppingFits : public CandidateFits {
 public:
  StoppingFits(StopRequest& stop, int count) : stop_(stop), count_(count) {}
  FitResult Regression(const Sample& s, const RegressionMember& m) const override {
    Count();
    return CandidateFits::Regression(s, m);
  }
  FitResult OwnFormula(const Sample& s, int code) const override {
    Count();
    return CandidateFits::OwnFormula(s, code);
  }
  StudentFits Student(const Sample& s) const override {
    Count();
    return CandidateFits::Student(s);
  }
  NormalFit Normal(const Sample& s, int code) const override {
    Count();
    return CandidateFits::Normal(s, code);
  }
  FitResult Composite(const Sample& s, int code) const override {
    Count();
    return CandidateFits::Composite(s, code);
  }
  int Calls() const { return calls_; }

 private:
  void Count() const {
    if (++calls_ == count_) stop_.Request();
  }
  StopRequest& stop_;
  const int count_;
  mutable std::atomic<int> calls_{0};
};

struct StopCase {
  int threads;
  int fits;  // done when the stop is asked for
};

class StoppedRunTest : public EngineRunFixture, public ::testing::WithParamInterface<StopCase> {};

// A best-of-all run stopped between two fits: no further fit on its own
// thread, nothing of the run left in the folder, and the earlier run's
// input file, report, parameter file and ranked list as they were.
TEST_P(StoppedRunTest, EndsBetweenFitsAndKeepsTheEarlierOutputs) {
  const std::map<std::string, std::string> earlier = {
      {".inp", " Input data for Quarlin program\r\n earlier\r\n"},
      {".out", " RESULTS OF Quarlin PROGRAM\r\n earlier\r\n"},
      {".aux", " Parameters for internal use, do not remove.\r\n4\r\n"},
      {".Lst", " List of AVERAGES\r\n earlier\r\n"}};
  for (const auto& [extension, text] : earlier)
    testing_support::WriteAll(Companion(extension), text);
  StoppingFits fits(stop_, GetParam().fits);
  session_.emplace(fits, GetParam().threads);
  state_.OptionIndex = 1;
  EXPECT_EQ(Run(GumbelCells(40)).outcome, RunOutcome::Cancelled);
  if (GetParam().threads == 1) {
    EXPECT_EQ(fits.Calls(), GetParam().fits);
  } else {
    EXPECT_GE(fits.Calls(), GetParam().fits);
  }
  EXPECT_EQ(events_.back(), std::string("message: ") + kRunStoppedMessage);
  EXPECT_EQ(dir_.Names(), (std::set<std::string>{"s.inp", "s.out", "s.aux", "s.Lst"}));
  for (const auto& [extension, text] : earlier) EXPECT_EQ(ReadAll(Companion(extension)), text);
}

INSTANTIATE_TEST_SUITE_P(Fits, StoppedRunTest,
                         ::testing::Values(StopCase{1, 1}, StopCase{1, 9}, StopCase{2, 3}),
                         [](const auto& info) {
                           return "Threads" + std::to_string(info.param.threads) + "After" +
                                  std::to_string(info.param.fits);
                         });

}  // namespace
}  // namespace quarlin
