// A run that a fault ends (an exception from inside the engine): the window
// shows the program's fault message, stays on the Input page as it was
// before the run and takes the next run; no temporary file or lock is left
// and an earlier run's files stay as they were.
#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <set>
#include <stdexcept>
#include <system_error>

#include "data/run_doubles.h"
#include "data/run_session.h"
#include "data/temp_dir.h"
#include "ui/control/main_controller.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

using ui::Page;

struct FaultCase {
  const char* name;
  const char* step;
  std::exception_ptr fault;
  const char* words;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class RunFaultWindowTest : public testing::TestWithParam<FaultCase> {
 protected:
  RunFaultWindowTest()
      : dialogs(events),
        session(steps),
        controller(dialogs, thread, session, ui::ControllerSettings{'.', dir.path().string(), 0}) {
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      WriteAll(dir / (std::string("run") + extension), std::string("earlier ") + extension);
    dialogs.saveFile = (dir / "run.inp").string();
    controller.ShowPage(Page::Input);
    controller.SetEditText(0, Column(20));
    steps.throwAt = GetParam().step;
    steps.fault = GetParam().fault;
  }

  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (const auto& row : controller.Model().input.grid) values.push_back(row.value);
    return values;
  }

  TempDir dir;
  Events events;
  ScriptedDialogs dialogs;
  StopRequest stop;
  FakeEngineSteps steps{events, stop};
  RunSession session;
  ui::SameThread thread;
  ui::MainController controller;
};

TEST_P(RunFaultWindowTest, ShowsTheFaultAndTakesTheNextRun) {
  const std::vector<std::string> typed = Values();
  const RunState before = controller.State();
  events.clear();
  controller.InputSaveActionExecute();

  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), std::string("message: A program error occurred. ") + GetParam().words +
                               " The run was not finished and its temporary files were removed.");
  const auto& model = controller.Model();
  EXPECT_FALSE(model.running);
  EXPECT_FALSE(model.input.waitShown);
  EXPECT_EQ(model.page, Page::Input);
  EXPECT_TRUE(model.saveActionEnabled);
  EXPECT_FALSE(model.output.reportShown);
  EXPECT_EQ(Values(), typed);
  EXPECT_EQ(controller.State().FileName, before.FileName);
  EXPECT_EQ(controller.State().NrOfData, before.NrOfData);
  EXPECT_EQ(controller.State().Preference, before.Preference);
  EXPECT_EQ(dir.Names(), (std::set<std::string>{"run.inp", "run.out", "run.aux", "run.Lst"}));
  for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
    EXPECT_EQ(ReadAll(dir / (std::string("run") + extension)), std::string("earlier ") + extension);

  steps.throwAt.clear();
  controller.InputSaveActionExecute();
  EXPECT_EQ(model.page, Page::Output);
  EXPECT_TRUE(model.output.reportShown);
  EXPECT_EQ(controller.State().FileName, (dir / "run.out").string());
  EXPECT_NE(ReadAll(dir / "run.inp"), "earlier .inp");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RunFaultWindowTest,
    testing::Values(
        FaultCase{"TableLogicError", "FitAll",
                  std::make_exception_ptr(std::logic_error("no distribution row for code 99")),
                  "no distribution row for code 99."},
        FaultCase{"ThreadNotStarted", "FitAll",
                  std::make_exception_ptr(std::system_error(EAGAIN, std::generic_category())),
                  "Resource temporarily unavailable."},
        FaultCase{"OutOfMemory", "AnalyseConfidence", std::make_exception_ptr(std::bad_alloc()),
                  "std::bad_alloc."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlin::testing_support
