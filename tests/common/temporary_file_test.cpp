// The program's temporaries: unique, short whatever they stand for, and
// taken away only when they are a given file's and regular files.
#include "common/temporary_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace quarlin {
namespace {

namespace fs = std::filesystem;

class TemporaryFileTest : public testing::Test {
 protected:
  TemporaryFileTest()
      : dir_(fs::temp_directory_path() /
             ("quarlin-temporary-" +
              std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~TemporaryFileTest() override { fs::remove_all(dir_); }

  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.insert(entry.path().filename().string());
    return names;
  }

  fs::path dir_;
};

TEST_F(TemporaryFileTest, EachIsNewHiddenAndAsShortForAnyName) {
  const fs::path a = CreateTemporaryFile(dir_, "rain.inp");
  const fs::path b = CreateTemporaryFile(dir_, "rain.inp");
  const fs::path c = CreateTemporaryFile(dir_, std::string(251, 'r') + ".inp");
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(c.empty());
  EXPECT_NE(a, b);
  EXPECT_TRUE(fs::is_regular_file(a));
  EXPECT_EQ(fs::file_size(a), 0u);
  EXPECT_EQ(a.parent_path(), dir_);
  EXPECT_EQ(a.filename().string().rfind(".quarlin-", 0), 0u) << a;
  EXPECT_EQ(c.filename().string().size(), a.filename().string().size());
}

// A temporary written through another keeps the first one's owner, so both
// are found as the file's.
TEST_F(TemporaryFileTest, ATemporaryOfATemporaryHasTheSameOwner) {
  const fs::path first = CreateTemporaryFile(dir_, "rain.inp");
  const fs::path second = CreateTemporaryFile(dir_, first.filename().string());
  std::string a, b;
  ASSERT_TRUE(IsTemporaryName(first.filename().string(), &a));
  ASSERT_TRUE(IsTemporaryName(second.filename().string(), &b));
  EXPECT_EQ(a, b);
  EXPECT_NE(TemporaryOwner("rain.inp"), TemporaryOwner("rain.out"));
}

TEST_F(TemporaryFileTest, OnlyTheOwnersRegularTemporariesAreRemoved) {
  const fs::path inp = CreateTemporaryFile(dir_, "rain.inp");
  const fs::path lst = CreateTemporaryFile(dir_, "rain.Lst");
  const fs::path other = CreateTemporaryFile(dir_, "snow.inp");
  // Names of the same form that are not regular files, and look-alikes.
  const std::string owner = TemporaryOwner("rain.inp");
  const std::string link = ".quarlin-" + owner + "-0123456789abcdef.tmp";
  const std::string folder = ".quarlin-" + owner + "-fedcba9876543210.tmp";
  fs::create_symlink(inp.filename(), dir_ / link);
  fs::create_directory(dir_ / folder);
  for (const std::string& name :
       {".quarlin-" + owner + "-0123.tmp", ".quarlin-" + owner + "-0123456789ABCDEF.tmp",
        std::string("rain.inp"), ".quarlin-" + owner + "-0123456789abcdef.tmp.keep"})
    std::ofstream(dir_ / name) << "kept";
  const std::set<std::string> before = Names();
  EXPECT_EQ(RemoveTemporariesOf(dir_, {"rain.inp", "rain.Lst"}), 2);
  std::set<std::string> expected = before;
  expected.erase(inp.filename().string());
  expected.erase(lst.filename().string());
  EXPECT_EQ(Names(), expected);
  EXPECT_TRUE(fs::exists(other));
  EXPECT_EQ(RemoveTemporariesOf(dir_ / "missing", {"rain.inp"}), 0);
}

}  // namespace
}  // namespace quarlin
