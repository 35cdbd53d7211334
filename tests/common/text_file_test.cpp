#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quarlin {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("quarlin-textfile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

struct SplitCase {
  std::string text;
  std::vector<std::string> lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, Splits) {
  EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, SplitLinesTest,
                         testing::Values(SplitCase{"a\r\nb\r\n", {"a", "b"}},
                                         SplitCase{"a\nb\n", {"a", "b"}},
                                         SplitCase{"a\nb", {"a", "b"}},
                                         SplitCase{"a\r\n\r\nb", {"a", "", "b"}}, SplitCase{"", {}},
                                         SplitCase{"\r\n", {""}}));

TEST_F(TextFileTest, AtomicWriteReplacesAndLeavesNoTemporary) {
  const fs::path target = dir_ / "report.out";
  ASSERT_TRUE(WriteFileAtomically(target, "old\r\n"));
  ASSERT_TRUE(WriteFileAtomically(target, TextBuilder().Line("one").Line().Line("two").Text()));
  const auto lines = ReadLines(target);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"one", "", "two"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1);
}

TEST_F(TextFileTest, FailedWriteKeepsOldFile) {
  const fs::path target = dir_ / "missing-folder" / "x.aux";
  EXPECT_FALSE(WriteFileAtomically(target, "data"));
  EXPECT_FALSE(fs::exists(target));
  const fs::path dirTarget = dir_ / "adir";
  fs::create_directory(dirTarget);
  std::ofstream(dirTarget / "keep") << "x";
  EXPECT_FALSE(WriteFileAtomically(dirTarget, "data"));
  EXPECT_TRUE(fs::is_directory(dirTarget));
}

TEST_F(TextFileTest, ReadMissingFileFails) {
  EXPECT_FALSE(ReadLines(dir_ / "nope.inp"));
}

TEST_F(TextFileTest, UniqueFilesDiffer) {
  const fs::path a = CreateUniqueFile(dir_, "Temp", ".tmp");
  const fs::path b = CreateUniqueFile(dir_, "Temp", ".tmp");
  ASSERT_FALSE(a.empty());
  EXPECT_NE(a, b);
  EXPECT_TRUE(fs::exists(a));
  EXPECT_EQ(a.parent_path(), dir_);
}

TEST(ChangeExtensionTest, ReplacesLastExtension) {
  EXPECT_EQ(ChangeExtension("/a/b.c/rain.inp", ".out"), fs::path("/a/b.c/rain.out"));
  EXPECT_EQ(ChangeExtension("rain", ".Lst"), fs::path("rain.Lst"));
}

}  // namespace
}  // namespace quarlin
