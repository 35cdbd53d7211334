#include "data/value_column.h"

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "data/messages.h"
#include "temp_dir.h"

namespace quarlin {
namespace {

struct ColumnCase {
  std::string name;
  std::string text;
  std::vector<std::string> cells;
};

class ValueColumnTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(ValueColumnTest, TakesTheFirstNumericColumn) {
  std::vector<std::string> cells;
  ASSERT_TRUE(ValueColumnCells(SplitLines(GetParam().text), "v.csv", cells).ok());
  EXPECT_EQ(cells, GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ValueColumnTest,
    testing::Values(
        ColumnCase{"QuotedHeader", "\"value\"\n67\n54.7\n", {"67", "54.7"}},
        ColumnCase{"NoHeaderCrLf", "1\r\n2\r\n3\r\n", {"1", "2", "3"}},
        ColumnCase{"TrailingBlankLines", "v\n1\n2\n\n  \n", {"1", "2"}},
        ColumnCase{"BlankLineInside", "1\n\n2\n", {"1", "2"}},
        ColumnCase{"LabelThenValue", "station,flow\nA,12.5\nB,7\n", {"12.5", "7"}},
        ColumnCase{"FirstNumericWins", "year,flow\n1990,12.5\n1991,7\n", {"1990", "1991"}},
        ColumnCase{"PairsUnderAHeaderOfTwo", "year,flow\n1990,12\n1991,7\n", {"1990", "1991"}},
        ColumnCase{"EmptyFieldDropsDatum", "name,v\na,1\nb,\nc,3\n", {"1", "", "3"}},
        ColumnCase{"ShortRow", "a,1\nb\n", {"1", ""}},
        ColumnCase{"Semicolons", "a;b\nx;1,5\ny;2\n", {"1.5", "2"}},
        ColumnCase{"Tabs", "n\tv\n1\t2.5\n2\t3.5\n", {"1", "2"}},
        ColumnCase{"Blanks", "  1  2.5\n  2  3.5\n", {"1", "2"}}, ColumnCase{"Empty", "", {}}),
    [](const auto& info) { return info.param.name; });

// Every field the run cannot take is refused with its line, whatever is
// wrong with it.
struct RefusalCase {
  std::string name;
  std::string text;
  std::string message;  // "@" stands for the file's path
};

std::string Repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

std::string Values(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += std::to_string(i) + ".5\n";
  return text;
}

class ColumnRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(ColumnRefusalTest, NamesTheLine) {
  testing_support::TempDir dir;
  testing_support::WriteAll(dir / "v.csv", GetParam().text);
  std::vector<std::string> cells;
  const Status status = ReadValueColumn(dir / "v.csv", cells);
  ASSERT_FALSE(status.ok());
  std::string expected = GetParam().message;
  expected.replace(expected.find('@'), 1, (dir / "v.csv").string());
  EXPECT_EQ(status.message(), expected);
  EXPECT_TRUE(cells.empty());
}

const std::string kWordOnLine3 =
    "Line 3 of the file \"@\" holds \"abc\" where a value should be, which is not a number. "
    "Input is invalid.";

INSTANTIATE_TEST_SUITE_P(
    Files, ColumnRefusalTest,
    testing::Values(
        RefusalCase{"Word", "v\n1\nabc\n2\n", kWordOnLine3},
        RefusalCase{"WordInSecondColumn", "n;v\na;1\nb;abc\n", kWordOnLine3},
        RefusalCase{"BeyondLongDouble", "1\n2\n1e5000\n",
                    "Line 3 of the file \"@\" holds \"1e5000\", which is not a number within the "
                    "range of a double. Input is invalid."},
        RefusalCase{"BelowLongDouble", "1\n2\n-1e-5000\n",
                    "Line 3 of the file \"@\" holds \"-1e-5000\", which is not a number within "
                    "the range of a double. Input is invalid."},
        RefusalCase{"LongFieldIsShortened", "1\n2\n" + std::string(1000, '7') + "\n",
                    "Line 3 of the file \"@\" holds \"" + std::string(40, '7') +
                        "...\", which is not a number within the range of a double. Input is "
                        "invalid."},
        RefusalCase{"LineLongerThanAnyField", "1\n2\n" + std::string(64 * 1024 + 1, ' ') + "3\n",
                    "Line 3 of the file \"@\" is longer than 65536 characters, which no value "
                    "or title needs. Input is invalid."},
        // The 2501st value is named, and the reading stops there: the NUL
        // byte and the line of 1 MB far behind it are never looked at.
        RefusalCase{
            "ValuePastTheMost",
            "value\n" + Values(1, 6000) + std::string("x\0\n", 3) + std::string(1 << 20, '1'),
            "Line 2502 of the file \"@\" holds value 2501: there are more than 2500 "
            "input data. Input is invalid."},
        RefusalCase{"ValuePastTheMostWithoutHeader", Values(1, 2501),
                    "Line 2501 of the file \"@\" holds value 2501: there are more than 2500 "
                    "input data. Input is invalid."},
        // Rows without a value still take a row of the grid each.
        RefusalCase{"EmptyRowsPastTheMost", "n;v\n" + Repeated("a;\n", 2501) + "b;1\n",
                    "Line 2502 of the file \"@\" is row 2501 without a value: the input grid "
                    "holds no more than 2500 rows. Input is invalid."},
        // The first fault in the file is the one named.
        RefusalCase{"FirstFaultFirst", "1\n2\nabc\n" + std::string("4\0\n", 3),
                    "Line 3 of the file \"@\" holds \"abc\" where a value should be, which is "
                    "not a number. Input is invalid."},
        RefusalCase{"FaultBeforeALongLine", "1\nabc\n" + std::string(100000, '1') + "\n",
                    "Line 2 of the file \"@\" holds \"abc\" where a value should be, which is "
                    "not a number. Input is invalid."}),
    [](const auto& info) { return info.param.name; });

TEST(ReadValueColumn, TakesTheMostValuesWithRowsWithoutThem) {
  testing_support::TempDir dir;
  std::string rows = "n;v\n" + Repeated("a;\n", 2500);
  for (int i = 1; i <= 2500; ++i) rows += "b;" + std::to_string(i) + ".5\n";
  testing_support::WriteAll(dir / "v.csv", rows + "\n\n" + Repeated(" \n", 100000));
  std::vector<std::string> cells;
  ASSERT_TRUE(ReadValueColumn(dir / "v.csv", cells).ok());
  ASSERT_EQ(cells.size(), 5000u);
  EXPECT_EQ(cells[2499], "");
  EXPECT_EQ(cells[2500], "1.5");
  EXPECT_EQ(cells.back(), "2500.5");
}

TEST(ReadValueColumn, MissingFileNamesIt) {
  testing_support::TempDir dir;
  std::vector<std::string> cells;
  const Status status = ReadValueColumn(dir / "none.csv", cells);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(),
            CouldNotOpenMessage((dir / "none.csv").string(), "No such file or directory"));
}

}  // namespace
}  // namespace quarlin
