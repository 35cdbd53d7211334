#pragma once
// The closing window: a word of thanks and the Finish button that ends the
// program. Enter finishes, Escape goes back to the program.

#include <QWidget>
#include <functional>

class QPushButton;

namespace quarlin::ui {

class FinishWindow : public QWidget {
 public:
  FinishWindow();
  std::function<void()> onFinish;
  std::function<void()> onCancel;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QPushButton* finish_ = nullptr;
};

}  // namespace quarlin::ui
