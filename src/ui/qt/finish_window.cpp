#include "ui/qt/finish_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/control/accessible_names.h"
#include "ui/control/mnemonics.h"
#include "ui/control/window_texts.h"
#include "ui/qt/qt_text.h"

namespace quarlin::ui {

FinishWindow::FinishWindow() {
  setObjectName("TFinishForm");
  setWindowTitle("Quarlin finish");
  auto* memo = new QPlainTextEdit("\n Thank you for using Quarlin\n");
  memo->setObjectName("FinishMemo");
  memo->setReadOnly(true);
  memo->setTabChangesFocus(true);
  memo->setAccessibleName(kFinishName);
  finish_ = new QPushButton(Q(WithMnemonic("Finish")));
  finish_->setObjectName("FinishButton");
  connect(finish_, &QPushButton::clicked, this, [this] {
    if (onFinish) onFinish();
  });
  // Wherever the focus is in the window, as in a dialog whose default
  // button is Finish.
  for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
    connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
      if (onFinish) onFinish();
    });
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
    if (onCancel) onCancel();
  });
  auto* status = new QStatusBar;
  status->showMessage(kFinishStatus);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo);
  layout->addWidget(finish_, 0, Qt::AlignHCenter);
  layout->addWidget(status);
  setTabOrder(memo, finish_);
  resize(320, 200);
}

void FinishWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  finish_->setFocus(Qt::ActiveWindowFocusReason);
}

void FinishWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onFinish) onFinish();
}

}  // namespace quarlin::ui
