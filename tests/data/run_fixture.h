#pragma once
// A Save-Run through the entry point in a fresh folder, with the test
// doubles for the engine's steps and the front end.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/engine_data.h"
#include "data/number_reading.h"
#include "data/run_session.h"
#include "data/run_state.h"
#include "run_doubles.h"
#include "temp_dir.h"

namespace quarlin::testing_support {

// `count` cells 1, 2, 3, ... as typed text.
inline std::vector<std::string> Cells(int count) {
  std::vector<std::string> cells;
  for (int i = 1; i <= count; ++i) cells.push_back(std::to_string(i));
  return cells;
}

class RunFixture : public ::testing::Test {
 protected:
  RunFixture() { dialogs_.saveFile = Inp(); }

  std::string Inp() const { return (dir_ / "s.inp").string(); }
  std::string Companion(const std::string& extension) const {
    return (dir_ / ("s" + extension)).string();
  }

  RunResult Run(std::vector<std::string> cells, std::string classes = "5") {
    input_.Title1 = "first title";
    input_.Title2 = "second title";
    input_.Cells = std::move(cells);
    input_.NrOfClassesText = std::move(classes);
    return session_.SaveRun(state_, input_, frontEnd_);
  }

  // The *.inp, *.out, *.aux and *.Lst of an earlier run under the same name.
  void WriteEarlierOutputs() const {
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      WriteAll(Companion(extension), std::string("earlier ") + extension + "\r\n");
  }
  // The folder holds the earlier run's files, untouched: a run that did not
  // finish leaves no file of its own beside them.
  void ExpectEarlierOutputsOnly() const {
    EXPECT_EQ(dir_.Names(), (std::set<std::string>{"s.inp", "s.out", "s.aux", "s.Lst"}));
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      EXPECT_EQ(ReadAll(Companion(extension)), std::string("earlier ") + extension + "\r\n");
  }

  // The events from the first one that starts with `prefix`.
  Events From(const std::string& prefix) const {
    for (size_t i = 0; i < events_.size(); ++i)
      if (events_[i].rfind(prefix, 0) == 0) return Events(events_.begin() + i, events_.end());
    return {};
  }

  const EngineData& engine() const { return session_.Engine(); }

  bool Logged(const std::string& event) const {
    return std::find(events_.begin(), events_.end(), event) != events_.end();
  }

  TempDir dir_;
  Events events_;
  ScriptedDialogs dialogs_{events_};
  LoggingProgress progress_{events_};
  StopRequest stop_;
  FakeEngineSteps steps_{events_, stop_};
  NumberConversion numbers_{'.'};
  FrontEnd frontEnd_{dialogs_, progress_, numbers_, [this] { events_.push_back("pause"); }, &stop_};
  RunSession session_{steps_};
  RunState state_;
  SaveRunInput input_;
};

}  // namespace quarlin::testing_support
