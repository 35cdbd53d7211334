#include "ui/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "ui/control/accessible_names.h"
#include "ui/control/help_texts.h"
#include "ui/control/mnemonics.h"
#include "ui/control/window_placement.h"
#include "ui/control/window_texts.h"
#include "ui/qt/calc_window.h"
#include "ui/qt/event_watcher.h"
#include "ui/qt/finish_window.h"
#include "ui/qt/graphics_page.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/select_dialog.h"
#include "ui/qt/text_window.h"
#include "ui/qt/value_grid.h"

namespace quarlin::ui {
namespace {

QStringList Lines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& line : lines) list << Q(line);
  return list;
}

// Sets a text only when it differs, so that a field being typed in keeps
// its cursor.
void SetText(QLineEdit* edit, const std::string& text) {
  if (edit->text() != Q(text)) edit->setText(Q(text));
}

void SetLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  const QString text = Lines(lines).join('\n');
  if (memo->toPlainText() != text) memo->setPlainText(text);
}

}  // namespace

MainWindow::MainWindow(MainController& controller, QtWindowThread& thread,
                       GraphicsController& graphics, const QtGraphDrawer& drawer)
    : controller_(controller), thread_(thread), graphicsController_(graphics), drawer_(drawer) {
  setObjectName("TMainForm");
  setWindowTitle(kMainCaption);
  pages_ = new QTabWidget;
  pages_->setObjectName("PageControl1");
  pages_->tabBar()->setAccessibleName(kPagesName);
  pages_->addTab(BuildIntroPage(), "  Intro  ");
  pages_->addTab(BuildInputPage(), "  Input  ");
  pages_->addTab(BuildOutputPage(), "  Output  ");
  pages_->addTab(BuildGraphicsPage(), " Graphics ");
  setCentralWidget(pages_);
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!rendering_) Forward([this, index] { controller_.ShowPage(static_cast<Page>(index)); });
  });
  BuildMenus();
  statusBar()->setObjectName("StatusBar1");
  // A label rather than the bar's own message, which would cut the longer
  // status texts off at the window's edge; the label wraps them instead.
  status_ = new QLabel;
  status_->setObjectName("StatusText");
  status_->setWordWrap(true);
  statusBar()->addWidget(status_, 1);

  select_ = new SelectDialog(this);
  select_->onChoice = [this](int index) {
    Forward([this, index] { controller_.SelectChoice(index); });
  };
  select_->onConfirm = [this] { Forward([this] { controller_.ConfirmSelection(); }); };
  select_->onClosed = [this] {
    if (!rendering_) Forward([this] { controller_.SelectDialogClosed(); });
  };
  BuildSmallWindows();
  SetTabOrders();
  controller_.SetOnChange([this] { Render(); });

  const int height = 620;
  const QScreen* screen = QApplication::primaryScreen();
  const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
  const WindowPlace place = PlaceMainWindow(screenWidth, 760);
  setGeometry(place.left, 60, place.width, height);
  Render();
}

MainWindow::~MainWindow() {
  SilenceChildren(this, watchers_);
  controller_.SetOnChange({});
  delete finish_;
  delete calc_;
  delete opt_;
  delete list_;
}

// The small windows are windows of their own, made once and shown or
// hidden as the model says.
void MainWindow::BuildSmallWindows() {
  finish_ = new FinishWindow;
  finish_->onFinish = [this] { Forward([this] { controller_.FinishButtonClick(); }); };
  finish_->onCancel = [this] { Forward([this] { controller_.CancelClosing(); }); };
  calc_ = new CalcWindow(controller_, [this] { Render(); });
  controller_.AttachCalculator(*calc_);
  opt_ = new TextWindow("TOptForm", kOptCaption, "OptMemo", kOptName, true);
  const std::string_view explanation = OptimizationText();
  opt_->SetLines(
      QString::fromUtf8(explanation.data(), static_cast<int>(explanation.size())).split('\n'));
  opt_->onClosed = [this] { Forward([this] { controller_.OptWindowClosed(); }); };
  list_ = new TextWindow("TListForm", kListCaption, "ListMemo", kListName, true);
  list_->onClosed = [this] { Forward([this] { controller_.ListWindowClosed(); }); };
}

void MainWindow::Forward(const std::function<void()>& event) {
  event();
  Render();
  EndProgramIfAsked();
}

void MainWindow::ForwardLater(const std::function<void()>& event) {
  event();
  QTimer::singleShot(0, this, [this] {
    Render();
    EndProgramIfAsked();
  });
}

void MainWindow::EndProgramIfAsked() {
  if (!controller_.QuitRequested()) return;
  // A run that is on was asked to stop; it ends after its current fit and
  // takes its temporary files with it.
  thread_.WaitWhileBusy();
  finish_->hide();
  QApplication::quit();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitStatusHeight();
}

// A wrapped label asks for the height of its narrowest layout, which made
// the bar several lines high under a one-line text.
void MainWindow::FitStatusHeight() {
  const QMargins margins = statusBar()->contentsMargins();
  const int width = statusBar()->width() - margins.left() - margins.right() - 16;
  // A label's height for a width is never below its minimum: free it first.
  status_->setMinimumHeight(0);
  status_->setMaximumHeight(QWIDGETSIZE_MAX);
  status_->setFixedHeight(status_->heightForWidth(std::max(width, 100)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Forward([this] { controller_.CloseRequested(); });
}

void MainWindow::BuildMenus() {
  const auto add = [this](QMenu* menu, const char* text, const QString& name,
                          std::function<void()> event) {
    QAction* action = menu->addAction(Q(WithMnemonic(text)));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [event] { event(); });
    return action;
  };
  QMenu* file = menuBar()->addMenu("&File");
  openInputAction_ = add(file, "Open input", "InputOpenAction",
                         [this] { Forward([this] { controller_.InputOpenActionExecute(); }); });
  openInputAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  openOutputAction_ = add(file, "Open output", "OutputOpenAction",
                          [this] { Forward([this] { controller_.OutputOpenActionExecute(); }); });
  openGraphAction_ = add(file, "Open &Graph", "GraphOpenAction", [this] {
    Forward([this] { graphicsController_.GraphOpenActionExecute(); });
  });
  saveAction_ = add(file, "Save input", "InputSaveAction", [this] { SaveRunKey(); });
  saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  file->addSeparator();
  add(file, "Program E&xit", "FileExit", [this] {
    close();
  })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = menuBar()->addMenu("&Edit");
  add(edit, "Copy", "EditCopy", [this] { EditAction(0); })->setShortcut(QKeySequence::Copy);
  cutAction_ = add(edit, "Cut", "EditCut", [this] { EditAction(1); });
  cutAction_->setShortcut(QKeySequence::Cut);
  pasteAction_ = add(edit, "Paste", "EditPaste", [this] { EditAction(2); });
  pasteAction_->setShortcut(QKeySequence::Paste);

  // F1 has no menu entry: the Intro page and the paste help are the help.
  auto* help = new QAction(this);
  help->setObjectName("HelpAction");
  help->setShortcut(QKeySequence(Qt::Key_F1));
  connect(help, &QAction::triggered, this,
          [this] { Forward([this] { controller_.HelpKeyPressed(); }); });
  addAction(help);
}

void MainWindow::SaveRunKey() {
  const unsigned faults = controller_.Model().focus.revision;
  QWidget* focus = QApplication::focusWidget();
  if (qobject_cast<QLineEdit*>(focus) && isAncestorOf(focus)) {
    // Leaving a number field checks it; leaving a cell being edited hands
    // its text to the grid.
    if (input_.save->isVisible() && input_.save->isEnabled())
      input_.save->setFocus(Qt::ShortcutFocusReason);
    else
      focus->clearFocus();
  }
  // A message about the field just left ends the command, as it would end
  // a click on the button.
  if (controller_.Model().focus.revision != faults) return;
  Forward([this] { controller_.InputSaveActionExecute(); });
}

void MainWindow::SetTabOrders() {
  const auto& in = input_;
  const auto& out = output_;
  std::vector<QWidget*> order{pages_->tabBar()};
  for (QPlainTextEdit* memo : helpMemos_) order.push_back(memo);
  for (int i : {1, 2, 3, 4, 0}) order.push_back(helpButtons_[i]);
  for (QWidget* widget : std::initializer_list<QWidget*>{
           in.fileName,      in.title1,      in.title2,    in.option,
           in.nrOfData,      in.nrOfClasses, in.threshold, in.grid,
           in.open,          in.save,        in.clear,     in.pasteHelp,
           in.pasteHelpMemo, in.wait,        in.discon,    in.selectionButton,
           in.selection,     out.open,       out.report,   out.viewGraph,
           out.calc,         out.fit,        out.fitMemo,  out.closeFit,
           out.opt,          out.list})
    order.push_back(widget);
  for (QWidget* widget : graphics_->TabOrder()) order.push_back(widget);
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// Copy, Cut and Paste act on the focused field; on the grid a paste is the
// grid's own, so that a copied column lands in the value cells.
void MainWindow::EditAction(int which) {
  QWidget* focus = QApplication::focusWidget();
  const bool inGrid = focus && input_.grid->isAncestorOf(focus);
  if (auto* line = qobject_cast<QLineEdit*>(focus); line && !inGrid) {
    if (which == 0) line->copy();
    if (which == 1) line->cut();
    if (which == 2) line->paste();
    return;
  }
  if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
    if (which == 0) memo->copy();
    return;
  }
  // The grid's cell editor counts as the grid.
  if (focus && (focus == input_.grid || input_.grid->isAncestorOf(focus))) {
    if (focus != input_.grid) input_.grid->setFocus();
    if (which == 0) input_.grid->CopySelection();
    if (which == 1) input_.grid->CutSelection();
    if (which == 2) input_.grid->PasteClipboard();
  }
}

void MainWindow::Render() {
  rendering_ = true;
  const MainWindowModel& model = controller_.Model();
  pages_->setCurrentIndex(static_cast<int>(model.page));
  if (status_->text() != Q(model.ShownStatus())) {
    status_->setText(Q(model.ShownStatus()));
    FitStatusHeight();
  }
  for (int i = 0; i < static_cast<int>(helpMemos_.size()); ++i)
    helpMemos_[i]->setVisible(i == static_cast<int>(model.helpText));
  RenderInput();
  saveAction_->setEnabled(model.saveActionEnabled && !model.running);
  openInputAction_->setEnabled(!model.running);
  openOutputAction_->setEnabled(!model.running);
  openGraphAction_->setEnabled(!model.running);
  // Nothing can be cut from or pasted into the entries a run waits with.
  cutAction_->setEnabled(!model.running);
  pasteAction_->setEnabled(!model.running);
  graphics_->Render();

  RenderOutput();

  select_->ShowChoice(model.selectedChoice);
  select_->SetConfirmEnabled(!model.running);
  if (model.selectDialogShown && !select_->isVisible()) select_->show();
  if (!model.selectDialogShown && select_->isVisible()) select_->hide();
  // A window the user asks for takes the keys, and the main window takes
  // them back when it goes, as a window manager hands them on.
  const auto showOrHide = [this](QWidget* window, bool shown) {
    if (shown && !window->isVisible()) {
      window->show();
      window->raise();
      window->activateWindow();
    }
    if (!shown && window->isVisible()) {
      window->hide();
      activateWindow();
    }
  };
  showOrHide(calc_, model.calcShown);
  showOrHide(opt_, model.optShown);
  if (model.listShown) list_->SetLines(Lines(model.listLines));
  showOrHide(list_, model.listShown);
  if (model.finishShown && !finish_->isVisible()) {
    finish_->show();
    finish_->raise();
    finish_->activateWindow();
  }
  if (!model.finishShown && finish_->isVisible()) {
    finish_->hide();
    activateWindow();
  }
  RenderFocus();
  rendering_ = false;
}

void MainWindow::RenderFocus() {
  const FocusRequest& focus = controller_.Model().focus;
  if (focus.revision == focusShown_) return;
  focusShown_ = focus.revision;
  QWidget* field = nullptr;
  switch (focus.field) {
    case Field::NrOfData:
      field = input_.nrOfData;
      break;
    case Field::NrOfClasses:
      field = input_.nrOfClasses;
      break;
    case Field::Grid:
      field = input_.grid;
      break;
    case Field::None:
      break;
  }
  if (!field || !field->isVisible() || !field->isEnabled()) return;
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void MainWindow::RenderOutput() {
  const MainWindowModel& model = controller_.Model();
  const OutputPageModel& output = model.output;
  // What opens a report or leads on from one waits for a run to end.
  for (QPushButton* button :
       {output_.open, output_.viewGraph, output_.calc, output_.fit, output_.list})
    button->setEnabled(!model.running);
  output_.report->setVisible(output.reportShown);
  if (output.reportShown) SetLines(output_.report, output.report);
  output_.viewGraph->setVisible(output.viewGraphButton);
  output_.calc->setVisible(output.calcButton);
  output_.fit->setVisible(output.fitButton);
  output_.opt->setVisible(output.optButton);
  output_.list->setVisible(output.listButton);
  output_.fitPanel->setVisible(output.fitPanelShown);
  if (output.fitPanelShown) SetLines(output_.fitMemo, output.fitLines);
}

void MainWindow::RenderInput() {
  const MainWindowModel& model = controller_.Model();
  const InputPageModel& input = model.input;
  const bool editable = !model.running;
  input_.fileNameLabel->setVisible(input.fileNameShown);
  input_.fileName->setVisible(input.fileNameShown);
  SetText(input_.fileName, input.fileName);
  SetText(input_.title1, input.title1);
  SetText(input_.title2, input.title2);
  SetText(input_.nrOfData, input.nrOfData);
  SetText(input_.nrOfClasses, input.nrOfClasses);
  input_.option->setCurrentIndex(input.optionIndex);
  input_.disconLabel->setVisible(input.disconShown);
  input_.discon->setVisible(input.disconShown);
  input_.discon->setCurrentIndex(input.disconIndex);
  input_.selectionButton->setVisible(input.selectionShown);
  input_.selectionLabel->setVisible(input.selectionShown);
  input_.selection->setVisible(input.selectionShown);
  SetText(input_.selection, input.selection);
  // While a run is on, the entries wait; the grid can still be scrolled.
  input_.entries->setEnabled(editable);
  input_.title1->setEnabled(editable);
  input_.title2->setEnabled(editable);

  input_.grid->Show(input.grid, input.gridRevision);
  input_.grid->setEditTriggers(editable ? QAbstractItemView::DoubleClicked |
                                              QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);
  input_.grid->setMinimumWidth(input.gridWidth);
  input_.grid->setVisible(!input.pasteHelpShown);
  input_.pasteHelpMemo->setVisible(input.pasteHelpShown);
  input_.pasteHelp->setText(Q(WithMnemonic(input.pasteHelpCaption)));
  input_.pasteHelp->setEnabled(editable);
  const bool buttons = !input.pasteHelpShown && editable;
  input_.clear->setEnabled(buttons);
  input_.open->setEnabled(buttons);
  input_.save->setEnabled(buttons && model.saveActionEnabled);
  input_.wait->setVisible(input.waitShown);
  if (input.waitShown) {
    SetLines(input_.wait, input.waitLines);
    input_.wait->moveCursor(QTextCursor::End);
  }
}

}  // namespace quarlin::ui
