#pragma once
// What the main window shows: every caption, text, visibility and
// enabled state that the controller decides. The window draws it after
// each event it forwards, so the controller can be tested without a screen.

#include <string>
#include <vector>

namespace quarlin::ui {

enum class Page { Intro = 0, Input = 1, Output = 2, Graphics = 3 };

// The help texts of the Intro page, in the order of their buttons.
enum class HelpText { Introduction, Distributions, Composition, Confidence, Intervals };

// The entries a message can be about. After the message the window gives
// the focus back to the entry the controller names.
enum class Field { None, NrOfData, NrOfClasses, Grid };

struct FocusRequest {
  Field field = Field::None;
  // Changes with every request, so that the window moves the focus once.
  unsigned revision = 0;
};

struct GridRow {
  std::string serial;
  std::string value;
  // Why the value cell is no number that Save-Run takes; empty for a
  // number or an empty cell. The window marks such a cell and shows this
  // over it.
  std::string mark;
};

struct InputPageModel {
  bool fileNameShown = false;
  std::string fileName;
  std::string title1;
  std::string title2;
  std::string nrOfData;
  std::string nrOfClasses = "5";
  int optionIndex = 0;  // 0: no composite, 1: composites allowed
  bool disconShown = false;
  int disconIndex = 0;
  bool selectionShown = true;
  std::string selection = "Best of All Distributions";
  bool pasteHelpShown = false;
  std::string pasteHelpCaption = "Paste help";
  std::vector<GridRow> grid;
  int gridWidth = 155;
  // Changes whenever the controller rewrote cells, so that the window only
  // reloads its grid when it has to.
  unsigned gridRevision = 0;
  bool waitShown = false;
  std::vector<std::string> waitLines;
};

struct OutputPageModel {
  bool reportShown = false;
  std::vector<std::string> report;
  bool viewGraphButton = false;
  bool calcButton = false;
  bool fitButton = false;
  bool listButton = false;
  bool optButton = false;
  bool fitPanelShown = false;
  std::vector<std::string> fitLines;
};

struct MainWindowModel {
  Page page = Page::Intro;
  // The status text of the page and of its last event.
  std::string status;
  // While a run is on, the status text tells how far it is instead.
  std::string runStatus;
  HelpText helpText = HelpText::Introduction;
  bool saveActionEnabled = false;
  // A Save-Run is on: Save-Run, Open and every entry wait for its end.
  bool running = false;
  InputPageModel input;
  OutputPageModel output;
  // The selection dialog: shown or not, and its selected choice (0-based).
  bool selectDialogShown = false;
  int selectedChoice = 0;
  // The small windows of the Output page.
  bool calcShown = false;
  bool optShown = false;
  bool listShown = false;
  std::vector<std::string> listLines;
  // The closing window.
  bool finishShown = false;
  // The folder the file dialogs open in.
  std::string dialogFolder;
  // Where the focus goes after a message about an entry.
  FocusRequest focus;

  // The status text the window shows.
  const std::string& ShownStatus() const { return running ? runStatus : status; }
};

}  // namespace quarlin::ui
