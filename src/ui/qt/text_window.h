#pragma once
// A small window with one read-only text: the optimisation explanation and
// the ranked list.

#include <QPlainTextEdit>
#include <QWidget>
#include <functional>

namespace quarlin::ui {

class TextWindow : public QWidget {
 public:
  // `textName` is what a screen reader calls the text.
  TextWindow(const QString& name, const QString& caption, const QString& memoName,
             const QString& textName, bool fixedPitch);

  void SetLines(const QStringList& lines);
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* memo_;
};

}  // namespace quarlin::ui
