#pragma once
// A main-window controller with scripted dialogs, run on the test's own
// thread, and a fresh folder for its files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/run_doubles.h"
#include "data/run_session.h"
#include "data/temp_dir.h"
#include "ui/control/main_controller.h"

namespace quarlin::testing_support {

// A column of `n` distinct values as a spreadsheet puts it on the
// clipboard.
inline std::string Column(int n, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (int i = 1; i <= n; ++i)
    text += std::to_string(10 + (i * 37) % 101) + "." + std::to_string(i % 10) + lineEnd;
  return text;
}

class ControllerTest : public ::testing::Test {
 protected:
  explicit ControllerTest(char separator = '.')
      : dialogs(events),
        controller(dialogs, thread, session,
                   ui::ControllerSettings{separator, dir.path().string(), 0}) {}

  const ui::MainWindowModel& model() const { return controller.Model(); }
  const std::vector<ui::GridRow>& grid() const { return model().input.grid; }

  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (const auto& row : grid()) values.push_back(row.value);
    return values;
  }

  // Events since the last call.
  Events Take() {
    Events taken = std::move(events);
    events.clear();
    return taken;
  }

  void EnterNrOfData(const std::string& text) {
    controller.SetNrOfDataText(text);
    controller.NrOfDataEditExit();
  }

  TempDir dir;
  Events events;
  ScriptedDialogs dialogs;
  ui::SameThread thread;
  RunSession session;
  ui::MainController controller;
};

}  // namespace quarlin::testing_support
