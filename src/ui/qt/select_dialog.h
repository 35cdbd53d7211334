#pragma once
// The selection dialog of a preferred distribution: one radio button per
// choice and a Confirm button. Not modal: the main window stays usable.

#include <QDialog>
#include <QRadioButton>
#include <functional>
#include <vector>

namespace quarlin::ui {

class SelectDialog : public QDialog {
 public:
  explicit SelectDialog(QWidget* parent);

  std::function<void(int)> onChoice;
  std::function<void()> onConfirm;

  void ShowChoice(int index);

 private:
  std::vector<QRadioButton*> buttons_;
};

}  // namespace quarlin::ui
