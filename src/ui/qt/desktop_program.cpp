#include "ui/qt/desktop_program.h"

#include <QLocale>
#include <filesystem>
#include <system_error>

namespace quarlin::ui {

DesktopProgram::DesktopProgram(Dialogs* dialogs) : DesktopProgram(dialogs, SystemSettings()) {}

DesktopProgram::DesktopProgram(Dialogs* dialogs, ControllerSettings settings)
    : ownDialogs_([this] { return controller_->Model().dialogFolder; }) {
  Dialogs& shown = dialogs ? *dialogs : ownDialogs_;
  controller_ = std::make_unique<MainController>(shown, thread_, session_, std::move(settings));
  graphics_ = std::make_unique<GraphicsController>(shown, drawer_, *controller_);
  controller_->AttachGraphics(*graphics_);
  window_ = std::make_unique<MainWindow>(*controller_, thread_, *graphics_, drawer_);
  ownDialogs_.SetParent(window_.get());
}

DesktopProgram::~DesktopProgram() {
  // A run that is still on is asked to stop and finishes before the window
  // and the controller it reports to are gone.
  controller_->StopRun();
  thread_.WaitWhileBusy();
  window_.reset();
}

ControllerSettings DesktopProgram::SystemSettings() {
  ControllerSettings settings;
  const QString point = QLocale::system().decimalPoint();
  settings.decimalSeparator = point == "," ? ',' : '.';
  std::error_code error;
  settings.startDir = std::filesystem::current_path(error).string();
  return settings;
}

}  // namespace quarlin::ui
