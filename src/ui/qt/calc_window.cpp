#include "ui/qt/calc_window.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "ui/control/accessible_names.h"
#include "ui/control/main_controller.h"
#include "ui/qt/event_watcher.h"
#include "ui/qt/qt_text.h"

namespace quarlin::ui {
namespace {

constexpr const char* kGreen = "color: #006400;";
constexpr const char* kGoStyle = "background: #c0dcc0;";

QLabel* Label(const QString& text, const QString& name, bool green = false) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  if (green) {
    label->setStyleSheet(kGreen);
    label->setWordWrap(true);
  }
  return label;
}

// The focus moving between the window's own controls. The window losing or
// regaining the focus as a whole (another window, a message box, a popup
// menu) is not the user entering or leaving a box.
class BoxFocusWatcher : public EventWatcher {
 public:
  using EventWatcher::EventWatcher;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    }
    return EventWatcher::eventFilter(watched, event);
  }
};

EventWatcher* WatchFocus(QObject* box, QEvent::Type type, std::function<void()> handler) {
  return new BoxFocusWatcher(box, type, std::move(handler));
}

}  // namespace

CalcWindow::CalcWindow(MainController& main, std::function<void()> afterEvent)
    : main_(main), afterEvent_(std::move(afterEvent)) {
  setObjectName("TCalcForm");
  setWindowTitle("Calculator");
  auto box = [this](CalcBox which, const QString& name, bool input) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setAccessibleName(Q(CalcBoxName(which)));
    // Results can be read and copied but not typed over.
    edit->setReadOnly(!input);
    // Wide enough for a result of 15 significant digits.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("-0.000123456789012345") + 12);
    boxes_[which] = edit;
    return edit;
  };
  auto go = [](const QString& name, const char* accessibleName) {
    auto* edit = new QLineEdit("Go ->");
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setReadOnly(true);
    edit->setStyleSheet(kGoStyle);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("Go ->") + 20);
    return edit;
  };
  auto* grid = new QGridLayout(this);
  grid->addWidget(
      Label("Enter X-value, then click Go ->, to obtain cumulative frequency and return "
            "period",
            "Label7", true),
      0, 0, 1, 6);
  grid->addWidget(Label("X-value", "Label1"), 1, 0);
  grid->addWidget(Label("Cum. Freq.", "Label2"), 1, 2);
  grid->addWidget(Label("Ret. Per.", "Label3"), 1, 4);
  QLineEdit* edit1 = box(CalcBox::Edit1, "Edit1", true);
  QLineEdit* edit7 = go("Edit7", kGoForwardName);
  grid->addWidget(edit1, 2, 0);
  grid->addWidget(edit7, 2, 1);
  grid->addWidget(box(CalcBox::Edit2, "Edit2", false), 2, 2);
  grid->addWidget(box(CalcBox::Edit3, "Edit3", false), 2, 4);
  grid->addWidget(Label("90% confidence limits of cum. freq.", "Label15"), 3, 0, 1, 3);
  grid->addWidget(Label("90% confidence limits of ret. per.", "Label9"), 3, 4, 1, 2);
  grid->addWidget(Label("Lower   ", "Label16"), 4, 0);
  grid->addWidget(Label("Upper   ", "Label17"), 4, 2);
  grid->addWidget(Label("Lower   ", "Label10"), 4, 4);
  grid->addWidget(Label("Upper   ", "Label11"), 4, 5);
  grid->addWidget(box(CalcBox::Edit13, "Edit13", false), 5, 0);
  grid->addWidget(box(CalcBox::Edit14, "Edit14", false), 5, 2);
  grid->addWidget(box(CalcBox::Edit9, "Edit9", false), 5, 4);
  grid->addWidget(box(CalcBox::Edit10, "Edit10", false), 5, 5);
  grid->setRowMinimumHeight(6, 16);
  grid->addWidget(
      Label("Enter cumulative frequency or return period to obtain X-value", "Label8", true), 7, 0,
      1, 6);
  QLabel* label4 = Label("Cum. Freq.", "Label4");
  QLabel* label5 = Label("Ret. Per.", "Label5");
  QLabel* label6 = Label("X-value", "Label6");
  QLabel* label18 = Label("or", "Label18");
  QFont larger = label18->font();
  larger.setPointSizeF(larger.pointSizeF() * 1.2);
  label18->setFont(larger);
  grid->addWidget(label4, 8, 0);
  grid->addWidget(label5, 8, 2);
  grid->addWidget(label6, 8, 4);
  QLineEdit* edit4 = box(CalcBox::Edit4, "Edit4", true);
  QLineEdit* edit5 = box(CalcBox::Edit5, "Edit5", true);
  QLineEdit* edit8 = go("Edit8", kGoInverseName);
  grid->addWidget(edit4, 9, 0);
  grid->addWidget(label18, 9, 1, Qt::AlignCenter);
  grid->addWidget(edit5, 9, 2);
  grid->addWidget(edit8, 9, 3);
  grid->addWidget(box(CalcBox::Edit6, "Edit6", false), 9, 4);
  grid->addWidget(Label("90% confidence limits of X-Value", "Label12"), 10, 2, 1, 4);
  QLabel* label13 = Label("Lower   ", "Label13");
  QLabel* label14 = Label("Upper   ", "Label14");
  grid->addWidget(label13, 11, 4);
  grid->addWidget(label14, 11, 5);
  grid->addWidget(box(CalcBox::Edit11, "Edit11", false), 12, 4);
  grid->addWidget(box(CalcBox::Edit12, "Edit12", false), 12, 5);
  grid->setRowStretch(13, 1);
  controls_ = {{CalcControl::Edit4, edit4},     {CalcControl::Edit5, edit5},
               {CalcControl::Label4, label4},   {CalcControl::Label5, label5},
               {CalcControl::Label6, label6},   {CalcControl::Label13, label13},
               {CalcControl::Label14, label14}, {CalcControl::Label18, label18}};

  // Tab order: the boxes by number, then the two Go boxes, then the limits.
  QWidget* order[] = {edit1,
                      boxes_[CalcBox::Edit2],
                      boxes_[CalcBox::Edit3],
                      edit4,
                      edit5,
                      boxes_[CalcBox::Edit6],
                      edit7,
                      edit8,
                      boxes_[CalcBox::Edit9],
                      boxes_[CalcBox::Edit10],
                      boxes_[CalcBox::Edit11],
                      boxes_[CalcBox::Edit12],
                      boxes_[CalcBox::Edit13],
                      boxes_[CalcBox::Edit14]};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  // A click on a Go box gives it the focus first (its focus policy), so
  // that the box the user leaves is judged before the click.
  watchers_ = {
      Watch(edit7, QEvent::MouseButtonPress, [this] { Forward(&CalcController::Edit7Click); }),
      Watch(edit8, QEvent::MouseButtonPress, [this] { Forward(&CalcController::Edit8Click); }),
      WatchFocus(edit1, QEvent::FocusIn, [this] { Forward(&CalcController::Edit1Enter); }),
      WatchFocus(edit1, QEvent::FocusOut, [this] { Forward(&CalcController::Edit1Exit); }),
      WatchFocus(edit4, QEvent::FocusIn, [this] { Forward(&CalcController::Edit4Enter); }),
      WatchFocus(edit5, QEvent::FocusIn, [this] { Forward(&CalcController::Edit5Enter); }),
      WatchFocus(edit4, QEvent::FocusOut, [this] { Forward(&CalcController::Edit4Exit); }),
      WatchFocus(edit5, QEvent::FocusOut, [this] { Forward(&CalcController::Edit5Exit); })};
  // Return does what the Go box next to it does.
  connect(edit1, &QLineEdit::returnPressed, this, [this] { Forward(&CalcController::Edit7Click); });
  for (QLineEdit* input : {edit4, edit5}) {
    connect(input, &QLineEdit::returnPressed, this, [this, edit8] {
      edit8->setFocus(Qt::OtherFocusReason);
      Forward(&CalcController::Edit8Click);
    });
  }
  // Escape closes the calculator, so that a keyboard user gets back to the
  // main window without the window manager's keys.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
  adjustSize();
}

CalcWindow::~CalcWindow() {
  SilenceChildren(this, watchers_);
}

void CalcWindow::Forward(void (CalcController::*handler)()) {
  if (CalcController* calculator = main_.Calculator()) (calculator->*handler)();
  if (afterEvent_) afterEvent_();
}

std::string CalcWindow::Text(CalcBox box) const {
  return boxes_.at(box)->text().toStdString();
}

void CalcWindow::SetText(CalcBox box, const std::string& text) {
  QLineEdit* edit = boxes_.at(box);
  edit->setText(QString::fromStdString(text));
  // A long number is read from its first digit.
  edit->setCursorPosition(0);
}

void CalcWindow::SetEnabled(CalcControl control, bool enabled) {
  controls_.at(control)->setEnabled(enabled);
}

void CalcWindow::Focus(CalcBox box) {
  // A message box may have left another window active.
  activateWindow();
  boxes_.at(box)->setFocus(Qt::OtherFocusReason);
}

void CalcWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  main_.CalcWindowClosed();
  if (afterEvent_) afterEvent_();
}

}  // namespace quarlin::ui
