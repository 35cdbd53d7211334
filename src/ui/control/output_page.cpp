// The Output page: the report, the buttons that lead on from it, and its
// small windows (goodness of fit, optimisation, ranked list, calculator).
#include <filesystem>
#include <system_error>

#include "calculator/calc_controller.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "data/messages.h"
#include "data/open_output.h"
#include "engine/catalogue/codes.h"
#include "graphs/graph_data_reader.h"
#include "ui/control/graphics_texts.h"
#include "ui/control/main_controller.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {
namespace {

// The optimised normal family, whose optimisation the page explains. An
// opened report offers it for the root-normal distribution too, a fresh
// run does not.
bool IsOptimizedNormal(int code, bool rootNormalToo) {
  return code == kNormalOptimized || code == kLogNormalOptimized || code == kSquareNormal ||
         code == kGeneralizedNormal || (rootNormalToo && code == kRootNormal);
}

}  // namespace

void MainController::AttachCalculator(CalcView& view) {
  // The calculator reads the report's files into its own copy: the run
  // state and the grid keep what the user typed, pasted or opened.
  calc_ = std::make_unique<CalcController>(view, dialogs_, numbers_, state_);
}

void MainController::OutputTabSheetShow() {
  lastResultPage_ = Page::Output;
  auto& output = model_.output;
  if (runDone_) {
    output.optButton = IsOptimizedNormal(chosenCode_, false);
  } else {
    output.viewGraphButton = false;
    output.fitButton = false;
    output.optButton = false;
    output.calcButton = false;
  }
  model_.saveActionEnabled = false;
  model_.status = kOutputStatus;
  if (graphics_) {
    graphics_->ShowChoicesUnlessPicture();
    graphics_->ResetButtons();
  }
}

void MainController::OutputTabSheetExit() {
  if (model_.calcShown) CalcWindowClosed();
}

void MainController::OutputOpenActionExecute() {
  if (model_.running) return;
  const auto chosen = dialogs_.ChooseOpenFile({{kOutputFilterDescription, kOutputFilterPattern}});
  if (!chosen) {
    dialogs_.Message(kNoOutputSelectedMessage);
    return;
  }
  model_.dialogFolder = std::filesystem::path(*chosen).parent_path().string();
  // A report that cannot be shown leaves no buttons that would lead to
  // it: only Open output stays.
  std::optional<std::vector<std::string>> lines;
  RunState opened = state_;
  opened.FileName = *chosen;
  if (IsRegularFile(*chosen))
    lines = OpenOutput(opened, dialogs_, OutputOrigin::kOpened);
  else
    dialogs_.Message(kFileMissingMessage);
  if (model_.calcShown) CalcWindowClosed();
  model_.listShown = false;
  model_.output = OutputPageModel();
  if (!lines) {
    ShowPage(Page::Output);
    return;
  }
  state_.FileName = opened.FileName;
  state_.AuxCode = opened.AuxCode;
  runDone_ = true;
  model_.output.report = std::move(*lines);
  const GraphDataReading reading = ReadGraphData(state_.FileName, GraphType::kCumulative);
  const int nrOfData = reading.data ? reading.data->nrOfData : 0;
  chosenCode_ = reading.data ? reading.data->DistrCode() : state_.AuxCode;
  ShowReportOpened(nrOfData);
}

void MainController::ShowReportOpened(int nrOfData) {
  auto& output = model_.output;
  output.reportShown = true;
  output.viewGraphButton = true;
  output.calcButton = state_.AuxCode > 0;
  output.fitButton = nrOfData > 250;
  output.listButton = IsRegularFile(ChangeExtension(state_.FileName, ".Lst"));
  output.optButton = IsOptimizedNormal(chosenCode_, true);
  if (graphics_) {
    graphics_->SetReport(state_.FileName, chosenCode_);
    graphics_->ClearPicture();
    graphics_->ResetButtons();
    graphics_->ShowChoicesUnlessPicture();
  }
  if (lastResultPage_ == Page::Output) {
    ShowPage(Page::Output);
    model_.status = kOutputOpenedStatus;
  } else {
    ShowPage(Page::Graphics);
    model_.status = kSelectGraphStatus;
  }
}

void MainController::ViewGraphButtonClick() {
  if (model_.running) return;
  runDone_ = true;
  if (graphics_) {
    graphics_->ClearPicture();
    graphics_->ResetButtons();
    graphics_->ShowChoicesUnlessPicture();
    graphics_->SetXConfidenceEnabled(chosenCode_ != kGamma);
  }
  ShowPage(Page::Graphics);
}

void MainController::CalcButtonClick() {
  if (!calc_ || model_.running) return;
  model_.calcShown = true;
  calc_->FormShow(chosenCode_);
}

void MainController::CalcWindowClosed() {
  if (!model_.calcShown) return;
  model_.calcShown = false;
  if (!calc_) return;
  calc_->FormClose();
  calc_->FormHide();
}

void MainController::FitButtonClick() {
  if (model_.running) return;
  const GraphDataReading reading = ReadGraphData(state_.FileName, GraphType::kCumulative);
  if (!reading.data) {
    dialogs_.Message(reading.error);
    return;
  }
  const std::string value = Fix(reading.data->avAbsDiff, 5, 2);
  model_.output.fitLines = {
      "Quarlin calculates AvAbsDiff: the average of the absolute values of the differences "
      "between observed and calculated cumulative frequencies in %, the latter on the basis of "
      "the fitted probability distribution.",
      "",
      std::string("In this case the AvAbsDiff =") + value + " %",
      "",
      "The AvAbsDiff may be classified as follows:",
      "",
      "            AvAbsDiff < 1%    very good",
      "   1% < AvAbsDiff < 2%    good",
      "   2% < AvAbsDiff < 3%    medium",
      "   3% < AvAbsDiff < 5%    poor",
      "            AvAbsDiff > 5%    very poor"};
  model_.output.fitPanelShown = true;
}

void MainController::ListButtonClick() {
  if (model_.running) return;
  const auto path = ChangeExtension(state_.FileName, ".Lst");
  auto lines = ReadLines(path);
  if (!lines) {
    dialogs_.Message(CouldNotOpenMessage(path.string()));
    return;
  }
  model_.listLines = std::move(*lines);
  model_.listShown = true;
}

void MainController::PictureOpened(const std::string& folder) {
  auto& output = model_.output;
  output.reportShown = false;
  output.viewGraphButton = false;
  output.fitButton = false;
  output.optButton = false;
  output.calcButton = false;
  model_.dialogFolder = folder;
}

}  // namespace quarlin::ui
