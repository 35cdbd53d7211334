#include "ui/qt/select_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/preference_names.h"
#include "ui/control/mnemonics.h"

namespace quarlin::ui {

SelectDialog::SelectDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TSelectForm");
  setWindowTitle("QuarlinA select distributions");
  setModal(false);
  auto* group = new QGroupBox("Make a selection then click \"Confirm\"");
  group->setObjectName("SelectRadioGroup");
  auto* grid = new QGridLayout(group);
  auto* exclusive = new QButtonGroup(this);
  const auto choices = DialogChoices();
  constexpr int kRowsPerColumn = 13;
  for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
    auto* button = new QRadioButton(
        QString::fromUtf8(choices[i].name.data(), static_cast<int>(choices[i].name.size())));
    button->setObjectName(QString("RadioButton%1").arg(i + 1));
    exclusive->addButton(button, i);
    grid->addWidget(button, i % kRowsPerColumn, i / kRowsPerColumn);
    buttons_.push_back(button);
  }
  buttons_.front()->setChecked(true);
  connect(exclusive, &QButtonGroup::idClicked, this, [this](int id) {
    if (onChoice) onChoice(id);
  });
  confirm_ = new QPushButton(QString::fromStdString(WithMnemonic(" Confirm")));
  QPushButton* confirm = confirm_;
  confirm->setObjectName("Button1");
  confirm->setDefault(true);
  connect(confirm, &QPushButton::clicked, this, [this] {
    if (onConfirm) onConfirm();
  });
  connect(this, &QDialog::rejected, this, [this] {
    if (onClosed) onClosed();
  });
  auto* panel = new QVBoxLayout(this);
  panel->addWidget(group);
  panel->addWidget(confirm, 0, Qt::AlignHCenter);
}

void SelectDialog::SetConfirmEnabled(bool enabled) {
  confirm_->setEnabled(enabled);
}

void SelectDialog::ShowChoice(int index) {
  if (index >= 0 && index < static_cast<int>(buttons_.size()) && !buttons_[index]->isChecked())
    buttons_[index]->setChecked(true);
}

}  // namespace quarlin::ui
