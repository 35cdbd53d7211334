// The four pages of the main window, as widgets and layouts.
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "ui/control/accessible_names.h"
#include "ui/control/composite_list.h"
#include "ui/control/help_texts.h"
#include "ui/control/mnemonics.h"
#include "ui/control/window_texts.h"
#include "ui/qt/event_watcher.h"
#include "ui/qt/graphics_page.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/value_grid.h"

namespace quarlin::ui {
namespace {

// A read-only text that the keyboard reaches and scrolls; Tab goes on to
// the next control.
QPlainTextEdit* Memo(const QString& name, std::string_view accessibleName,
                     std::string_view text = {}) {
  auto* memo = new QPlainTextEdit(Q(text));
  memo->setObjectName(name);
  memo->setReadOnly(true);
  memo->setTabChangesFocus(true);
  memo->setAccessibleName(Q(accessibleName));
  return memo;
}

QPushButton* Button(std::string_view caption, const QString& name) {
  auto* button = new QPushButton(Q(WithMnemonic(caption)));
  button->setObjectName(name);
  return button;
}

QLineEdit* Edit(const QString& name, std::string_view hint = {}) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setToolTip(Q(hint));
  return edit;
}

// A label that names `field`, for the eye and for a screen reader, and
// whose letter takes the focus there.
QLabel* LabelFor(std::string_view caption, QWidget* field, const QString& name = {}) {
  auto* label = new QLabel(Q(WithMnemonic(caption)));
  if (!name.isEmpty()) label->setObjectName(name);
  label->setBuddy(field);
  return label;
}

}  // namespace

QWidget* MainWindow::BuildIntroPage() {
  auto* page = new QWidget;
  page->setObjectName("IntroTabSheet");
  auto* help = new QGroupBox("Help");
  help->setObjectName("HelpGroupBox");
  auto* buttons = new QVBoxLayout(help);
  // In the order of the help texts.
  const std::array<std::pair<const char*, const char*>, 5> captions{{
      {"Introduction", "BackButton"},
      {"Distributions", "ContButton"},
      {"Composition", "DisContButton"},
      {"Confidence", "ConfButton"},
      {"Intervals/histogram", "InterButton"},
  }};
  const std::array<const char*, 5> memoNames{"IntroMemo", "ContMemo", "DisConMemo", "ConfMemo",
                                             "IntervalMemo"};
  auto* texts = new QVBoxLayout;
  const QFont font = FixedPitchFont();
  for (int i = 0; i < 5; ++i) {
    const auto text = static_cast<HelpText>(i);
    helpButtons_[i] = Button(captions[i].first, captions[i].second);
    connect(helpButtons_[i], &QPushButton::clicked, this,
            [this, text] { Forward([this, text] { controller_.ShowHelp(text); }); });
    helpMemos_[i] = Memo(memoNames[i], captions[i].first, HelpTextOf(text));
    helpMemos_[i]->setFont(font);
    helpMemos_[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
    texts->addWidget(helpMemos_[i]);
  }
  // The way back to the introduction closes the list, as in the order of
  // the Tab key.
  for (int i : {1, 2, 3, 4, 0}) buttons->addWidget(helpButtons_[i]);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(texts, 1);
  layout->addWidget(help);
  return page;
}

QWidget* MainWindow::BuildInputFields() {
  auto& in = input_;
  auto* fields = new QWidget;
  auto* form = new QFormLayout(fields);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  in.nrOfData = Edit("NrOfDataEdit", kNrOfDataHint);
  in.nrOfClasses = Edit("NrOfClassesEdit", kNrOfClassesHint);
  in.threshold = Edit("ThresholdEdit", kThresholdHint);
  in.threshold->setText("not used");
  in.threshold->setEnabled(false);
  for (QLineEdit* number : {in.nrOfData, in.nrOfClasses, in.threshold}) number->setMaximumWidth(90);
  form->addRow(LabelFor("Nr. of Data", in.nrOfData), in.nrOfData);
  form->addRow(LabelFor("Nr of Intervals for histogram", in.nrOfClasses), in.nrOfClasses);
  form->addRow(LabelFor("Threshold  (cut-off for data values)", in.threshold), in.threshold);

  in.option = new QComboBox;
  in.option->setObjectName("OptionComboBox");
  in.option->setAccessibleName(kOptionName);
  in.option->addItems({"No composite distribution allowed, even if detected",
                       "Allow a composite distribution, if it can be detected"});
  in.option->setMaxVisibleItems(3);
  form->addRow(in.option);
  in.discon = new QComboBox;
  in.discon->setObjectName("DisconComboBox");
  for (const auto& item : CompositeListItems()) in.discon->addItem(Q(item));
  in.discon->setMaxVisibleItems(25);
  in.disconLabel = LabelFor("Select composite distribution", in.discon, "DisconLabel");
  form->addRow(in.disconLabel);
  form->addRow(in.discon);
  in.selectionButton = Button("Select a preferred probability distribution", "SelectionButton");
  form->addRow(in.selectionButton);
  in.selection = Edit("SelectionEdit");
  in.selection->setReadOnly(true);
  in.selectionLabel = LabelFor("Actual selection", in.selection, "SelectionLabel");
  form->addRow(in.selectionLabel);
  form->addRow(in.selection);

  connect(in.nrOfData, &QLineEdit::textEdited, this,
          [this](const QString& text) { controller_.SetNrOfDataText(text.toStdString()); });
  connect(in.nrOfData, &QLineEdit::editingFinished, this,
          [this] { ForwardLater([this] { controller_.NrOfDataEditExit(); }); });
  watchers_.push_back(Watch(in.nrOfClasses, QEvent::MouseButtonPress,
                            [this] { Forward([this] { controller_.NrOfClassesEditClick(); }); }));
  connect(in.nrOfClasses, &QLineEdit::textEdited, this,
          [this](const QString& text) { controller_.SetNrOfClassesText(text.toStdString()); });
  connect(in.nrOfClasses, &QLineEdit::editingFinished, this,
          [this] { ForwardLater([this] { controller_.NrOfClassesEditExit(); }); });
  connect(in.option, &QComboBox::activated, this, [this](int index) {
    Forward([this, index] { controller_.OptionComboBoxChange(index); });
  });
  connect(in.discon, &QComboBox::activated, this, [this](int index) {
    Forward([this, index] { controller_.DisconComboBoxChange(index); });
  });
  connect(in.selectionButton, &QPushButton::clicked, this,
          [this] { Forward([this] { controller_.SelectionButtonClick(); }); });
  return fields;
}

QWidget* MainWindow::BuildInputPage() {
  auto& in = input_;
  auto* page = new QWidget;
  page->setObjectName("InputTabSheet");

  auto* heading = new QFormLayout;
  in.fileName = Edit("FileNameEdit");
  in.fileName->setReadOnly(true);
  in.fileNameLabel = LabelFor("File", in.fileName, "FileNameLabel");
  heading->addRow(in.fileNameLabel, in.fileName);
  in.title1 = Edit("Title1Edit");
  in.title2 = Edit("Title2Edit", kTitle2Hint);
  heading->addRow(LabelFor("Title1", in.title1), in.title1);
  heading->addRow(LabelFor("Title2", in.title2), in.title2);
  connect(in.title1, &QLineEdit::textEdited, this,
          [this](const QString& text) { controller_.SetTitle1(text.toStdString()); });
  connect(in.title2, &QLineEdit::textEdited, this,
          [this](const QString& text) { controller_.SetTitle2(text.toStdString()); });

  in.grid = new ValueGrid;
  in.grid->setAccessibleName(kGridName);
  in.grid->onCellText = [this](int row, const std::string& text) {
    ForwardLater([this, row, text] { controller_.SetEditText(row, text); });
  };
  in.pasteHelpMemo = Memo("PasteHelpMemo", kPasteHelpName, PasteHelpText());
  in.wait = Memo("WaitMemo", kWaitName);
  in.wait->setFont(FixedPitchFont());

  auto* right = new QVBoxLayout;
  in.entries = BuildInputFields();
  right->addWidget(in.entries);
  right->addWidget(in.wait, 1);
  right->addStretch();

  auto* middle = new QHBoxLayout;
  middle->addWidget(in.grid);
  middle->addWidget(in.pasteHelpMemo, 1);
  middle->addLayout(right, 1);

  in.open = Button(" Open input ", "InputOpenButton");
  in.save = Button(" Save-Run ", "InputSaveButton");
  in.clear = Button("Clear data", "ClearButton");
  in.pasteHelp = Button("Paste help", "PasteHelpButton");
  connect(in.open, &QPushButton::clicked, this,
          [this] { Forward([this] { controller_.InputOpenActionExecute(); }); });
  // Its letter presses it without taking the focus from the field being
  // typed in.
  connect(in.save, &QPushButton::clicked, this, [this] { SaveRunKey(); });
  connect(in.clear, &QPushButton::clicked, this,
          [this] { Forward([this] { controller_.ClearButtonClick(); }); });
  connect(in.pasteHelp, &QPushButton::clicked, this,
          [this] { Forward([this] { controller_.PasteHelpButtonClick(); }); });
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {in.open, in.save, in.clear, in.pasteHelp}) buttons->addWidget(button);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(heading);
  layout->addLayout(middle, 1);
  layout->addLayout(buttons);
  return page;
}

QWidget* MainWindow::BuildOutputPage() {
  auto& out = output_;
  auto* page = new QWidget;
  page->setObjectName("OutputTabSheet");
  out.open = Button("Open output", "SeeOutputButton");
  QPushButton* open = out.open;
  out.viewGraph = Button("Graphics", "ViewGraphButton");
  out.calc = Button("Calculator", "CalcButton");
  out.fit = Button("Goodness of fit", "FitButton");
  out.opt = Button("Optimization explained", "OptButton");
  out.list = Button("List of distributions ranked by data fit", "ListButton");
  const std::array<std::pair<QPushButton*, void (MainController::*)()>, 6> events{{
      {open, &MainController::OutputOpenActionExecute},
      {out.viewGraph, &MainController::ViewGraphButtonClick},
      {out.calc, &MainController::CalcButtonClick},
      {out.fit, &MainController::FitButtonClick},
      {out.opt, &MainController::OptButtonClick},
      {out.list, &MainController::ListButtonClick},
  }};
  // Two rows, so that all six fit the window's width.
  auto* buttons = new QVBoxLayout;
  std::array<QHBoxLayout*, 2> rows{new QHBoxLayout, new QHBoxLayout};
  for (size_t i = 0; i < events.size(); ++i) {
    const auto handler = events[i].second;
    connect(events[i].first, &QPushButton::clicked, this,
            [this, handler] { Forward([this, handler] { (controller_.*handler)(); }); });
    rows[i < 4 ? 0 : 1]->addWidget(events[i].first);
  }
  for (QHBoxLayout* row : rows) {
    row->addStretch();
    buttons->addLayout(row);
  }

  out.report = Memo("OutputMemo", kReportName);
  out.report->setFont(FixedPitchFont());
  out.report->setLineWrapMode(QPlainTextEdit::NoWrap);

  out.fitPanel = new QWidget;
  out.fitPanel->setObjectName("FitPanel");
  out.fitMemo = Memo("FitMemo", kFitName);
  out.fitMemo->setFont(FixedPitchFont());
  out.closeFit = Button("Close", "CloseFitButton");
  QPushButton* closeFit = out.closeFit;
  connect(closeFit, &QPushButton::clicked, this,
          [this] { Forward([this] { controller_.CloseFitButtonClick(); }); });
  auto* fitLayout = new QVBoxLayout(out.fitPanel);
  fitLayout->setContentsMargins(0, 0, 0, 0);
  fitLayout->addWidget(out.fitMemo);
  fitLayout->addWidget(closeFit, 0, Qt::AlignRight);
  out.fitPanel->setMaximumHeight(280);

  // Without a report the buttons keep their place at the top: the space
  // below is the report's, or nobody's.
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(buttons);
  layout->addWidget(out.fitPanel);
  layout->addWidget(out.report, 1);
  layout->addStretch(0);
  return page;
}

QWidget* MainWindow::BuildGraphicsPage() {
  graphics_ = new GraphicsPage(graphicsController_, drawer_, [this] {
    Render();
    EndProgramIfAsked();
  });
  graphics_->setObjectName("GraphicsTabSheet");
  return graphics_;
}

}  // namespace quarlin::ui
