#pragma once
// The desktop program on the offscreen platform, with dialogs that answer
// from a script and remember what they were asked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <memory>
#include <mutex>

#include "data/run_doubles.h"
#include "data/temp_dir.h"
#include "ui/qt/desktop_program.h"
#include "ui/qt/value_grid.h"

namespace quarlin::testing_support {

// The one application object of the window tests, made on first use.
inline void EnsureApplication() {
  if (!QApplication::instance()) {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
}

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  explicit WindowTest(int pauseMs = 0) : dialogs(events) {
    ui::ControllerSettings settings = ui::DesktopProgram::SystemSettings();
    settings.startDir = dir.path().string();
    settings.pauseMs = pauseMs;
    dialogs.saveFile = (dir / "window.inp").string();
    program = std::make_unique<ui::DesktopProgram>(&dialogs, settings);
    window().show();
    QApplication::processEvents();
  }

  ui::MainWindow& window() { return program->Window(); }
  const ui::MainWindowModel& model() { return program->Controller().Model(); }

  template <typename T>
  T* Find(const char* name) {
    T* found = window().findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // A number text of ours as the user types it, under the window's
  // decimal separator, and a number the window shows read back.
  std::string Local(std::string text) {
    for (char& c : text)
      if (c == '.') c = program->Controller().DecimalSeparator();
    return text;
  }
  static double Number(QString text) { return text.replace(',', '.').toDouble(); }

  // `text` as a spreadsheet leaves it on the clipboard, pasted with Ctrl+V
  // into the grid's first value cell.
  void PasteIntoFirstCell(const std::string& text) {
    auto* grid = Find<ui::ValueGrid>("StringGrid1");
    QApplication::clipboard()->setText(QString::fromStdString(text));
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
  }

  // Messages shown so far.
  Events Messages() const {
    Events messages;
    for (const auto& event : events)
      if (event.rfind("message: ", 0) == 0) messages.push_back(event.substr(9));
    return messages;
  }

  TempDir dir;
  Events events;
  ScriptedDialogs dialogs;
  std::unique_ptr<ui::DesktopProgram> program;
};

}  // namespace quarlin::testing_support
