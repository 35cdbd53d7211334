#pragma once
// The calculator window: X to cumulative frequency and return period, and
// back, with their 90% limits. Each box event goes to the calculator's
// controller; the window only shows and reads the boxes.

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "calculator/calc_controller.h"

class QLineEdit;

namespace quarlin::ui {

class EventWatcher;
class MainController;

class CalcWindow : public QWidget, public CalcView {
 public:
  // `afterEvent` runs after each forwarded event, so that the main window
  // can draw what changed.
  CalcWindow(MainController& main, std::function<void()> afterEvent);
  ~CalcWindow() override;

  std::string Text(CalcBox box) const override;
  void SetText(CalcBox box, const std::string& text) override;
  void SetEnabled(CalcControl control, bool enabled) override;
  void Focus(CalcBox box) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Forward(void (CalcController::*handler)());

  MainController& main_;
  std::function<void()> afterEvent_;
  std::map<CalcBox, QLineEdit*> boxes_;
  std::map<CalcControl, QWidget*> controls_;
  std::vector<EventWatcher*> watchers_;
};

}  // namespace quarlin::ui
