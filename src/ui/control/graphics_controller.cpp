#include "ui/control/graphics_controller.h"

#include <filesystem>
#include <utility>

#include "common/text_file.h"
#include "data/messages.h"
#include "graphs/graph_plots.h"
#include "ui/control/graphics_texts.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {
namespace {

bool IsGraphType(int type) {
  return type >= kCumulativeGraph && type <= kIntervalObservedGraph;
}

}  // namespace

GraphicsController::GraphicsController(Dialogs& dialogs, GraphDrawer& drawer, GraphicsHost& host)
    : dialogs_(dialogs), drawer_(drawer), host_(host) {}

void GraphicsController::SetReport(std::string outPath, int chosenCode) {
  outPath_ = std::move(outPath);
  chosenCode_ = chosenCode;
}

void GraphicsController::TabShow() {
  if (!graphMade_) model_.saveButtons = false;
  if (!choicesOffered_) model_.choicesShown = false;
}

void GraphicsController::MakeGraphButtonClick() {
  host_.SetStatus(kMakeGraphStatus);
  host_.OpenOutputForGraphs();
}

void GraphicsController::SelectButtonClick() {
  host_.SetStatus(kSelectGraphStatus);
  model_.choicesShown = true;
  choicesOffered_ = true;
  ResetButtons();
}

void GraphicsController::Check(int type) {
  if (type != kNoGraph && !IsGraphType(type)) return;
  if (type == kConfidenceOfXGraph && !model_.xConfidenceEnabled) return;
  model_.checkedType = type;
}

void GraphicsController::GoButtonClick() {
  host_.SetStatus(kGraphDrawnStatus);
  model_.selectButton = true;
  if (!IsGraphType(model_.checkedType)) {
    dialogs_.Message(kNoGraphTypeMessage);
    return;
  }
  lastType_ = model_.checkedType;
  Draw();
}

void GraphicsController::ConfBeltButtonClick() {
  belt_ = model_.confBeltCaption != kHideBeltCaption;
  model_.confBeltCaption = belt_ ? kHideBeltCaption : kShowBeltCaption;
  GoButtonClick();
}

void GraphicsController::SaveGraphButtonClick() {
  colour_ = true;
  if (Draw()) Save();
}

void GraphicsController::SaveBlWhButtonClick() {
  colour_ = false;
  const bool drawn = Draw();
  // The picture on screen stays black and white until the next drawing.
  colour_ = true;
  if (drawn) Save();
}

void GraphicsController::GraphOpenActionExecute() {
  const std::optional<std::string> chosen =
      dialogs_.ChooseOpenFile({{kGraphOpenFilterDescription, kGraphFilterPattern}});
  if (!chosen) {
    dialogs_.Message(kNoGraphFileMessage);
    return;
  }
  if (!IsRegularFile(*chosen)) {
    dialogs_.Message(kGraphFileMissingMessage);
    return;
  }
  if (Status loaded = drawer_.LoadPicture(*chosen); !loaded.ok()) {
    dialogs_.Message(loaded.message());
    return;
  }
  graphMade_ = true;
  pictureOpened_ = true;
  model_.pictureShown = true;
  model_.pictureFile = *chosen;
  ++model_.imageRevision;
  model_.choicesShown = false;
  ResetButtons();
  host_.PictureOpened(std::filesystem::path(*chosen).parent_path().string());
  host_.ShowGraphicsPage();
}

void GraphicsController::ShowChoicesUnlessPicture() {
  if (!pictureOpened_) {
    model_.choicesShown = true;
    choicesOffered_ = true;
  }
  model_.pictureShown = false;
}

void GraphicsController::ResetButtons() {
  model_.imageShown = false;
  model_.selectButton = false;
  model_.saveButtons = false;
  model_.confBeltButton = false;
  model_.confBeltCaption = kHideBeltCaption;
  belt_ = true;
}

void GraphicsController::ClearPicture() {
  pictureOpened_ = false;
  model_.pictureShown = false;
  model_.pictureFile.clear();
}

void GraphicsController::SetXConfidenceEnabled(bool enabled) {
  model_.xConfidenceEnabled = enabled;
  // A choice that cannot be drawn is not left standing for Go.
  if (!enabled && model_.checkedType == kConfidenceOfXGraph) model_.checkedType = kNoGraph;
}

bool GraphicsController::Draw() {
  graphMade_ = true;
  model_.choicesShown = false;
  model_.makeGraphButton = true;
  model_.saveButtons = true;
  if (outPath_.empty()) {
    dialogs_.Message(kNoOutputSelectedMessage);
    model_.saveButtons = false;
    model_.imageShown = false;
    return false;
  }
  const DrawnGraph drawn = drawer_.Draw(outPath_, lastType_, colour_, belt_);
  // Offered only where it changes the picture: a belt button that toggles
  // nothing would tell the user the belt was hidden when it never was drawn.
  model_.confBeltButton =
      drawn.status.ok() && BeltChangesGraph(static_cast<GraphType>(lastType_), drawn.nrOfData);
  if (!drawn.status.ok()) {
    // An image of another report or type must not be saved under this one.
    model_.saveButtons = false;
    model_.imageShown = false;
    dialogs_.Message(drawn.status.message());
    return false;
  }
  model_.imageShown = true;
  ++model_.imageRevision;
  return true;
}

void GraphicsController::Save() {
  const std::optional<std::string> chosen =
      dialogs_.ChooseSaveFile({{kGraphSaveFilterDescription, kGraphFilterPattern}});
  if (!chosen) {
    dialogs_.Message(kGraphNotSavedMessage);
    return;
  }
  std::error_code error;
  if (std::filesystem::exists(*chosen, error) && !dialogs_.Question(kOverwriteQuestion)) return;
  const Status saved = drawer_.SaveBmp(*chosen);
  dialogs_.Message(saved.ok() ? kGraphSavedMessage + *chosen : saved.message());
}

}  // namespace quarlin::ui
