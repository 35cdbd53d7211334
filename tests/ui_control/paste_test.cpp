// What a paste and a typed cell leave in the grid, what the user is told,
// and what Save-Run then takes.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/messages.h"
#include "ui/control/window_texts.h"
#include "ui_control/controller_fixture.h"

namespace quarlin::testing_support {
namespace {

using ui::Page;

// The rows (from 1) whose cells are marked.
std::vector<int> MarkedRows(const std::vector<ui::GridRow>& grid) {
  std::vector<int> rows;
  for (size_t r = 0; r < grid.size(); ++r)
    if (!grid[r].mark.empty()) rows.push_back(static_cast<int>(r) + 1);
  return rows;
}

struct GridPasteCase {
  const char* name;
  char separator;
  std::string text;
  std::vector<std::string> cells;
  std::vector<int> marked;
  // What the one message says, in pieces; no message when empty.
  std::vector<std::string> told;
};

void PrintTo(const GridPasteCase& c, std::ostream* os) {
  *os << c.name;
}

class GridPasteTest : public ControllerTest, public ::testing::WithParamInterface<GridPasteCase> {
 protected:
  GridPasteTest() : ControllerTest(GetParam().separator) {
    controller.ShowPage(Page::Input);
    dialogs.answer = false;  // a shorter paste does not keep the 15 rows
  }
};

TEST_P(GridPasteTest, EveryValueLandsAndNothingTurnsIntoAnotherNumber) {
  const GridPasteCase& c = GetParam();
  controller.SetEditText(0, c.text);
  EXPECT_EQ(Values(), c.cells);
  EXPECT_EQ(model().input.nrOfData, std::to_string(c.cells.size()));
  EXPECT_EQ(MarkedRows(grid()), c.marked);
  Events messages;
  for (const auto& event : Take())
    if (event.rfind("message: ", 0) == 0) messages.push_back(event.substr(9));
  if (c.told.empty()) {
    EXPECT_TRUE(messages.empty()) << messages.front();
    return;
  }
  ASSERT_EQ(messages.size(), 1u);
  for (const auto& piece : c.told) EXPECT_NE(messages[0].find(piece), std::string::npos) << piece;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridPasteTest,
    ::testing::Values(
        GridPasteCase{"LastLineWithoutLineEnd",
                      '.',
                      "1.5\n2.5\n3.5\n4.5\n5.5\n6.5\n7.5",
                      {"1.5", "2.5", "3.5", "4.5", "5.5", "6.5", "7.5"},
                      {},
                      {}},
        GridPasteCase{"TextBetweenDigitsRefusedInOneMessage",
                      '.',
                      "13x7\r\n14,2\r\n1.2.3\r\n10\r\n11\r\n12\r\n",
                      {"13x7", "14,2", "1.2.3", "10", "11", "12"},
                      {1, 2, 3},
                      {"row 1 \"13x7\"", "row 2 \"14,2\"", "row 3 \"1.2.3\"", "decimal comma"}},
        GridPasteCase{"DecimalCommasReadUnderAFullStop",
                      '.',
                      "14,2\r\n13,7\r\n12,1\r\n11,5\r\n10,25\r\n9,5\r\n",
                      {"14.2", "13.7", "12.1", "11.5", "10.25", "9.5"},
                      {},
                      {}},
        GridPasteCase{"YearsAndValuesGiveTheValues",
                      '.',
                      "1990\t12.5\n1991\t13.5\n1992\t11\n1993\t9.5\n1994\t10\n1995\t14\n",
                      {"12.5", "13.5", "11", "9.5", "10", "14"},
                      {},
                      {"2 columns", "column 2"}},
        GridPasteCase{"YearsAndValuesUnderAComma",
                      ',',
                      "1990\t12,5\n1991\t13,5\n1992\t11\n1993\t9,5\n1994\t10\n1995\t14",
                      {"12,5", "13,5", "11", "9,5", "10", "14"},
                      {},
                      {"2 columns", "column 2"}},
        GridPasteCase{"CopiedFullStopsUnderAComma",
                      ',',
                      "47.1\r\n1.234,5\r\n1,234.5\r\n3\r\n4\r\n5\r\n",
                      {"47,1", "1234,5", "1,234.5", "3", "4", "5"},
                      {3},
                      {"row 3 \"1,234.5\""}},
        GridPasteCase{"BeyondARealRefused",
                      '.',
                      "1e999\r\n2\r\n3\r\n4\r\n5\r\n6\r\n",
                      {"1e999", "2", "3", "4", "5", "6"},
                      {1},
                      {"row 1 \"1e999\""}}),
    [](const auto& info) { return info.param.name; });

class TypedCellTest : public ControllerTest {
 protected:
  explicit TypedCellTest(char separator = '.') : ControllerTest(separator) {
    controller.ShowPage(Page::Input);
    dialogs.answer = false;
    dialogs.saveFile = (dir / "typed.inp").string();
  }

  void Paste(const std::string& text) {
    controller.SetEditText(0, text);
    Take();
  }

  // The message a refused Save-Run shows.
  std::string SaveRunRefusal() {
    controller.InputSaveActionExecute();
    const Events events = Take();
    EXPECT_FALSE(std::filesystem::exists(dir / "typed.inp"));
    return events.empty() ? std::string() : events.back();
  }
};

struct TypedCase {
  std::string text;
  bool marked;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class TypedMarkTest : public TypedCellTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedMarkTest, ACellThatIsNoNumberIsMarkedWhenItsEditEnds) {
  Paste(Column(8));
  controller.SetEditText(2, GetParam().text);
  EXPECT_EQ(grid()[2].value, GetParam().text);
  EXPECT_EQ(grid()[2].mark, GetParam().marked ? ui::kTypedMark : "");
  EXPECT_EQ(MarkedRows(grid()).size(), GetParam().marked ? 1u : 0u);
  const unsigned revision = model().input.gridRevision;
  controller.SetEditText(2, "12.5");
  EXPECT_TRUE(MarkedRows(grid()).empty());
  // The window redraws the cell without its mark.
  EXPECT_EQ(model().input.gridRevision != revision, GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedMarkTest,
                         ::testing::Values(TypedCase{"abc", true}, TypedCase{"3,5", true},
                                           TypedCase{" ", true}, TypedCase{"3.5", false},
                                           TypedCase{"", false}, TypedCase{"-1E2", false}));

TEST_F(TypedCellTest, SaveRunNamesEveryRowThatIsNoNumber) {
  Paste(Column(8));
  controller.SetEditText(2, "abc");
  controller.SetEditText(6, "3,5");
  EXPECT_EQ(SaveRunRefusal(),
            std::string("message: ") + kNotRealMessage + ": row 3 \"abc\", row 7 \"3,5\"");
}

TEST_F(TypedCellTest, SaveRunDoesNotTakeARefusedPaste) {
  Paste("13x7\r\n" + Column(7));
  ASSERT_EQ(grid().size(), 8u);
  EXPECT_EQ(SaveRunRefusal(), std::string("message: ") + kNotRealMessage + ": row 1 \"13x7\"");
}

class CommaTypedCellTest : public TypedCellTest {
 protected:
  CommaTypedCellTest() : TypedCellTest(',') {}
};

// "abc" is no number under either separator: it must not make the commas
// of the other cells unreadable.
TEST_F(CommaTypedCellTest, AMistypedCellLeavesTheDecimalCommaAlone) {
  Paste("1,5\r\n2,5\r\n3,5\r\n4,5\r\n5,5\r\n6,5\r\n7,5\r\n");
  controller.SetEditText(1, "abc");
  EnterNrOfData("9");
  Take();
  EXPECT_EQ(controller.DecimalSeparator(), ',');
  EXPECT_EQ(MarkedRows(grid()), std::vector<int>{2});
  EXPECT_EQ(SaveRunRefusal(), std::string("message: ") + kNotRealMessage + ": row 2 \"abc\"");
  EXPECT_EQ(controller.DecimalSeparator(), ',');
}

class ClosingTest : public ControllerTest {
 protected:
  ClosingTest() {
    controller.ShowPage(Page::Input);
    dialogs.saveFile = (dir / "close.inp").string();
  }

  bool AskedOnFinish() {
    Take();
    controller.CloseRequested();
    controller.FinishButtonClick();
    for (const auto& event : Take())
      if (event == "question: " + std::string(ui::kUnsavedQuestion)) return true;
    return false;
  }
};

TEST_F(ClosingTest, NothingTypedNothingAsked) {
  EXPECT_FALSE(AskedOnFinish());
  EXPECT_TRUE(controller.QuitRequested());
}

TEST_F(ClosingTest, TypedValuesAskAndNoGoesBackToTheWindow) {
  controller.SetEditText(3, "12.5");
  dialogs.answer = false;
  EXPECT_TRUE(AskedOnFinish());
  EXPECT_FALSE(controller.QuitRequested());
  EXPECT_FALSE(model().finishShown);
  EXPECT_EQ(model().status, ui::kInputStatus);
  EXPECT_EQ(grid()[3].value, "12.5");
  dialogs.answer = true;
  EXPECT_TRUE(AskedOnFinish());
  EXPECT_TRUE(controller.QuitRequested());
}

TEST_F(ClosingTest, OpenedDataAreNotAskedFor) {
  controller.SetEditText(0, Column(20));
  const auto path = dir / "portpirie.inp";
  std::filesystem::copy_file(std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data/portpirie.inp",
                             path);
  dialogs.openFile = path.string();
  controller.InputOpenActionExecute();
  EXPECT_FALSE(AskedOnFinish());
}

TEST_F(ClosingTest, ClearedDataAreNotAskedFor) {
  controller.SetEditText(0, Column(20));
  dialogs.answer = true;
  controller.ClearButtonClick();
  EXPECT_FALSE(AskedOnFinish());
}

TEST_F(ClosingTest, SavedDataAreNotAskedForAndTheFileFieldNamesTheNewFile) {
  controller.SetEditText(0, Column(20));
  controller.InputSaveActionExecute();
  ASSERT_EQ(model().page, Page::Output);
  EXPECT_TRUE(model().input.fileNameShown);
  EXPECT_EQ(model().input.fileName, (dir / "close.inp").string());
  EXPECT_FALSE(AskedOnFinish());
}

}  // namespace
}  // namespace quarlin::testing_support
