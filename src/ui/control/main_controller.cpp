#include "ui/control/main_controller.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <system_error>
#include <thread>

#include "calculator/calc_controller.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "data/input_file.h"
#include "data/messages.h"
#include "data/open_output.h"
#include "data/save_run.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {
namespace {

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

}  // namespace

MainController::~MainController() = default;

MainController::MainController(Dialogs& dialogs, WindowThread& thread, RunSession& session,
                               ControllerSettings settings)
    : dialogs_(dialogs),
      thread_(thread),
      session_(session),
      settings_(std::move(settings)),
      numbers_(settings_.decimalSeparator),
      workerDialogs_(dialogs, thread),
      workerProgress_([this](const std::string& line) { ProgressLine(line); }, thread) {
  DataModuleCreate(state_);
  FormCreate();
}

void MainController::Changed() {
  if (onChange_) onChange_();
}

void MainController::FormCreate() {
  model_.dialogFolder = settings_.startDir;
  model_.input.title1.clear();
  model_.input.title2.clear();
  model_.input.pasteHelpShown = false;
  model_.input.pasteHelpCaption = kPasteHelpCaption;
  model_.input.fileNameShown = false;
  dataLoaded_ = false;
  gridTyped_ = false;
  unsaved_ = false;
  runDone_ = false;
  model_.page = Page::Intro;
  IntroTabSheetShow();
}

void MainController::ShowPage(Page page) {
  if (page == model_.page) return;
  if (model_.page == Page::Output) OutputTabSheetExit();
  model_.page = page;
  switch (page) {
    case Page::Intro:
      IntroTabSheetShow();
      break;
    case Page::Input:
      InputTabSheetShow();
      break;
    case Page::Output:
      OutputTabSheetShow();
      break;
    case Page::Graphics:
      GraphicsTabSheetShow();
      break;
  }
}

void MainController::ShowHelp(HelpText text) {
  model_.helpText = text;
}

void MainController::HelpKeyPressed() {
  if (model_.page != Page::Input) {
    ShowPage(Page::Intro);
    ShowHelp(HelpText::Introduction);
    return;
  }
  // The paste help hides the grid, which a run must keep showing.
  if (!model_.input.pasteHelpShown && !model_.running) PasteHelpButtonClick();
}

void MainController::FaultAt(Field field) {
  if (field == Field::None) return;
  model_.focus.field = field;
  ++model_.focus.revision;
}

void MainController::IntroTabSheetShow() {
  model_.status = kIntroStatus;
  model_.saveActionEnabled = false;
  model_.helpText = HelpText::Introduction;
}

void MainController::InputTabSheetShow() {
  model_.status = kInputStatus;
  // The run owns the run state until it ends; the grid shows what it had.
  if (model_.running) return;
  pasting_ = false;
  model_.saveActionEnabled = true;
  int lastRow = 0;
  if (!dataLoaded_) {
    state_.NrOfClassesText = "5";
    model_.input.nrOfClasses = "5";
    state_.Preference = "1";
    model_.input.fileNameShown = false;
    model_.input.disconShown = false;
    model_.input.optionIndex = 0;
    rows_ = 15;
    state_.NrOfData = 15;
    lastRow = 14;
  } else if (runDone_) {
    rows_ = state_.NrOfData;
    lastRow = state_.NrOfData - 1;
    loadedN_ = state_.NrOfData;
  } else {
    state_.NrOfData = enteredN_;
    rows_ = enteredN_;
    lastRow = enteredN_ - 1;
  }
  model_.input.selectionShown = true;
  compositeWanted_ = model_.input.optionIndex == 1;
  RefillGrid(lastRow);
}

void MainController::GraphicsTabSheetShow() {
  lastResultPage_ = Page::Graphics;
  model_.saveActionEnabled = false;
  model_.status = kGraphicsStatus;
  if (graphics_) graphics_->TabShow();
}

void MainController::CloseRequested() {
  if (!model_.finishShown) statusBeforeClosing_ = model_.status;
  model_.finishShown = true;
  model_.status = kFinishStatus;
}

void MainController::CancelClosing() {
  if (!model_.finishShown || quit_) return;
  model_.finishShown = false;
  if (model_.status == kFinishStatus) model_.status = statusBeforeClosing_;
}

void MainController::FinishButtonClick() {
  // Values typed or pasted and never written would be gone: the user who
  // wants them gets the window back with them.
  if (unsaved_ && !dialogs_.Question(kUnsavedQuestion)) {
    model_.finishShown = false;
    model_.status = statusBeforeClosing_;
    return;
  }
  // A run that is on stops after its current fit; the window waits for it
  // before the program ends, so that no temporary file stays behind.
  if (model_.running) stop_.Request();
  quit_ = true;
}

void MainController::ClearButtonClick() {
  if (model_.running || !dialogs_.Question(kClearQuestion)) return;
  FormCreate();
  loadedN_ = 15;
  ShowPage(Page::Input);
}

void MainController::InputOpenActionExecute() {
  if (model_.running) return;
  const auto chosen = dialogs_.ChooseOpenFile({kInputFilter});
  if (!chosen) {
    dialogs_.Message(kNoInputSelectedMessage);
    return;
  }
  if (!IsRegularFile(*chosen)) {
    dialogs_.Message(kFileMissingMessage);
    return;
  }
  // Read into a copy, so that a file that cannot be used leaves what the
  // window holds as it was.
  RunState read = state_;
  read.FileName = *chosen;
  const Status status = ReadInputFile(read);
  if (!status.ok()) {
    dialogs_.Message(status.message());
    return;
  }
  if (read.NrOfData > kMaxData) {
    dialogs_.Message(kTooManyDataMessage);
    return;
  }
  state_ = std::move(read);
  auto& input = model_.input;
  input.title1 = state_.Title1;
  input.title2 = state_.Title2;
  input.fileName = state_.FileName;
  input.fileNameShown = true;
  input.nrOfClasses = Int(state_.NrOfClasses);
  state_.NrOfClassesText = input.nrOfClasses;
  loadedN_ = state_.NrOfData;
  dataLoaded_ = true;
  gridTyped_ = false;
  unsaved_ = false;
  model_.dialogFolder = FolderOf(state_.FileName);
  input.optionIndex = state_.CompositeAllowed ? 1 : 0;
  input.disconShown = state_.CompositeAllowed;
  input.disconIndex = 0;
  if (state_.CompositeAllowed) input.selectionShown = true;
  RefillGrid(state_.NrOfData - 1);
  model_.output = OutputPageModel();
  model_.listShown = false;
  if (graphics_) {
    graphics_->ClearPicture();
    graphics_->ResetButtons();
  }
  input.gridWidth = state_.NrOfData > 15 ? 170 : 155;
  ShowPage(Page::Input);
}

void MainController::InputSaveActionExecute() {
  if (model_.running || !model_.saveActionEnabled) return;
  SaveRunInput input;
  input.Title1 = model_.input.title1;
  input.Title2 = model_.input.title2;
  input.NrOfClassesText = model_.input.nrOfClasses;
  const auto& grid = model_.input.grid;
  for (int r = 0; r < state_.NrOfData; ++r)
    input.Cells.push_back(r < static_cast<int>(grid.size()) ? grid[r].value : std::string());
  state_.OptionIndex = model_.input.optionIndex;
  model_.running = true;
  runStatus_ = RunStatus(state_.Preference, state_.OptionIndex == 1);
  model_.runStatus = runStatus_.Text();
  if (graphics_) graphics_->SetMakeGraphEnabled(false);
  stop_.Clear();
  result_ = RunResult();
  stateBeforeRun_ = state_;
  fault_.clear();
  thread_.RunAway(
      [this, input] {
        // A fault ends the run here, on its thread, where nobody else could
        // catch it; its temporary files and lock went on the way.
        try {
          FrontEnd frontEnd{workerDialogs_, workerProgress_, numbers_, nullptr, &stop_};
          if (settings_.pauseMs > 0)
            frontEnd.pause = [ms = settings_.pauseMs] {
              std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            };
          result_ = session_.SaveRun(state_, input, frontEnd);
        } catch (...) {
          fault_ = RunFaultMessage(std::current_exception());
        }
      },
      [this] {
        // A fault in showing the results must not leave the window
        // thinking that the run is still on.
        try {
          FinishSaveRun();
        } catch (...) {
          model_.running = false;
          dialogs_.Message(ProgramFaultMessage(std::current_exception()));
        }
        Changed();
      });
}

void MainController::ProgressLine(const std::string& line) {
  auto& input = model_.input;
  if (!input.waitShown) {
    input.waitLines.clear();
    input.waitShown = true;
  }
  input.waitLines.push_back(line);
  runStatus_.Line(line);
  model_.runStatus = runStatus_.Text();
  Changed();
}

void MainController::FinishSaveRun() {
  model_.running = false;
  model_.input.waitShown = false;
  if (graphics_) graphics_->SetMakeGraphEnabled(true);
  if (!fault_.empty()) {
    WindowFault(fault_);
    return;
  }
  switch (result_.outcome) {
    case RunOutcome::Refused:
      FaultAt(result_.refused == RefusedEntry::Classes ? Field::NrOfClasses : Field::Grid);
      return;
    case RunOutcome::NotSaved:
    case RunOutcome::NotWritten:
      return;
    case RunOutcome::Stopped:
    case RunOutcome::Cancelled:
      ShowRunData();
      return;
    case RunOutcome::OutputNotShown:
      ShowInputSaved();
      ShowRunData();
      return;
    case RunOutcome::Done:
      break;
  }
  ShowInputSaved();
  ShowRunData();
  runCount_ = state_.NrOfData;
  runDone_ = true;
  chosenCode_ = session_.Engine().ChosenCode;
  auto& output = model_.output;
  output.report = std::move(result_.outputLines);
  output.reportShown = true;
  output.viewGraphButton = true;
  output.calcButton = true;
  output.fitButton = state_.NrOfData > 500;
  output.fitPanelShown = false;
  output.listButton = result_.rankedListShown;
  model_.listShown = false;
  if (graphics_) {
    graphics_->SetReport(state_.FileName, chosenCode_);
    graphics_->ClearPicture();
  }
  ShowPage(Page::Output);
}

// A run that a fault ended leaves the window as it was before the run: the
// run state (file name, data, preference) goes back, the Input page with
// what the user typed stays, and the user is told.
void MainController::WindowFault(const std::string& message) {
  state_ = stateBeforeRun_;
  dialogs_.Message(message);
}

// The input file is kept: the values are safe in it, and the File field
// names it.
void MainController::ShowInputSaved() {
  unsaved_ = false;
  model_.input.fileName = ChangeExtension(state_.FileName, ".inp").string();
  model_.input.fileNameShown = true;
}

// The input file is written: the grid shows the data it holds, numbered
// from 1, and the empty cells are gone.
void MainController::ShowRunData() {
  gridTyped_ = false;
  dataLoaded_ = true;
  loadedN_ = state_.NrOfData;
  rows_ = state_.NrOfData;
  RefillGrid(state_.NrOfData - 1);
  model_.input.gridWidth = state_.NrOfData > 15 ? 170 : 155;
}

void MainController::DeleteRankedList() {
  const auto list = ChangeExtension(state_.FileName, ".Lst");
  std::error_code error;
  if (IsRegularFile(list)) std::filesystem::remove(list, error);
}

}  // namespace quarlin::ui
