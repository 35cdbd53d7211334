#include "ui/control/grid_paste.h"

#include <gtest/gtest.h>

#include "data/number_reading.h"

namespace quarlin::ui {
namespace {

using R = Refusal;

struct Cell {
  std::string text;
  Refusal refusal = R::None;
};

struct PasteCase {
  const char* name;
  std::string text;
  char separator;
  std::vector<Cell> cells;
  int columns = 1;
  int taken = 0;
  bool decimalCommas = false;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
  *os << c.name;
}

class SpreadPastedTextTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(SpreadPastedTextTest, TakesEachLinesNumberOrSaysWhyNot) {
  const PasteCase& c = GetParam();
  const PastedColumn pasted = SpreadPastedText(c.text, c.separator);
  ASSERT_EQ(pasted.cells.size(), c.cells.size());
  for (size_t i = 0; i < c.cells.size(); ++i) {
    EXPECT_EQ(pasted.cells[i].text, c.cells[i].text) << "line " << i + 1;
    EXPECT_EQ(pasted.cells[i].refusal, c.cells[i].refusal) << "line " << i + 1;
  }
  EXPECT_EQ(pasted.columns, c.columns);
  EXPECT_EQ(pasted.taken, c.taken);
  EXPECT_EQ(pasted.decimalCommas, c.decimalCommas);
}

INSTANTIATE_TEST_SUITE_P(
    FullStop, SpreadPastedTextTest,
    ::testing::Values(
        PasteCase{"ThousandsInGroupsOfThreeDropped",
                  "1,234\r\n12,345.5\r\n1,234,567\r\n 12 345.6 \r\n",
                  '.',
                  {{"1234"}, {"12345.5"}, {"1234567"}, {"12345.6"}}},
        PasteCase{
            "CommaOutsideAGroupRefused", "14,2\r\n15\r\n", '.', {{"14,2", R::Separator}, {"15"}}},
        PasteCase{"DecimalCommasWhenEveryValueHasOne",
                  "14,2\r\n13,75\r\n0,5E3\r\n",
                  '.',
                  {{"14.2"}, {"13.75"}, {"0.5E3"}},
                  1,
                  0,
                  true},
        PasteCase{"CommaBeforeThreeDigitsIsNoDecimalComma",
                  "14,2\r\n1,234\r\n",
                  '.',
                  {{"14,2", R::Separator}, {"1234"}}},
        PasteCase{"MisplacedSeparatorsRefused",
                  "1.2.3\r\n1.234,5\r\n12,34,567\r\n1 5\r\n",
                  '.',
                  {{"1.2.3", R::Separator},
                   {"1.234,5", R::Separator},
                   {"12,34,567", R::Separator},
                   {"1 5", R::Separator}}},
        PasteCase{"OtherSignsBetweenDigitsRefused",
                  "13x7\r\n1990-05-01\r\n12:30\r\n1,5E3E2\r\n",
                  '.',
                  {{"13x7", R::BetweenDigits},
                   {"1990-05-01", R::BetweenDigits},
                   {"12:30", R::BetweenDigits},
                   {"1,5E3E2", R::BetweenDigits}}},
        PasteCase{"UnitsWordsAndSignsAroundDropped",
                  " 12.5 mm\r\nca. 7\r\n-3.5 m\r\n- 4\r\n+7\r\n5.\r\n",
                  '.',
                  {{"12.5"}, {"7"}, {"-3.5"}, {"-4"}, {"7"}, {"5"}}},
        PasteCase{"LettersRightBeforeTheDigitsRefused",
                  "Q (m3/s)\r\nx1E\r\n",
                  '.',
                  {{"Q (m3/s)", R::LetterBefore}, {"x1E", R::LetterBefore}}},
        PasteCase{"MinusAfterTheNumberRefused", "12-\r\n", '.', {{"12-", R::MinusAfter}}},
        PasteCase{"NoBreakSpacesAndTheMinusSign",
                  "12\xC2\xA0"
                  "345\r\n\xE2\x88\x92"
                  "3.5\r\n",
                  '.',
                  {{"12345"}, {"-3.5"}}},
        PasteCase{"WordsAloneLeaveTheCellEmpty", "Flow\r\n12\r\n", '.', {{""}, {"12"}}},
        PasteCase{"ExponentKept",
                  "1.5E+03\r\n-2.5e-3\r\n.5\r\n",
                  '.',
                  {{"1.5E+03"}, {"-2.5e-3"}, {".5"}}},
        PasteCase{"LineFeedOnly", "3\n4\n", '.', {{"3"}, {"4"}}},
        PasteCase{"CarriageReturnOnly", "3\r4\r", '.', {{"3"}, {"4"}}},
        PasteCase{"LastLineWithoutLineEndCounts", "3\r\n4\r\n7.5", '.', {{"3"}, {"4"}, {"7.5"}}},
        PasteCase{"BlanksAfterTheLastLineEndAreNoLine", "3\r\n4\r\n \t", '.', {{"3"}, {"4"}}},
        PasteCase{"EmptyLineClearsItsCell", "3\r\n\r\n5\r\n", '.', {{"3"}, {""}, {"5"}}},
        PasteCase{"YearsBeforeTheValues",
                  "1990\t12.5\r\n1991\t13.5\r\n",
                  '.',
                  {{"12.5"}, {"13.5"}},
                  2,
                  1},
        PasteCase{"TextColumnAfterTheValuesPassedOver",
                  "Year\tFlow\tNote\r\n1990\t12.5\tok\r\n1991\t13.5\r\n",
                  '.',
                  {{""}, {"12.5"}, {"13.5"}},
                  3,
                  1},
        PasteCase{"TrailingTabsMakeNoColumn", "5\t\r\n6\t \r\n", '.', {{"5"}, {"6"}}},
        PasteCase{
            "LineShortOfTheColumnLeftEmpty", "1990\t12.5\r\n1991\r\n", '.', {{"12.5"}, {""}}, 2, 1},
        PasteCase{"DecimalCommasDecidedInTheTakenColumn",
                  "1990\t14,2\r\n1991\t13,7\r\n",
                  '.',
                  {{"14.2"}, {"13.7"}},
                  2,
                  1,
                  true}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Comma, SpreadPastedTextTest,
    ::testing::Values(
        PasteCase{"CommaIsTheDecimalSeparator",
                  "1,5\r\n2,5\r\n1,234\r\n",
                  ',',
                  {{"1,5"}, {"2,5"}, {"1,234"}}},
        // A copied 47.1 must not become 471; it is shown as the grid
        // writes decimals.
        PasteCase{"LoneFullStopIsADecimalPoint", "47.1\r\n1.234\r\n", ',', {{"47,1"}, {"1,234"}}},
        PasteCase{"FullStopsBesideACommaGroupThousands",
                  "1.234,5\r\n1.234.567\r\n",
                  ',',
                  {{"1234,5"}, {"1234567"}}},
        PasteCase{"FullStopAfterTheCommaRefused", "1,234.5\r\n", ',', {{"1,234.5", R::Separator}}},
        PasteCase{"BlanksGroupThousands", "1 234,5\r\n", ',', {{"1234,5"}}}),
    [](const auto& info) { return info.param.name; });

// Whatever the grid's conversion reads as typed is taken by a paste with
// the same value, so that a refused cell is never one Save-Run would take.
TEST(SpreadPastedTextTest, ReadableNumbersKeepTheirValue) {
  for (const char* text : {"12", "-3.5", ".5", "5.", "1.5E+0003", "+7", "-0.000123", "2e-5"}) {
    const PastedColumn pasted = SpreadPastedText(std::string(text) + "\n", '.');
    ASSERT_EQ(pasted.cells.size(), 1u) << text;
    EXPECT_EQ(pasted.cells[0].refusal, Refusal::None) << text;
    EXPECT_EQ(ParseReal(pasted.cells[0].text), ParseReal(text)) << text;
  }
}

TEST(IsMultiCellPasteTest, TabsAndLineEndsMakeAPaste) {
  EXPECT_TRUE(IsMultiCellPaste("1\t2"));
  EXPECT_TRUE(IsMultiCellPaste("1\n"));
  EXPECT_TRUE(IsMultiCellPaste("1\r"));
  EXPECT_FALSE(IsMultiCellPaste("1.5E+03"));
}

}  // namespace
}  // namespace quarlin::ui
