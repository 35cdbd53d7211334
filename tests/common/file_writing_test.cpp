// Where an atomic write lands: through symbolic links to the file they end
// at, never over a folder, a pipe or a device, and with names of any length
// the file system takes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "common/text_file.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;

class FileWritingTest : public testing::Test {
 protected:
  FileWritingTest() {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = fs::temp_directory_path() / ("quarlin-writing-" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "sub");
  }
  ~FileWritingTest() override { fs::remove_all(dir_); }

  static std::string Content(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Every name under the folder, sub-folders included (not those a link
  // leads to), relative to it.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    Collect(dir_, "", names);
    return names;
  }
  static void Collect(const fs::path& folder, const std::string& prefix,
                      std::set<std::string>& names) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = prefix + entry.path().filename().string();
      names.insert(name);
      if (entry.symlink_status().type() == fs::file_type::directory)
        Collect(entry.path(), name + "/", names);
    }
  }

  fs::path dir_;
};

// A link is written through: the file it ends at gets the content, the
// link stays, and no temporary is left in either folder.
struct LinkCase {
  std::string name;
  std::vector<std::pair<std::string, std::string>> links;  // link -> what it points to
  std::string written;                                     // the name written to
  std::string lands;                                       // where the content lands
  bool existed;                                            // the last file was there before
};

class WriteThroughLinkTest : public FileWritingTest,
                             public testing::WithParamInterface<LinkCase> {};

TEST_P(WriteThroughLinkTest, ReplacesTheFileTheLinkEndsAt) {
  const LinkCase& c = GetParam();
  if (c.existed) std::ofstream(dir_ / c.lands) << "earlier";
  for (const auto& [link, to] : c.links) fs::create_symlink(to, dir_ / link);
  const std::set<std::string> before = Names();
  std::string reason;
  ASSERT_TRUE(WriteFileAtomically(dir_ / c.written, "new\r\n", &reason)) << reason;
  for (const auto& [link, to] : c.links) {
    EXPECT_TRUE(fs::is_symlink(dir_ / link)) << link;
    EXPECT_EQ(fs::read_symlink(dir_ / link), fs::path(to)) << link;
  }
  EXPECT_EQ(Content(dir_ / c.lands), "new\r\n");
  std::set<std::string> after = before;
  after.insert(c.lands);
  EXPECT_EQ(Names(), after);
}

INSTANTIATE_TEST_SUITE_P(
    Links, WriteThroughLinkTest,
    testing::Values(
        LinkCase{"ToAFileBesideIt", {{"a.png", "real.png"}}, "a.png", "real.png", true},
        LinkCase{"ToAMissingFile", {{"a.png", "real.png"}}, "a.png", "real.png", false},
        LinkCase{"IntoAnotherFolder", {{"a.out", "sub/r.out"}}, "a.out", "sub/r.out", true},
        LinkCase{"RelativeToItsOwnFolder", {{"sub/a.out", "../r.out"}}, "sub/a.out", "r.out", true},
        LinkCase{"AChainOfLinks",
                 {{"a.aux", "b.aux"}, {"b.aux", "sub/c.aux"}, {"sub/c.aux", "d.aux"}},
                 "a.aux",
                 "sub/d.aux",
                 true}),
    [](const auto& info) { return info.param.name; });

TEST_F(FileWritingTest, ThroughALinkTheTargetKeepsItsMode) {
  std::ofstream(dir_ / "sub" / "r.out") << "earlier";
  fs::permissions(dir_ / "sub" / "r.out", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("sub/r.out", dir_ / "a.out");
  ASSERT_TRUE(WriteFileAtomically(dir_ / "a.out", "new"));
  EXPECT_EQ(fs::status(dir_ / "sub" / "r.out").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

// What is not a regular file stays as it is, and the reason names the file
// a link ends at.
struct RefusedCase {
  std::string name;
  std::string setup;  // shell commands run in the test's folder
  std::string written;
  std::string reason;  // "@" stands for the test's folder
};

class RefusedTargetTest : public FileWritingTest,
                          public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedTargetTest, IsLeftAsItWasWithTheReason) {
  const RefusedCase& c = GetParam();
  ASSERT_EQ(std::system(("cd '" + dir_.string() + "' && " + c.setup).c_str()), 0);
  struct stat before {};
  ASSERT_EQ(::lstat((dir_ / c.written).c_str(), &before), 0);
  const std::set<std::string> names = Names();
  std::string reason;
  EXPECT_FALSE(WriteFileAtomically(dir_ / c.written, "new", &reason));
  std::string expected = c.reason;
  if (const size_t at = expected.find('@'); at != std::string::npos)
    expected.replace(at, 1, dir_.string());
  EXPECT_EQ(reason, expected);
  struct stat after {};
  ASSERT_EQ(::lstat((dir_ / c.written).c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(Names(), names);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RefusedTargetTest,
    testing::Values(RefusedCase{"Pipe", "mkfifo p.out", "p.out", "Not a regular file"},
                    RefusedCase{"LinkToADevice", "ln -s /dev/full g.png", "g.png",
                                "/dev/full: Not a regular file"},
                    RefusedCase{"LinkToAPipe", "mkfifo sub/p && ln -s sub/p p.out", "p.out",
                                "@/sub/p: Not a regular file"},
                    RefusedCase{"Folder", "mkdir f.out", "f.out", "Is a directory"},
                    RefusedCase{"LinkToAFolder", "ln -s sub s.out", "s.out",
                                "@/sub: Is a directory"},
                    RefusedCase{"LoopingLink", "ln -s l.out l.out", "l.out",
                                "@/l.out: Too many levels of symbolic links"}),
    [](const auto& info) { return info.param.name; });

// The temporary beside a file must fit wherever the file's own name does.
TEST_F(FileWritingTest, TheLongestNameTheFileSystemTakesCanBeWritten) {
  const long longest = ::pathconf(dir_.c_str(), _PC_NAME_MAX);
  ASSERT_GT(longest, 4);
  const fs::path target = dir_ / (std::string(longest - 4, 'n') + ".out");
  std::string reason;
  ASSERT_TRUE(WriteFileAtomically(target, "new", &reason)) << reason;
  ASSERT_TRUE(WriteFileAtomically(target, "again", &reason)) << reason;
  EXPECT_EQ(Content(target), "again");
  EXPECT_EQ(Names(), (std::set<std::string>{"sub", target.filename().string()}));
}

}  // namespace
}  // namespace quarlin
