#include "ui/qt/text_window.h"
#include "ui/qt/qt_text.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

namespace quarlin::ui {

TextWindow::TextWindow(const QString& name, const QString& caption, const QString& memoName,
                       const QString& textName, bool fixedPitch)
    : memo_(new QPlainTextEdit) {
  setObjectName(name);
  setWindowTitle(caption);
  memo_->setObjectName(memoName);
  memo_->setReadOnly(true);
  memo_->setAccessibleName(textName);
  if (fixedPitch) {
    memo_->setFont(FixedPitchFont());
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo_);
  resize(640, 440);
  // A window of text to read closes with Escape, as a viewer's does.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

void TextWindow::SetLines(const QStringList& lines) {
  const QString text = lines.join('\n');
  if (memo_->toPlainText() != text) memo_->setPlainText(text);
}

void TextWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClosed) onClosed();
}

}  // namespace quarlin::ui
