#include "engine/driver/ranked_list_resort.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text_file.h"
#include "engine/driver/ranked_list.h"

namespace quarlin {
namespace {

std::vector<std::string> Header7() {
  return {" List of AVERAGES of absolute values of the differences between",
          " observed and calcuated cumulative frequency values (in %).",
          "",
          " The lower the average, the better the distribution fit. Averages are ranked.",
          "",
          " Name of this file : rain.Lst",
          ""};
}

TEST(RankedListResortTest, SortsByAverageKeepingTheOrderOfEqualOnes) {
  std::vector<std::string> lines = Header7();
  for (const auto& [name, avg] :
       std::vector<std::pair<std::string, std::string>>{{" First", " Average = 2.5000"},
                                                        {" Second", " Average = 1.0000"},
                                                        {" Third", " Average = 2.5000"},
                                                        {" Fourth", " Average = 12.25"}})
    lines.insert(lines.end(), {name, avg, ""});
  const auto sorted = ResortRankedListLines(lines);
  ASSERT_TRUE(sorted);
  std::vector<std::string> expected = Header7();
  expected.insert(expected.end(),
                  {" Second", " Average = 1.0000", "", " First", " Average = 2.5000", "", " Third",
                   " Average = 2.5000", "", " Fourth", " Average = 12.2500", ""});
  EXPECT_EQ(*sorted, expected);
}

TEST(RankedListResortTest, ShortHeaderWithoutFileNameLine) {
  const std::vector<std::string> lines{
      "a", "b", "", "c", "", " Y", "          3.5", "", " X", " Average = 0.5000", ""};
  const auto sorted = ResortRankedListLines(lines);
  ASSERT_TRUE(sorted);
  EXPECT_EQ(*sorted, (std::vector<std::string>{"a", "b", "", "c", "", " X", " Average = 0.5000", "",
                                               " Y", " Average = 3.5000", ""}));
}

TEST(RankedListResortTest, UnreadableAverageIsRefused) {
  std::vector<std::string> lines = Header7();
  lines.insert(lines.end(), {" Name", " Average = abc", ""});
  EXPECT_FALSE(ResortRankedListLines(lines));
}

TEST(RankedListResortTest, RewritesTheFileTheDriverWrote) {
  const auto dir = std::filesystem::temp_directory_path() / "quarlin-resort-test";
  std::filesystem::create_directories(dir);
  RankedList list(dir / "rain.inp");
  list.Add(" Gumbel distribution", 3.25);
  list.Add(" Weibull distribution", 1.125);
  ASSERT_TRUE(list.Save());
  ASSERT_TRUE(ResortRankedListFile(list.Path()));
  RankedList expected(dir / "rain.inp");
  expected.Add(" Weibull distribution", 1.125);
  expected.Add(" Gumbel distribution", 3.25);
  const auto lines = ReadLines(list.Path());
  ASSERT_TRUE(lines);
  std::string text;
  for (const auto& line : *lines) text += line + "\r\n";
  EXPECT_EQ(text, expected.Text());
  EXPECT_FALSE(ResortRankedListFile(dir / "missing.Lst"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quarlin
