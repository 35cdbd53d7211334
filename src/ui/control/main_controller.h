#pragma once
// The main window's logic: its pages, the Input page with its grid and
// fields, the preferred-distribution choice and Save-Run. The window
// forwards every event here and draws Model() afterwards; Save-Run works on
// a thread of its own and reports back through the WindowThread.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/dialogs.h"
#include "data/number_reading.h"
#include "data/run_session.h"
#include "data/run_state.h"
#include "data/stop_request.h"
#include "ui/control/graphics_controller.h"
#include "ui/control/run_status.h"
#include "ui/control/window_model.h"
#include "ui/control/window_thread.h"
#include "ui/control/worker_front_end.h"

namespace quarlin {
class CalcController;
class CalcView;
}  // namespace quarlin

namespace quarlin::ui {

struct ControllerSettings {
  char decimalSeparator = '.';  // the system's, until a conversion fails under a comma
  std::string startDir;         // where the file dialogs first open
  int pauseMs = 500;            // between the run's own progress lines
};

class MainController : public GraphicsHost {
 public:
  MainController(Dialogs& dialogs, WindowThread& thread, RunSession& session,
                 ControllerSettings settings);
  ~MainController() override;

  // The Graphics page and the calculator window, when the program has
  // them; the controller works without either.
  void AttachGraphics(GraphicsController& graphics) { graphics_ = &graphics; }
  void AttachCalculator(CalcView& view);
  CalcController* Calculator() { return calc_.get(); }

  const MainWindowModel& Model() const { return model_; }
  const RunState& State() const { return state_; }
  char DecimalSeparator() const { return numbers_.DecimalSeparator(); }
  // Called when the model changed without an event of the window: a
  // progress line or the end of a run arrived.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // Pages and closing.
  void ShowPage(Page page);
  void ShowHelp(HelpText text);
  // F1: the paste help on the Input page, the Intro page elsewhere.
  void HelpKeyPressed();
  void CloseRequested();
  void FinishButtonClick();
  // The closing window was left without finishing (Escape).
  void CancelClosing();
  bool QuitRequested() const { return quit_; }

  // Input page fields as the user types them.
  void SetTitle1(std::string text) { model_.input.title1 = std::move(text); }
  void SetTitle2(std::string text) { model_.input.title2 = std::move(text); }
  void SetNrOfDataText(std::string text) { model_.input.nrOfData = std::move(text); }
  void SetNrOfClassesText(std::string text) { model_.input.nrOfClasses = std::move(text); }
  void NrOfDataEditExit();
  void NrOfClassesEditClick();
  void NrOfClassesEditExit();

  // The value cell of grid row `row` got `text`, typed or pasted.
  void SetEditText(int row, const std::string& text);
  void PasteHelpButtonClick();
  void ClearButtonClick();
  void InputOpenActionExecute();
  // Save-Run; returns at once, the run goes on away from the window.
  void InputSaveActionExecute();
  // Asks a run that is on to stop after its current fit.
  void StopRun() { stop_.Request(); }

  // Preferred distribution.
  void SelectionButtonClick();
  // An index outside the dialog's choices changes nothing.
  void SelectChoice(int index);
  void ConfirmSelection();
  // The dialog was closed without a choice being confirmed.
  void SelectDialogClosed() { model_.selectDialogShown = false; }
  void OptionComboBoxChange(int index);
  void DisconComboBoxChange(int index);

  // Output page and its small windows.
  void OutputOpenActionExecute();
  void ViewGraphButtonClick();
  void CalcButtonClick();
  void CalcWindowClosed();
  void FitButtonClick();
  void CloseFitButtonClick() { model_.output.fitPanelShown = false; }
  void OptButtonClick() { model_.optShown = true; }
  void OptWindowClosed() { model_.optShown = false; }
  void ListButtonClick();
  void ListWindowClosed() { model_.listShown = false; }
  // The distribution code of the report in hand.
  int ChosenCode() const { return chosenCode_; }

  // The Graphics page's side of the main window.
  void SetStatus(const std::string& text) override { model_.status = text; }
  void OpenOutputForGraphs() override { OutputOpenActionExecute(); }
  void ShowGraphicsPage() override { ShowPage(Page::Graphics); }
  void PictureOpened(const std::string& folder) override;

 private:
  void FormCreate();
  void IntroTabSheetShow();
  void InputTabSheetShow();
  void OutputTabSheetShow();
  void OutputTabSheetExit();
  void GraphicsTabSheetShow();
  void ShowReportOpened(int nrOfData);
  void RefillGrid(int lastRow);
  void NumberOfDataCheck();
  bool HandlePasteMultiCell(int startRow, std::string_view text);
  // True when a mark changed.
  bool UpdateMarks();
  void CopyGridIntoState();
  void ProgressLine(const std::string& line);
  void FinishSaveRun();
  void WindowFault(const std::string& message);
  void ShowRunData();
  void ShowInputSaved();
  void DeleteRankedList();
  void Changed();
  // A message was about `field`: the focus goes back there.
  void FaultAt(Field field);

  Dialogs& dialogs_;
  WindowThread& thread_;
  RunSession& session_;
  ControllerSettings settings_;
  NumberConversion numbers_;
  RunState state_;
  MainWindowModel model_;
  std::function<void()> onChange_;

  // Window state.
  bool runDone_ = false;
  bool dataLoaded_ = false;
  // The grid's cells hold what the user typed since data were last loaded,
  // and the grid is refilled from them rather than from the run state.
  bool gridTyped_ = false;
  // Values were typed or pasted since the input file was last written or
  // read.
  bool unsaved_ = false;
  bool compositeWanted_ = false;
  bool pasting_ = false;
  bool quit_ = false;
  int runCount_ = 0;
  int rows_ = 0;
  int enteredN_ = 0;
  int loadedN_ = 15;
  int chosenCode_ = 0;
  // Which of the Output and Graphics pages was shown last.
  Page lastResultPage_ = Page::Output;

  GraphicsController* graphics_ = nullptr;
  std::unique_ptr<CalcController> calc_;

  // Save-Run away from the window.
  StopRequest stop_;
  WorkerDialogs workerDialogs_;
  WorkerProgress workerProgress_;
  RunResult result_;
  // What a run that a fault ended puts back, and the message it leaves.
  RunState stateBeforeRun_;
  std::string fault_;
  RunStatus runStatus_;
  // The status text before the closing window was shown.
  std::string statusBeforeClosing_;
};

}  // namespace quarlin::ui
