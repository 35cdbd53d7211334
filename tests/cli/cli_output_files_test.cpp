// The files a run writes, at the edges of what the file system allows: the
// longest names, symbolic links, things that are not regular files, and
// the temporaries a killed run leaves behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <string>

#include "cli/cli_fixture.h"

namespace {

using namespace cli_test;

std::string Values(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += std::to_string(10 + (i * 37) % 89) + ".5\n";
  return text;
}

class CliOutputFilesTest : public CliTest {
 protected:
  CliOutputFilesTest() { WriteAll(work_ / "v.csv", Values(10)); }

  // Runs a shell command line in the work folder.
  int Shell(const std::string& line) const {
    return std::system(("cd '" + work_.string() + "' && (" + line + ")").c_str());
  }
};

// Whatever base the file system takes for BASE.inp can be run: the
// temporaries beside it must not be longer than the files.
TEST_F(CliOutputFilesTest, TheLongestBaseThatFitsIsWritten) {
  const long longest = ::pathconf(work_.c_str(), _PC_NAME_MAX);
  const std::string base(longest - 4, 'b');
  const Outcome outcome = Run("run v.csv --quiet --output " + base);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(Names(), (std::set<std::string>{"v.csv", base + ".inp", base + ".out", base + ".aux",
                                            base + ".Lst"}));
}

// A link among the run's files is written through and stays a link.
TEST_F(CliOutputFilesTest, LinkedFilesAreWrittenWhereTheLinksEnd) {
  fs::create_directory(work_ / "kept");
  WriteAll(work_ / "kept" / "res.out", "earlier");
  fs::create_symlink("kept/res.out", work_ / "res.out");
  fs::create_symlink(work_ / "kept" / "res.Lst", work_ / "res.Lst");
  const Outcome outcome = Run("run v.csv --quiet --output res");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_TRUE(fs::is_symlink(work_ / "res.out"));
  EXPECT_TRUE(fs::is_symlink(work_ / "res.Lst"));
  EXPECT_NE(ReadAll(work_ / "kept" / "res.out").find(" Number of data used: 10\r\n"),
            std::string::npos);
  EXPECT_NE(ReadAll(work_ / "kept" / "res.Lst").find(" Name of this file : res.Lst\r\n"),
            std::string::npos);
  EXPECT_EQ(Names(),
            (std::set<std::string>{"v.csv", "kept", "res.inp", "res.out", "res.aux", "res.Lst"}));
}

// A device or a pipe where a file of the run belongs is refused before
// anything is written, and stays.
TEST_F(CliOutputFilesTest, ADeviceOrAPipeAmongTheFilesIsRefused) {
  ASSERT_EQ(Shell("ln -s /dev/full res.out && mkfifo res.aux"), 0);
  const std::set<std::string> before = Names();
  const Outcome outcome = Run("run v.csv --quiet --output res");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "The file \"" + (work_ / "res.out").string() +
                             "\"could not be opened. It may be in use by another program "
                             "(/dev/full: Not a regular file)\n");
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(fs::read_symlink(work_ / "res.out"), "/dev/full");
  EXPECT_TRUE(fs::is_fifo(work_ / "res.aux"));
}

// A run killed in the middle (SIGKILL cannot be caught) leaves its
// temporaries; the next run on the same base removes them, and nothing
// that is not one of them.
TEST_F(CliOutputFilesTest, TheNextRunRemovesWhatAKilledRunLeft) {
  WriteAll(work_ / "big.csv", Values(2500));
  for (const char* name : {"res.Input.1.2.Tmp", ".res.out.tmp", ".quarlin-notes.tmp"})
    WriteAll(work_ / name, "kept");
  const std::set<std::string> before = Names();
  ASSERT_EQ(Shell("'" + kProgram + "' run big.csv --output res --composite 2>err & p=$!; " +
                  "for i in $(seq 1200); do grep -q Calculating err && break; sleep 0.05; done; " +
                  "kill -KILL $p; " + "wait $p; rm err"),
            0);
  ASSERT_GT(Names().size(), before.size() + 1) << "the killed run left its temporaries";
  const Outcome outcome = Run("run v.csv --quiet --output res");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  std::set<std::string> expected = before;
  expected.insert({"res.inp", "res.out", "res.aux", "res.Lst"});
  EXPECT_EQ(Names(), expected);
}

}  // namespace
