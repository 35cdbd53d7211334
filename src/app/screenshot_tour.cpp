// Drives the desktop program through what a new user does first and saves
// each window as a PNG, so that the pages can be looked at on a machine
// without a display: quarlin-screenshots DIR VALUES-FILE REPORT, where
// REPORT is an *.out of many data that the Output page opens at the end.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include "ui/qt/calc_window.h"
#include "ui/qt/text_window.h"

#include "data/dialogs.h"
#include "ui/control/window_texts.h"
#include "ui/qt/desktop_program.h"
#include "ui/qt/finish_window.h"
#include "ui/qt/graphics_page.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/select_dialog.h"
#include "ui/qt/value_grid.h"

namespace {

// Answers as a user would: the run's file goes into the screenshot folder,
// every question is answered Yes, messages are printed.
class TourDialogs : public quarlin::Dialogs {
 public:
  explicit TourDialogs(std::string saveAs) : saveAs_(std::move(saveAs)) {}
  void Message(const std::string& text) override {
    std::cerr << "message: " << text << "\n";
    lastMessage = text;
  }
  bool Question(const std::string&) override { return true; }
  std::optional<std::string> ChooseSaveFile(const std::vector<quarlin::FileFilter>&) override {
    return saveAs_;
  }
  std::optional<std::string> ChooseOpenFile(const std::vector<quarlin::FileFilter>&) override {
    return openFile;
  }

  std::optional<std::string> openFile;
  std::string lastMessage;

 private:
  std::string saveAs_;
};

bool Save(QWidget& widget, const std::filesystem::path& folder, const char* name) {
  QApplication::processEvents();
  const auto path = folder / name;
  if (!widget.grab().save(QString::fromStdString(path.string()))) {
    std::cerr << "could not write " << path << "\n";
    return false;
  }
  std::cerr << "wrote " << path.string() << "\n";
  return true;
}

// Saves the dialog that `ask` brings up, then closes it.
bool SaveModal(const std::filesystem::path& folder, const char* name,
               const std::function<void()>& ask) {
  bool saved = false;
  QTimer::singleShot(0, [&] {
    if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 5000)) return;
    QWidget* dialog = QApplication::activeModalWidget();
    QTest::qWait(200);  // a file dialog fills its list on a thread of its own
    saved = Save(*dialog, folder, name);
    if (auto* closing = qobject_cast<QDialog*>(dialog)) closing->reject();
  });
  ask();
  if (!saved) std::cerr << "no dialog for " << name << "\n";
  return saved;
}

template <typename T>
T* Find(QWidget& window, const char* name) {
  T* found = window.findChild<T*>(name);
  if (!found) std::cerr << "no widget " << name << "\n";
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: quarlin-screenshots DIR VALUES-FILE REPORT\n";
    return 2;
  }
  const std::string bundledReport = argv[3];
  const std::filesystem::path folder = argv[1];
  std::ifstream values(argv[2]);
  std::stringstream column;
  column << values.rdbuf();
  if (!values || column.str().empty()) {
    std::cerr << "could not read " << argv[2] << "\n";
    return 1;
  }

  TourDialogs dialogs((folder / "tour.inp").string());
  quarlin::ui::DesktopProgram program(&dialogs);
  QWidget& window = program.Window();
  window.show();
  bool ok = Save(window, folder, "window-intro.png");

  auto* pages = Find<QTabWidget>(window, "PageControl1");
  auto* grid = Find<quarlin::ui::ValueGrid>(window, "StringGrid1");
  auto* title1 = Find<QLineEdit>(window, "Title1Edit");
  auto* title2 = Find<QLineEdit>(window, "Title2Edit");
  if (!pages || !grid || !title1 || !title2) return 1;
  // The Output page before any report: only its first button.
  pages->setCurrentIndex(2);
  ok = Save(window, folder, "window-output-empty.png") && ok;

  pages->setCurrentIndex(1);
  QTest::keyClicks(title1, "Yearly maximum sea levels");
  QTest::keyClicks(title2, "Port Pirie, metres");
  grid->setFocus();
  grid->setCurrentCell(0, 1);

  // Years and values with a heading, two of them mistyped: the values are
  // taken, the two cells marked, and one message says what happened.
  QApplication::clipboard()->setText(
      "Year\tSea level (m)\n1923\t4.03\n1924\t3.83\n1925\t3.65\n1926\t3.88\n1927\t4,01\n"
      "1928\t4.08\n1929\t4.18\n1930\t3.80\n1931\t4.36\n1932\t3.96\n1933\t3..98\n"
      "1934\t4.69\n1935\t3.85\n1936\t3.96\n");
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  ok = Save(window, folder, "window-refused-paste.png") && ok;
  {
    QMessageBox told(QMessageBox::Information, quarlin::ui::kApplicationTitle,
                     QString::fromStdString(dialogs.lastMessage), QMessageBox::Ok, &window);
    told.show();
    ok = Save(told, folder, "window-refused-paste-message.png") && ok;
  }

  QApplication::clipboard()->setText(QString::fromStdString(column.str()));
  grid->setCurrentCell(0, 1);
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  ok = Save(window, folder, "window-input.png") && ok;

  QTest::mouseClick(Find<QPushButton>(window, "SelectionButton"), Qt::LeftButton);
  auto& select = program.Window().Selection();
  ok = Save(select, folder, "window-selection.png") && ok;
  QTest::mouseClick(Find<QPushButton>(select, "Button1"), Qt::LeftButton);

  QTest::mouseClick(Find<QPushButton>(window, "PasteHelpButton"), Qt::LeftButton);
  ok = Save(window, folder, "window-paste-help.png") && ok;
  QTest::mouseClick(Find<QPushButton>(window, "PasteHelpButton"), Qt::LeftButton);

  // Save-Run from its key; the status text tells how far the run is.
  auto* status = Find<QLabel>(window, "StatusText");
  QApplication::setActiveWindow(&window);
  title1->setFocus();
  QTest::keyClick(title1, Qt::Key_S, Qt::ControlModifier);
  auto* wait = Find<QPlainTextEdit>(window, "WaitMemo");
  if (QTest::qWaitFor(
          [&] {
            return wait->isVisible() && wait->blockCount() >= 5 &&
                   status->text().contains(" distributions fitted.");
          },
          30000))
    ok = Save(window, folder, "window-running.png") && ok;
  else
    ok = false;
  if (QTest::qWaitFor([&] { return !program.Controller().Model().running; }, 300000))
    ok = Save(window, folder, "window-output.png") && ok;
  else
    ok = false;

  // Each graph of the report on the Graphics page, then back.
  QTest::mouseClick(Find<QPushButton>(window, "ViewGraphButton"), Qt::LeftButton);
  ok = Save(window, folder, "window-graph-choices.png") && ok;
  for (int i = 0; i < 6; ++i) {
    auto* radio = Find<QRadioButton>(window, quarlin::ui::kGraphChoiceNames[i]);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QTest::mouseClick(Find<QPushButton>(window, "GoButton"), Qt::LeftButton);
    const std::string name = "window-graph-" + std::to_string(i + 1) + ".png";
    ok = Save(window, folder, name.c_str()) && ok;
    QTest::mouseClick(Find<QPushButton>(window, "SelectButton"), Qt::LeftButton);
  }
  pages->setCurrentIndex(2);

  QTest::mouseClick(Find<QPushButton>(window, "ListButton"), Qt::LeftButton);
  ok = Save(program.Window().RankedList(), folder, "window-ranked-list.png") && ok;
  program.Window().RankedList().close();

  // The calculator, forward and inverse.
  QTest::mouseClick(Find<QPushButton>(window, "CalcButton"), Qt::LeftButton);
  QWidget& calc = program.Window().Calculator();
  QApplication::setActiveWindow(&calc);
  auto* edit1 = Find<QLineEdit>(calc, "Edit1");
  edit1->setFocus();
  QTest::keyClicks(edit1, "4.5");
  QTest::mouseClick(Find<QLineEdit>(calc, "Edit7"), Qt::LeftButton);
  ok = Save(calc, folder, "window-calculator-forward.png") && ok;
  auto* edit5 = Find<QLineEdit>(calc, "Edit5");
  edit5->setFocus();
  QTest::keyClicks(edit5, "100");
  QTest::mouseClick(Find<QLineEdit>(calc, "Edit8"), Qt::LeftButton);
  ok = Save(calc, folder, "window-calculator-inverse.png") && ok;
  calc.close();

  // A bundled report of many data, with its goodness of fit.
  dialogs.openFile = bundledReport;
  QApplication::setActiveWindow(&window);
  QTest::mouseClick(Find<QPushButton>(window, "SeeOutputButton"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>(window, "FitButton"), Qt::LeftButton);
  ok = Save(window, folder, "window-goodness-of-fit.png") && ok;

  // The program's own message box and file dialog, over the main window.
  quarlin::ui::QtDialogs shown([&] { return folder.string(); });
  shown.SetParent(&window);
  ok = SaveModal(folder, "window-message.png",
                 [&] { shown.Message("No input file was selected"); }) &&
       ok;
  ok = SaveModal(folder, "window-file-dialog.png",
                 [&] {
                   shown.ChooseOpenFile({{"Output files (*.out)", "*.out"}});
                 }) &&
       ok;

  // Ctrl+Q asks through the closing window.
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  ok = Save(program.Window().Finish(), folder, "window-finish.png") && ok;
  return ok ? 0 : 1;
}
