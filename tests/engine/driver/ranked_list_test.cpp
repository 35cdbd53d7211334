#include "engine/driver/ranked_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quarlin {
namespace {

namespace fs = std::filesystem;

const char* const kHeader =
    " List of AVERAGES of absolute values of the differences between\r\n"
    " observed and calcuated cumulative frequency values (in %).\r\n"
    "\r\n"
    " The lower the average, the better the distribution fit. Averages are ranked.\r\n"
    "\r\n";

class RankedListTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quarlin-rankedlist-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(RankedListTest, HeaderNamesTheListFileWithoutItsFolder) {
  const RankedList list(dir_ / "sub dir" / "rain.inp");
  EXPECT_EQ(list.Path(), dir_ / "sub dir" / "rain.Lst");
  EXPECT_EQ(list.Text(), std::string(kHeader) + " Name of this file : rain.Lst\r\n\r\n");
  EXPECT_EQ(RankedList(dir_ / "plain").Text(),
            std::string(kHeader) + " Name of this file : plain.Lst\r\n\r\n");
}

TEST_F(RankedListTest, EntriesFollowInTheOrderAdded) {
  RankedList list(dir_ / "rain.inp");
  list.Add(" Gumbel distribution", 3.14159);
  list.Add(" Normal distribution standard", 12.5);
  list.Add(" Generalized normal distribution", 0.05);
  list.Add(" Cauchy distribution", 123.45678);
  EXPECT_EQ(list.Text(), std::string(kHeader) +
                             " Name of this file : rain.Lst\r\n"
                             "\r\n"
                             " Gumbel distribution\r\n"
                             " Average = 3.1416\r\n"
                             "\r\n"
                             " Normal distribution standard\r\n"
                             " Average = 12.5000\r\n"
                             "\r\n"
                             " Generalized normal distribution\r\n"
                             " Average = 0.0500\r\n"
                             "\r\n"
                             " Cauchy distribution\r\n"
                             " Average = 123.4568\r\n"
                             "\r\n");
  ASSERT_EQ(list.Entries().size(), 4u);
  EXPECT_EQ(list.Entries()[1].nameLine, " Normal distribution standard");
  EXPECT_EQ(list.Entries()[1].AvAbsDiff, 12.5);
}

TEST_F(RankedListTest, SavesTheTextBesideTheRunFile) {
  RankedList list(dir_ / "rain.inp");
  list.Add(" Weibull distribution", 1.25);
  ASSERT_TRUE(list.Save());
  std::ifstream in(dir_ / "rain.Lst", std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(), list.Text());
}

TEST_F(RankedListTest, SaveIntoAMissingFolderFails) {
  const RankedList list(dir_ / "missing" / "rain.inp");
  EXPECT_FALSE(list.Save());
  EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

}  // namespace
}  // namespace quarlin
