#include "ui/control/grid_paste.h"

#include <gtest/gtest.h>

namespace quarlin::ui {
namespace {

struct PasteCase {
  const char* name;
  std::string text;
  char separator;
  std::vector<std::string> cells;
  int lineEnds;
};

class SpreadPastedTextTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(SpreadPastedTextTest, KeepsEachLinesNumber) {
  const PasteCase& c = GetParam();
  const PastedColumn pasted = SpreadPastedText(c.text, c.separator);
  EXPECT_EQ(pasted.cells, c.cells);
  EXPECT_EQ(pasted.lineEnds, c.lineEnds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadPastedTextTest,
    ::testing::Values(
        PasteCase{"CommaSeparator", "1,5\r\n2,5\r\n", ',', {"1,5", "2,5"}, 2},
        PasteCase{"FullStopKeptUnderComma", "47.1\r\n1.234,5\r\n", ',', {"47.1", "1234,5"}, 2},
        PasteCase{"CommasDroppedUnderFullStop", "1,5\r\n2,5\r\n", '.', {"15", "25"}, 2},
        PasteCase{"ExponentKept", "1.5E+03\r\n-2.5e-3\r\n", '.', {"1.5E+03", "-2.5e-3"}, 2},
        PasteCase{"LetterEWithoutNumberDropped", "E5\r\nx1E\r\n", '.', {"5", "1"}, 2},
        PasteCase{"BlanksAndThousandsDropped", " 12 345.6 \r\n", '.', {"12345.6"}, 1},
        PasteCase{"LineFeedOnly", "3\n4\n", '.', {"3", "4"}, 2},
        PasteCase{"CarriageReturnOnly", "3\r4\r", '.', {"3", "4"}, 2},
        PasteCase{"FurtherColumnsDropped", "3\t99\r\n4\t98\r\n", '.', {"3", "4"}, 2},
        PasteCase{"TextAfterLastLineEndNotCounted", "3\r\n4", '.', {"3", "4"}, 1},
        PasteCase{"EmptyLineClearsItsCell", "3\r\n\r\n5\r\n", '.', {"3", "", "5"}, 3}),
    [](const auto& info) { return info.param.name; });

TEST(IsMultiCellPasteTest, TabsAndLineEndsMakeAPaste) {
  EXPECT_TRUE(IsMultiCellPaste("1\t2"));
  EXPECT_TRUE(IsMultiCellPaste("1\n"));
  EXPECT_TRUE(IsMultiCellPaste("1\r"));
  EXPECT_FALSE(IsMultiCellPaste("1.5E+03"));
}

}  // namespace
}  // namespace quarlin::ui
