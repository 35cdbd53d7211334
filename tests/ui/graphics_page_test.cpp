#include "ui/qt/graphics_page.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <memory>

#include "ui/window_fixture.h"

namespace quarlin::testing_support {
namespace {

class NoHost : public ui::GraphicsHost {
 public:
  void SetStatus(const std::string&) override {}
  void OpenOutputForGraphs() override {}
  void ShowGraphicsPage() override {}
  void PictureOpened(const std::string&) override {}
};

constexpr QRgb kDarkBlue = 0xff00008b;
constexpr QRgb kWhite = 0xffffffff;
// Inside the plot panel, left of the axes and below the legends.
constexpr int kPanelX = 30;
constexpr int kPanelY = 400;

class GraphicsPageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  GraphicsPageTest() : dialogs(events) {
    for (const char* extension : {".out", ".aux", ".inp"}) {
      const std::string name = std::string("portpirie") + extension;
      std::filesystem::copy_file(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / name,
                                 dir / name);
    }
    controller.SetReport((dir / "portpirie.out").string(), 51);
    controller.ShowChoicesUnlessPicture();
    page = std::make_unique<ui::GraphicsPage>(controller, drawer, [this] { page->Render(); });
    page->show();
    QApplication::processEvents();
  }

  template <typename T>
  T* Find(const char* name) {
    T* found = page->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

  // Checks the choice by its indicator (the caption may end before the
  // button's middle) and presses Go.
  void Draw(const char* radio) {
    auto* button = Find<QRadioButton>(radio);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    Click("GoButton");
  }

  std::string SaveBy(const char* button, const std::string& name) {
    const std::string path = (dir / name).string();
    dialogs.saveFile = path;
    events.clear();
    Click(button);
    return path;
  }

  QImage Shown(const char* label) { return Find<QLabel>(label)->pixmap().toImage(); }

  TempDir dir;
  Events events;
  ScriptedDialogs dialogs;
  NoHost host;
  ui::QtGraphDrawer drawer;
  ui::GraphicsController controller{dialogs, drawer, host};
  std::unique_ptr<ui::GraphicsPage> page;
};

class EachGraph : public GraphicsPageTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EachGraph, IsShownAndSavedInColourAndInBlackAndWhite) {
  Draw(GetParam());
  ASSERT_TRUE(Find<QLabel>("GraphImage")->isVisible());
  EXPECT_FALSE(Find<QWidget>("GraphicsRadioGroup")->isVisible());
  EXPECT_EQ(Shown("GraphImage").pixel(kPanelX, kPanelY), kDarkBlue);

  for (const auto& [button, colour] :
       {std::pair{"SaveGraphButton", kDarkBlue}, std::pair{"SaveBlWhButton", kWhite}}) {
    const std::string path = SaveBy(button, std::string(button) + ".bmp");
    EXPECT_EQ(events.back(), "message: The graph was saved in  " + path);
    QImage saved;
    ASSERT_TRUE(saved.load(QString::fromStdString(path), "BMP")) << button;
    EXPECT_EQ(saved.size(), QSize(623, 441));
    EXPECT_EQ(saved.pixel(kPanelX, kPanelY), colour) << button;
    // The page shows what was saved.
    EXPECT_EQ(Shown("GraphImage").pixel(kPanelX, kPanelY), colour) << button;
  }
}

INSTANTIATE_TEST_SUITE_P(Types, EachGraph,
                         ::testing::Values("CumulativeRadioButton", "IntervalRadioButton",
                                           "X_ConfidenceRadioButton", "ReturnRadioButton",
                                           "QQRadioButton", "histoRadioButton"));

// Port Pirie has 65 data: the cumulative graph draws its belt, and the
// button hides it; the interval graph has none to hide.
TEST_F(GraphicsPageTest, BeltButtonIsOfferedWhereItChangesTheGraph) {
  Draw("CumulativeRadioButton");
  auto* belt = Find<QPushButton>("ConfBeltButton");
  ASSERT_TRUE(belt->isVisible());
  ASSERT_TRUE(belt->isEnabled());
  const QImage withBelt = Shown("GraphImage");
  Click("ConfBeltButton");
  EXPECT_EQ(belt->text().remove('&'), "Show conf. belt");
  EXPECT_NE(Shown("GraphImage"), withBelt);
  Click("ConfBeltButton");
  EXPECT_EQ(Shown("GraphImage"), withBelt);

  Click("SelectButton");
  Draw("IntervalRadioButton");
  EXPECT_TRUE(Find<QLabel>("GraphImage")->isVisible());
  EXPECT_FALSE(belt->isVisible());
}

TEST_F(GraphicsPageTest, ASaveThatCannotBeWrittenKeepsTheOldFile) {
  Draw("CumulativeRadioButton");
  const auto readOnly = dir / "kept.bmp";
  WriteAll(readOnly, "old");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
  std::filesystem::create_symlink("/dev/full", dir / "device.bmp");
  for (const auto& [name, reason] : {std::pair{"kept.bmp", "Permission denied"},
                                     std::pair{"no folder/graph.bmp", "No such file or directory"},
                                     std::pair{"device.bmp", "/dev/full: Not a regular file"}}) {
    const std::string path = SaveBy("SaveGraphButton", name);
    EXPECT_EQ(events.back(),
              "message: The graph could not be written to " + path + " (" + reason + ")");
  }
  EXPECT_EQ(ReadAll(readOnly), "old");
  EXPECT_FALSE(std::filesystem::exists(dir / "no folder"));
  EXPECT_EQ(std::filesystem::read_symlink(dir / "device.bmp"), "/dev/full");
}

TEST_F(GraphicsPageTest, ASavedGraphCanBeViewed) {
  Draw("ReturnRadioButton");
  dialogs.openFile = SaveBy("SaveBlWhButton", "viewed.bmp");
  controller.GraphOpenActionExecute();
  page->Render();
  EXPECT_TRUE(Find<QLabel>("PictureImage")->isVisible());
  EXPECT_FALSE(Find<QLabel>("GraphImage")->isVisible());
  EXPECT_EQ(Shown("PictureImage").pixel(kPanelX, kPanelY), kWhite);
}

TEST_F(GraphicsPageTest, FitsTheMainWindowsWidth) {
  EXPECT_LE(page->minimumSizeHint().width(), 740);
  Draw("IntervalRadioButton");
  EXPECT_LE(page->minimumSizeHint().width(), 740);
  // The choices offered again beside the buttons of the graph made.
  controller.ShowChoicesUnlessPicture();
  page->Render();
  ASSERT_TRUE(Find<QPushButton>("SaveGraphButton")->isVisible());
  EXPECT_LE(page->minimumSizeHint().width(), 740);
}

}  // namespace
}  // namespace quarlin::testing_support
