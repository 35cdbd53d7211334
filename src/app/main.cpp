// The desktop program: the main window on its Intro page.
#include <QApplication>

#include "ui/control/window_texts.h"
#include "ui/qt/desktop_program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(quarlin::ui::kApplicationTitle);
  quarlin::ui::DesktopProgram program;
  program.Window().show();
  return QApplication::exec();
}
