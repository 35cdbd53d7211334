#include "ui/control/graphics_controller.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/run_doubles.h"
#include "data/temp_dir.h"

namespace quarlin::testing_support {
namespace {

class FakeDrawer : public ui::GraphDrawer {
 public:
  explicit FakeDrawer(Events& events) : events_(events) {}
  ui::DrawnGraph Draw(const std::string& outPath, int type, bool colour, bool belt) override {
    events_.push_back("draw " + outPath + " type " + std::to_string(type) +
                      (colour ? " colour" : " bw") + (belt ? " belt" : " no belt"));
    if (!drawError.empty()) return {Status::Error(drawError), 0};
    return {Status::Ok(), nrOfData};
  }
  Status SaveBmp(const std::string& path) override {
    events_.push_back("save bmp");
    if (failSave) return Status::Error("could not write " + path);
    WriteAll(path, "new");
    return Status::Ok();
  }
  Status LoadPicture(const std::string& path) override {
    events_.push_back("load " + path);
    return failLoad ? Status::Error("unreadable " + path) : Status::Ok();
  }

  int nrOfData = 65;
  std::string drawError;
  bool failSave = false;
  bool failLoad = false;

 private:
  Events& events_;
};

class RecordingHost : public ui::GraphicsHost {
 public:
  explicit RecordingHost(Events& events) : events_(events) {}
  void SetStatus(const std::string& text) override { events_.push_back("status: " + text); }
  void OpenOutputForGraphs() override { events_.push_back("open output"); }
  void ShowGraphicsPage() override { events_.push_back("show graphics page"); }
  void PictureOpened(const std::string& folder) override {
    events_.push_back("picture opened in " + folder);
  }

 private:
  Events& events_;
};

const std::string kDrawnStatus =
    "status: The graph can be saved, or another selection can be made, or another output file "
    "can be opened using \"Make graph\"";
const std::string kSaveChoice = "choose save file: [Image files (*.bmp) | *.bmp]";

class GraphicsControllerTest : public ::testing::Test {
 protected:
  GraphicsControllerTest() : dialogs(events), drawer(events), host(events) {
    controller.SetReport("r.out", 51);
    controller.ShowChoicesUnlessPicture();
  }

  const ui::GraphicsPageModel& model() const { return controller.Model(); }

  Events Take() {
    Events taken = std::move(events);
    events.clear();
    return taken;
  }

  // Checks `type`, presses Go and forgets what that did.
  void Drawn(int type) {
    controller.Check(type);
    controller.GoButtonClick();
    Take();
  }

  TempDir dir;
  Events events;
  ScriptedDialogs dialogs;
  FakeDrawer drawer;
  RecordingHost host;
  ui::GraphicsController controller{dialogs, drawer, host};
};

TEST_F(GraphicsControllerTest, GoWithoutAChoiceDrawsNothing) {
  controller.GoButtonClick();
  EXPECT_EQ(Take(),
            (Events{kDrawnStatus, "message:  The desired type of graph could not be assessed"}));
  EXPECT_TRUE(model().selectButton);
  EXPECT_FALSE(model().imageShown);
  EXPECT_TRUE(model().choicesShown);
}

class GoPerType : public GraphicsControllerTest, public ::testing::WithParamInterface<int> {};

TEST_P(GoPerType, DrawsTheCheckedTypeInColourWithTheBelt) {
  const unsigned revision = model().imageRevision;
  controller.Check(GetParam());
  controller.GoButtonClick();
  EXPECT_EQ(Take(), (Events{kDrawnStatus,
                            "draw r.out type " + std::to_string(GetParam()) + " colour belt"}));
  EXPECT_EQ(controller.LastType(), GetParam());
  EXPECT_TRUE(model().imageShown);
  EXPECT_TRUE(model().saveButtons);
  EXPECT_TRUE(model().selectButton);
  EXPECT_FALSE(model().choicesShown);
  EXPECT_NE(model().imageRevision, revision);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, GoPerType, ::testing::Range(1, 7));

struct BeltCase {
  int type;
  int n;
  bool shown;
};

class BeltButton : public GraphicsControllerTest, public ::testing::WithParamInterface<BeltCase> {};

// The cumulative and return-period graphs draw the belt below 250 data, the
// confidence belt of X below 260; the other graphs have none. The button is
// offered exactly where pressing it changes the picture.
TEST_P(BeltButton, IsOfferedWhereItChangesTheGraph) {
  drawer.nrOfData = GetParam().n;
  Drawn(GetParam().type);
  EXPECT_EQ(model().confBeltButton, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ByTypeAndN, BeltButton,
                         ::testing::Values(BeltCase{1, 6, true}, BeltCase{1, 249, true},
                                           BeltCase{1, 250, false}, BeltCase{1, 251, false},
                                           BeltCase{1, 1000, false}, BeltCase{1, 1001, false},
                                           BeltCase{4, 249, true}, BeltCase{4, 250, false},
                                           BeltCase{4, 600, false}, BeltCase{3, 249, true},
                                           BeltCase{3, 259, true}, BeltCase{3, 260, false},
                                           BeltCase{3, 2500, false}, BeltCase{2, 100, false},
                                           BeltCase{5, 100, false}, BeltCase{6, 100, false}));

TEST_F(GraphicsControllerTest, BeltButtonIsNotOfferedForAGraphThatFailed) {
  drawer.nrOfData = 100;
  drawer.drawError = "no table";
  Drawn(1);
  EXPECT_FALSE(model().confBeltButton);
}

TEST_F(GraphicsControllerTest, BeltToggleRedrawsWithAndWithoutTheBelt) {
  drawer.nrOfData = 100;
  Drawn(1);
  controller.ConfBeltButtonClick();
  EXPECT_EQ(model().confBeltCaption, "Show conf. belt");
  EXPECT_EQ(Take(), (Events{kDrawnStatus, "draw r.out type 1 colour no belt"}));
  controller.ConfBeltButtonClick();
  EXPECT_EQ(model().confBeltCaption, "Hide conf. belt");
  EXPECT_EQ(Take(), (Events{kDrawnStatus, "draw r.out type 1 colour belt"}));
  controller.ConfBeltButtonClick();
  controller.SelectButtonClick();
  EXPECT_EQ(model().confBeltCaption, "Hide conf. belt");
  EXPECT_FALSE(model().imageShown || model().saveButtons || model().confBeltButton);
  EXPECT_TRUE(model().choicesShown);
  Take();
  controller.GoButtonClick();
  EXPECT_EQ(Take().back(), "draw r.out type 1 colour belt");
}

struct SaveCase {
  const char* name;
  bool blackAndWhite;
  bool chooseFile;
  bool fileExists;
  bool overwrite;
  bool failWrite;
  // The last thing seen; "saved" and "failed" stand for the messages that
  // name the file.
  const char* lastEvent;
  const char* contents;  // of the target afterwards
};

class Saving : public GraphicsControllerTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(Saving, ClaimsASaveOnlyAfterTheWrite) {
  const SaveCase& c = GetParam();
  const std::string target = (dir / "graph.bmp").string();
  if (c.fileExists) WriteAll(target, "old");
  if (c.chooseFile) dialogs.saveFile = target;
  dialogs.answer = c.overwrite;
  drawer.failSave = c.failWrite;
  Drawn(2);
  c.blackAndWhite ? controller.SaveBlWhButtonClick() : controller.SaveGraphButtonClick();
  const Events seen = Take();
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0],
            std::string("draw r.out type 2 ") + (c.blackAndWhite ? "bw" : "colour") + " belt");
  EXPECT_EQ(seen[1], kSaveChoice);
  const bool asked = c.chooseFile && c.fileExists;
  EXPECT_EQ(seen.size() > 2 && seen[2].rfind("question: ", 0) == 0, asked);
  if (asked) {
    EXPECT_EQ(seen[2], "question: The file already exists, overwrite?");
  }
  const std::string marker = c.lastEvent;
  const std::string last = marker == "saved"    ? "message: The graph was saved in  " + target
                           : marker == "failed" ? "message: could not write " + target
                                                : marker;
  EXPECT_EQ(seen.back(), last) << c.name;
  EXPECT_EQ(ReadAll(target), c.contents) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Saving,
    ::testing::Values(SaveCase{"cancelled", false, false, true, true, false,
                               "message: The graph was not saved", "old"},
                      SaveCase{"kept", false, true, true, false, false,
                               "question: The file already exists, overwrite?", "old"},
                      SaveCase{"overwritten", false, true, true, true, false, "saved", "new"},
                      SaveCase{"new", false, true, false, true, false, "saved", "new"},
                      SaveCase{"failed", false, true, true, true, true, "failed", "old"},
                      SaveCase{"bw cancelled", true, false, false, true, false,
                               "message: The graph was not saved", ""},
                      SaveCase{"bw overwritten", true, true, true, true, false, "saved", "new"},
                      SaveCase{"bw failed", true, true, false, true, true, "failed", ""}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST_F(GraphicsControllerTest, BlackAndWhiteSaveLeavesColourForTheNextDrawing) {
  dialogs.saveFile = (dir / "bw.bmp").string();
  Drawn(5);
  controller.SaveBlWhButtonClick();
  EXPECT_EQ(Take().front(), "draw r.out type 5 bw belt");
  controller.Check(5);
  controller.GoButtonClick();
  EXPECT_EQ(Take().back(), "draw r.out type 5 colour belt");
}

TEST_F(GraphicsControllerTest, AGraphThatCannotBeDrawnIsNeitherShownNorSaved) {
  drawer.drawError = "The report r.out ends early";
  controller.Check(1);
  controller.GoButtonClick();
  EXPECT_EQ(Take().back(), "message: The report r.out ends early");
  EXPECT_FALSE(model().imageShown || model().saveButtons || model().confBeltButton);
  dialogs.saveFile = (dir / "x.bmp").string();
  controller.SaveGraphButtonClick();
  for (const auto& event : Take()) EXPECT_NE(event, "save bmp");
}

TEST_F(GraphicsControllerTest, WithoutAReportGoSaysNoOutputWasChosen) {
  controller.SetReport("", 0);
  controller.Check(1);
  controller.GoButtonClick();
  EXPECT_EQ(Take(), (Events{kDrawnStatus, "message: No output file was selected"}));
  EXPECT_FALSE(model().saveButtons);
}

struct OpenCase {
  const char* name;
  bool chooseFile;
  bool fileExists;
  bool failLoad;
  const char* message;  // empty when the picture is shown
};

class OpeningAPicture : public GraphicsControllerTest,
                        public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpeningAPicture, ShowsItOrSaysWhyNot) {
  const OpenCase& c = GetParam();
  const std::string file = (dir / "saved.bmp").string();
  if (c.fileExists) WriteAll(file, "BM");
  if (c.chooseFile) dialogs.openFile = file;
  drawer.failLoad = c.failLoad;
  drawer.nrOfData = 100;  // the belt button is offered until the picture is opened
  Drawn(1);
  const unsigned revision = model().imageRevision;
  controller.GraphOpenActionExecute();
  const Events seen = Take();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), "choose open file: [Graph files (*.bmp) | *.bmp]");
  const bool shown = std::string(c.message).empty();
  EXPECT_EQ(model().pictureShown, shown) << c.name;
  if (!shown) {
    EXPECT_EQ(seen.back(), "message: " + std::string(c.message) + (c.failLoad ? file : ""));
    EXPECT_TRUE(model().imageShown);
    EXPECT_EQ(model().imageRevision, revision);
    return;
  }
  EXPECT_EQ(seen, (Events{seen.front(), "load " + file, "picture opened in " + dir.path().string(),
                          "show graphics page"}));
  EXPECT_EQ(model().pictureFile, file);
  EXPECT_NE(model().imageRevision, revision);
  EXPECT_FALSE(model().choicesShown || model().imageShown || model().selectButton ||
               model().saveButtons || model().confBeltButton);
  // Leaving for the Output page and back does not bring the choices over it.
  controller.ShowChoicesUnlessPicture();
  EXPECT_FALSE(model().choicesShown);
  controller.ClearPicture();
  controller.ShowChoicesUnlessPicture();
  EXPECT_TRUE(model().choicesShown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpeningAPicture,
    ::testing::Values(OpenCase{"cancelled", false, false, false, "No graphics file was selected"},
                      OpenCase{"missing", true, false, false,
                               "File does not exist, please select another one"},
                      OpenCase{"unreadable", true, true, true, "unreadable "},
                      OpenCase{"shown", true, true, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GraphicsControllerTest, ConfidenceOfXCannotBeChosenWhenDisabled) {
  controller.Check(3);
  controller.SetXConfidenceEnabled(false);
  EXPECT_EQ(model().checkedType, ui::kNoGraph);
  controller.Check(3);
  EXPECT_EQ(model().checkedType, ui::kNoGraph);
  controller.GoButtonClick();
  EXPECT_EQ(Take().back(), "message:  The desired type of graph could not be assessed");
  controller.SetXConfidenceEnabled(true);
  controller.Check(3);
  controller.GoButtonClick();
  EXPECT_EQ(Take().back(), "draw r.out type 3 colour belt");
}

TEST_F(GraphicsControllerTest, MakeGraphOpensAnOutput) {
  controller.MakeGraphButtonClick();
  EXPECT_EQ(Take(), (Events{"status: Select folder and output data file tho create the graph",
                            "open output"}));
}

TEST_F(GraphicsControllerTest, ThePageOffersOnlyMakeGraphUntilChoicesWereShown) {
  ScriptedDialogs fresh(events);
  ui::GraphicsController first(fresh, drawer, host);
  first.TabShow();
  EXPECT_FALSE(first.Model().choicesShown);
  EXPECT_TRUE(first.Model().makeGraphButton);
  controller.TabShow();
  EXPECT_TRUE(model().choicesShown);
}

}  // namespace
}  // namespace quarlin::testing_support
