#pragma once
// The desktop program as one piece: the run session, the thread of its
// runs, the dialogs, the controllers, the graph drawer and the main window,
// created in that order and ended in the reverse.

#include <memory>

#include "data/run_session.h"
#include "ui/control/graphics_controller.h"
#include "ui/control/main_controller.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_graph_drawer.h"
#include "ui/qt/qt_window_thread.h"

namespace quarlin::ui {

class DesktopProgram {
 public:
  // The program's own message boxes and file dialogs, or `dialogs` (for
  // tests) when given.
  explicit DesktopProgram(Dialogs* dialogs = nullptr);
  DesktopProgram(Dialogs* dialogs, ControllerSettings settings);
  ~DesktopProgram();

  MainWindow& Window() { return *window_; }
  MainController& Controller() { return *controller_; }
  GraphicsController& Graphics() { return *graphics_; }
  QtWindowThread& Thread() { return thread_; }

  // What the controller starts with: the system's decimal separator, the
  // working directory, the pauses between the run's own lines.
  static ControllerSettings SystemSettings();

 private:
  RunSession session_;
  QtWindowThread thread_;
  std::unique_ptr<MainController> controller_;
  QtDialogs ownDialogs_;
  QtGraphDrawer drawer_;
  std::unique_ptr<GraphicsController> graphics_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace quarlin::ui
