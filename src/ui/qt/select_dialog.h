#pragma once
// The selection dialog of a preferred distribution: one radio button per
// choice and a Confirm button. Not modal: the main window stays usable.

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

namespace quarlin::ui {

class SelectDialog : public QDialog {
 public:
  explicit SelectDialog(QWidget* parent);

  std::function<void(int)> onChoice;
  std::function<void()> onConfirm;
  // Closed without confirming: Escape or the window's close button.
  std::function<void()> onClosed;

  void ShowChoice(int index);
  // Confirm waits while a run is on.
  void SetConfirmEnabled(bool enabled);

 private:
  std::vector<QRadioButton*> buttons_;
  QPushButton* confirm_ = nullptr;
};

}  // namespace quarlin::ui
