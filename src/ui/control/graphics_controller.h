#pragma once
// The Graphics page without its widgets: the choice of one of six graphs
// of a report, drawing it, the confidence-belt toggle, saving it as a BMP
// in colour or in black and white, and viewing a saved BMP. The drawing
// itself is the GraphDrawer's; the main window's side of it (status text,
// opening a report, switching pages) is the GraphicsHost's.

#include <string>

#include "data/dialogs.h"
#include "data/status.h"

namespace quarlin::ui {

// Graph types, numbered as the page's radio buttons are.
inline constexpr int kNoGraph = 0;
inline constexpr int kCumulativeGraph = 1;
inline constexpr int kIntervalCalculatedGraph = 2;
inline constexpr int kConfidenceOfXGraph = 3;
inline constexpr int kReturnPeriodGraph = 4;
inline constexpr int kPredictedObservedGraph = 5;
inline constexpr int kIntervalObservedGraph = 6;

struct GraphicsPageModel {
  bool choicesShown = true;  // ChoicesPanel with the six choices and Go
  int checkedType = kNoGraph;
  bool xConfidenceEnabled = true;
  bool makeGraphButton = true;
  // Make graph opens a report, which waits while a run is on.
  bool makeGraphEnabled = true;
  bool selectButton = false;
  bool saveButtons = false;  // Save color graph, Save black-white graph
  // Shown after a graph that the belt changes (BeltChangesGraph).
  bool confBeltButton = false;
  std::string confBeltCaption = "Hide conf. belt";
  bool imageShown = false;    // the graph last drawn (GraphImage)
  bool pictureShown = false;  // a BMP opened from disk (PictureImage)
  std::string pictureFile;
  // Changes whenever the drawer drew anew or loaded a picture, so that the
  // window only fetches the image when it has to.
  unsigned imageRevision = 0;
};

struct DrawnGraph {
  Status status = Status::Ok();  // the message to show when nothing could be drawn
  int nrOfData = 0;              // the number of data of the report drawn
};

class GraphDrawer {
 public:
  virtual ~GraphDrawer() = default;
  // Draws graph `type` of the report `outPath` into the drawer's image.
  virtual DrawnGraph Draw(const std::string& outPath, int type, bool colour, bool belt) = 0;
  // Writes the image last drawn as a BMP file, leaving an earlier file as
  // it was when that fails.
  virtual Status SaveBmp(const std::string& path) = 0;
  // Loads a BMP file for viewing.
  virtual Status LoadPicture(const std::string& path) = 0;
};

class GraphicsHost {
 public:
  virtual ~GraphicsHost() = default;
  virtual void SetStatus(const std::string& text) = 0;
  // The main window's Open output (Make graph uses it).
  virtual void OpenOutputForGraphs() = 0;
  virtual void ShowGraphicsPage() = 0;
  // A saved graph is shown: the report and the Output page's buttons are
  // hidden, and the file dialogs open in `folder` from now on.
  virtual void PictureOpened(const std::string& folder) = 0;
};

class GraphicsController {
 public:
  GraphicsController(Dialogs& dialogs, GraphDrawer& drawer, GraphicsHost& host);

  const GraphicsPageModel& Model() const { return model_; }

  // The report whose graphs the page draws, and its distribution code.
  void SetReport(std::string outPath, int chosenCode);
  // The type of the graph last drawn (kNoGraph before any).
  int LastType() const { return lastType_; }

  // Events of the page.
  void TabShow();
  void MakeGraphButtonClick();
  void SelectButtonClick();
  void Check(int type);
  void GoButtonClick();
  void ConfBeltButtonClick();
  void SaveGraphButtonClick();
  void SaveBlWhButtonClick();
  void GraphOpenActionExecute();

  // What the main window asks of the page when a report is opened, a run
  // is done or the Output page is shown.
  // Shows the six choices unless a saved graph is being viewed, and hides
  // that graph's picture (it comes back with its next opening).
  void ShowChoicesUnlessPicture();
  // Hides the graph, Graph selection, both save buttons and the belt
  // button, and draws the belt again from the next graph on.
  void ResetButtons();
  // Forgets the saved graph being viewed: its picture is hidden and the
  // choices may be shown again.
  void ClearPicture();
  // Code 61 has no inverse, hence no confidence belt of X.
  void SetXConfidenceEnabled(bool enabled);
  // Off while a run is on: no report can be opened then.
  void SetMakeGraphEnabled(bool enabled) { model_.makeGraphEnabled = enabled; }

 private:
  // Draws lastType_ anew (the graph routine); false when nothing could be
  // drawn, the reason then told.
  bool Draw();
  void Save();

  Dialogs& dialogs_;
  GraphDrawer& drawer_;
  GraphicsHost& host_;
  GraphicsPageModel model_;
  std::string outPath_;
  int chosenCode_ = 0;
  int lastType_ = kNoGraph;
  bool colour_ = true;
  bool belt_ = true;
  bool graphMade_ = false;
  // The choices were offered since the program started; until then the
  // page only offers Make graph.
  bool choicesOffered_ = false;
  // A saved graph is being viewed (it may be hidden while another page is
  // shown).
  bool pictureOpened_ = false;
};

}  // namespace quarlin::ui
