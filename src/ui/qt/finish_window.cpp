#include "ui/qt/finish_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/control/window_texts.h"

namespace quarlin::ui {

FinishWindow::FinishWindow() {
  setObjectName("TFinishForm");
  setWindowTitle("Quarlin finish");
  auto* memo = new QPlainTextEdit("\n Thank you for using Quarlin\n");
  memo->setObjectName("FinishMemo");
  memo->setReadOnly(true);
  auto* finish = new QPushButton("Finish");
  finish->setObjectName("FinishButton");
  connect(finish, &QPushButton::clicked, this, [this] {
    if (onFinish) onFinish();
  });
  auto* status = new QStatusBar;
  status->showMessage(kFinishStatus);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo);
  layout->addWidget(finish, 0, Qt::AlignHCenter);
  layout->addWidget(status);
  resize(320, 200);
}

void FinishWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onFinish) onFinish();
}

}  // namespace quarlin::ui
