#pragma once
// The main window: four pages, the menus and the status bar. It only
// creates and lays out its widgets, forwards each event to the controller
// and draws the controller's model afterwards.

#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

#include "ui/control/main_controller.h"
#include "ui/qt/qt_window_thread.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace quarlin::ui {

class CalcWindow;
class EventWatcher;
class FinishWindow;
class GraphicsPage;
class QtGraphDrawer;
class SelectDialog;
class TextWindow;
class ValueGrid;

class MainWindow : public QMainWindow {
 public:
  MainWindow(MainController& controller, QtWindowThread& thread, GraphicsController& graphics,
             const QtGraphDrawer& drawer);
  ~MainWindow() override;

  void Render();
  SelectDialog& Selection() { return *select_; }
  FinishWindow& Finish() { return *finish_; }
  CalcWindow& Calculator() { return *calc_; }
  TextWindow& RankedList() { return *list_; }
  TextWindow& Optimization() { return *opt_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct InputWidgets {
    QLabel* fileNameLabel = nullptr;
    QLineEdit* fileName = nullptr;
    QLineEdit* title1 = nullptr;
    QLineEdit* title2 = nullptr;
    QComboBox* option = nullptr;
    QLabel* disconLabel = nullptr;
    QComboBox* discon = nullptr;
    QLineEdit* nrOfData = nullptr;
    QLineEdit* nrOfClasses = nullptr;
    QLineEdit* threshold = nullptr;
    QPushButton* selectionButton = nullptr;
    QLabel* selectionLabel = nullptr;
    QLineEdit* selection = nullptr;
    ValueGrid* grid = nullptr;
    QPushButton* open = nullptr;
    QPushButton* save = nullptr;
    QPushButton* clear = nullptr;
    QPushButton* pasteHelp = nullptr;
    QPlainTextEdit* pasteHelpMemo = nullptr;
    QPlainTextEdit* wait = nullptr;
    QWidget* entries = nullptr;  // the number fields and the distribution choice
  };
  struct OutputWidgets {
    QPushButton* open = nullptr;
    QPlainTextEdit* report = nullptr;
    QPushButton* viewGraph = nullptr;
    QPushButton* calc = nullptr;
    QPushButton* fit = nullptr;
    QPushButton* opt = nullptr;
    QPushButton* list = nullptr;
    QWidget* fitPanel = nullptr;
    QPlainTextEdit* fitMemo = nullptr;
    QPushButton* closeFit = nullptr;
  };

  // Runs a controller event, then draws the result.
  void Forward(const std::function<void()>& event);
  // As Forward, for events that arrive while Qt is inside a widget's own
  // signal: the drawing waits until that signal is done.
  void ForwardLater(const std::function<void()>& event);
  void EndProgramIfAsked();
  void BuildMenus();
  QWidget* BuildIntroPage();
  QWidget* BuildInputPage();
  QWidget* BuildInputFields();
  QWidget* BuildOutputPage();
  QWidget* BuildGraphicsPage();
  void RenderInput();
  void RenderOutput();
  void BuildSmallWindows();
  // The order of the Tab key on each page.
  void SetTabOrders();
  void EditAction(int which);
  // Save-Run from its keys or its button: the field being typed in is left
  // first, as a click on the button leaves it.
  void SaveRunKey();
  void RenderFocus();
  // The status bar as high as its text's lines at the window's width.
  void FitStatusHeight();

  MainController& controller_;
  QtWindowThread& thread_;
  GraphicsController& graphicsController_;
  const QtGraphDrawer& drawer_;
  GraphicsPage* graphics_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QLabel* status_ = nullptr;
  std::array<QPlainTextEdit*, 5> helpMemos_{};
  std::array<QPushButton*, 5> helpButtons_{};
  InputWidgets input_;
  OutputWidgets output_;
  QAction* saveAction_ = nullptr;
  QAction* openInputAction_ = nullptr;
  QAction* openOutputAction_ = nullptr;
  QAction* openGraphAction_ = nullptr;
  QAction* cutAction_ = nullptr;
  QAction* pasteAction_ = nullptr;
  SelectDialog* select_ = nullptr;
  FinishWindow* finish_ = nullptr;
  CalcWindow* calc_ = nullptr;
  TextWindow* opt_ = nullptr;
  TextWindow* list_ = nullptr;
  bool rendering_ = false;
  unsigned focusShown_ = 0;
  std::vector<EventWatcher*> watchers_;
};

}  // namespace quarlin::ui
