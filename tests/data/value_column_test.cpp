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
        ColumnCase{"Blanks", "  1  2.5\n  2  3.5\n", {"1", "2"}},
        ColumnCase{"TextLeftForTheCheck", "v\n1\nabc\n", {"1", "abc"}},
        ColumnCase{"Empty", "", {}}),
    [](const auto& info) { return info.param.name; });

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
