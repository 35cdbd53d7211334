#pragma once
// The closing window: a word of thanks and the Finish button that ends the
// program.

#include <QWidget>
#include <functional>

namespace quarlin::ui {

class FinishWindow : public QWidget {
 public:
  FinishWindow();
  std::function<void()> onFinish;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace quarlin::ui
