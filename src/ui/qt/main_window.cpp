#include "ui/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "ui/control/help_texts.h"
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
  BuildSmallWindows();
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
  calc_ = new CalcWindow(controller_, [this] { Render(); });
  controller_.AttachCalculator(*calc_);
  opt_ = new TextWindow("TOptForm", kOptCaption, "OptMemo", true);
  const std::string_view explanation = OptimizationText();
  opt_->SetLines(
      QString::fromUtf8(explanation.data(), static_cast<int>(explanation.size())).split('\n'));
  opt_->onClosed = [this] { Forward([this] { controller_.OptWindowClosed(); }); };
  list_ = new TextWindow("TListForm", kListCaption, "ListMemo", true);
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

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Forward([this] { controller_.CloseRequested(); });
}

void MainWindow::BuildMenus() {
  const auto add = [this](QMenu* menu, const QString& text, const QString& name,
                          std::function<void()> event) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [event] { event(); });
    return action;
  };
  QMenu* file = menuBar()->addMenu("&File");
  openInputAction_ = add(file, "Open input", "InputOpenAction",
                         [this] { Forward([this] { controller_.InputOpenActionExecute(); }); });
  openOutputAction_ = add(file, "Open output", "OutputOpenAction",
                          [this] { Forward([this] { controller_.OutputOpenActionExecute(); }); });
  openGraphAction_ = add(file, "Open &Graph", "GraphOpenAction", [this] {
    Forward([this] { graphicsController_.GraphOpenActionExecute(); });
  });
  saveAction_ = add(file, "Save input", "InputSaveAction",
                    [this] { Forward([this] { controller_.InputSaveActionExecute(); }); });
  file->addSeparator();
  add(file, "Program E&xit", "FileExit", [this] { close(); });

  QMenu* edit = menuBar()->addMenu("&Edit");
  add(edit, "Copy", "EditCopy", [this] { EditAction(0); })->setShortcut(QKeySequence::Copy);
  add(edit, "Cut", "EditCut", [this] { EditAction(1); })->setShortcut(QKeySequence::Cut);
  add(edit, "Paste", "EditPaste", [this] { EditAction(2); })->setShortcut(QKeySequence::Paste);
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
  status_->setText(Q(model.status));
  for (int i = 0; i < static_cast<int>(helpMemos_.size()); ++i)
    helpMemos_[i]->setVisible(i == static_cast<int>(model.helpText));
  RenderInput();
  saveAction_->setEnabled(model.saveActionEnabled && !model.running);
  openInputAction_->setEnabled(!model.running);
  openOutputAction_->setEnabled(!model.running);
  openGraphAction_->setEnabled(!model.running);
  graphics_->Render();

  RenderOutput();

  select_->ShowChoice(model.selectedChoice);
  if (model.selectDialogShown && !select_->isVisible()) select_->show();
  if (!model.selectDialogShown && select_->isVisible()) select_->hide();
  const auto showOrHide = [](QWidget* window, bool shown) {
    if (shown && !window->isVisible()) window->show();
    if (!shown && window->isVisible()) window->hide();
  };
  showOrHide(calc_, model.calcShown);
  showOrHide(opt_, model.optShown);
  if (model.listShown) list_->SetLines(Lines(model.listLines));
  showOrHide(list_, model.listShown);
  if (model.finishShown && !finish_->isVisible()) {
    finish_->show();
    finish_->raise();
  }
  if (!model.finishShown && finish_->isVisible()) finish_->hide();
  rendering_ = false;
}

void MainWindow::RenderOutput() {
  const MainWindowModel& model = controller_.Model();
  const OutputPageModel& output = model.output;
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
  input_.pasteHelp->setText(Q(input.pasteHelpCaption));
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
