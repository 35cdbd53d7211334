#include "common/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>

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
                                         SplitCase{"\r\n", {""}}, SplitCase{"a\rb\r", {"a", "b"}},
                                         SplitCase{"a\r\rb", {"a", "", "b"}},
                                         SplitCase{"a\rb\r\nc\nd", {"a", "b", "c", "d"}},
                                         SplitCase{"\xEF\xBB\xBF"
                                                   "1\n2",
                                                   {"1", "2"}}));

// ScanLines cuts a file as SplitLines cuts its text, whatever size the
// reads come in.
class ScanLinesTest : public TextFileTest, public testing::WithParamInterface<SplitCase> {};

TEST_P(ScanLinesTest, CutsAsSplitLines) {
  std::ofstream(dir_ / "f.txt", std::ios::binary) << GetParam().text;
  std::vector<std::string> lines;
  const LineScan scan =
      ScanLines(dir_ / "f.txt", 1 << 20, [&](size_t number, const std::string& line) {
        EXPECT_EQ(number, lines.size() + 1);
        lines.push_back(line);
        return true;
      });
  EXPECT_EQ(scan.fault, ReadFault::None);
  EXPECT_EQ(lines, GetParam().lines);
  EXPECT_EQ(lines, SplitLines(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ScanLinesTest,
    testing::Values(SplitCase{"a\r\nb\r\n", {"a", "b"}}, SplitCase{"a\nb", {"a", "b"}},
                    SplitCase{"", {}}, SplitCase{"\r\n", {""}}, SplitCase{"a\r\rb", {"a", "", "b"}},
                    SplitCase{"a\rb\r\nc\nd", {"a", "b", "c", "d"}}, SplitCase{"\xEF\xBB\xBF", {}},
                    SplitCase{"\xEF\xBB", {"\xEF\xBB"}},
                    SplitCase{"\xEF\xBB\xBF"
                              "1\n2",
                              {"1", "2"}},
                    // A CR LF across the end of one read and the start of the next.
                    SplitCase{std::string(65535, 'x') + "\r\ny", {std::string(65535, 'x'), "y"}}));

TEST_F(TextFileTest, ScanStopsWhereTheCallerSays) {
  std::ofstream(dir_ / "f.txt", std::ios::binary) << "1\n2\n3\n" << std::string(1 << 21, 'x');
  std::vector<std::string> lines;
  const LineScan scan = ScanLines(dir_ / "f.txt", 16, [&](size_t, const std::string& line) {
    lines.push_back(line);
    return lines.size() < 2;
  });
  EXPECT_EQ(scan.fault, ReadFault::None) << "the long line after the stop is never reached";
  EXPECT_EQ(lines, (std::vector<std::string>{"1", "2"}));
}

TEST_F(TextFileTest, ScanRefusesALineLongerThanAllowed) {
  std::ofstream(dir_ / "f.txt", std::ios::binary) << "1\n"
                                                  << std::string(16, 'x') << "\n"
                                                  << std::string(17, 'y') << "\n4\n";
  std::vector<std::string> lines;
  const LineScan scan = ScanLines(dir_ / "f.txt", 16, [&](size_t, const std::string& line) {
    lines.push_back(line);
    return true;
  });
  EXPECT_EQ(scan.fault, ReadFault::LineTooLong);
  EXPECT_EQ(scan.lineNumber, 3u);
  EXPECT_EQ(lines, (std::vector<std::string>{"1", std::string(16, 'x')}));
}

// What a reader is told when a file gives no lines: which step failed and
// the system's reason, so that a message can name both.
struct FaultCase {
  std::string name;
  std::string path;  // "@" stands for the test's folder
  ReadFault fault;
  std::string reason;
};

class ReadFaultTest : public TextFileTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(ReadFaultTest, TellsWhyNothingWasRead) {
  std::string path = GetParam().path;
  if (path.front() == '@') path = dir_.string() + path.substr(1);
  ::mkfifo((dir_ / "fifo").c_str(), 0600);
  const TextRead read = ReadText(path);
  const LineScan scan = ScanLines(path, 100, [](size_t, const std::string&) { return true; });
  EXPECT_EQ(scan.fault, GetParam().fault);
  EXPECT_EQ(scan.reason, GetParam().reason);
  EXPECT_EQ(read.fault, GetParam().fault);
  EXPECT_EQ(read.reason, GetParam().reason);
  EXPECT_TRUE(read.lines.empty());
  EXPECT_FALSE(ReadLines(path));
}

INSTANTIATE_TEST_SUITE_P(Files, ReadFaultTest,
                         testing::Values(FaultCase{"Missing", "@/none.csv", ReadFault::Open,
                                                   "No such file or directory"},
                                         FaultCase{"Folder", "@", ReadFault::NotRegular, ""},
                                         FaultCase{"PipeWithoutWriter", "@/fifo",
                                                   ReadFault::NotRegular, ""},
                                         FaultCase{"UnreadableMemory", "/proc/self/mem",
                                                   ReadFault::Read, "Input/output error"},
                                         FaultCase{"NameTooLong", "@/" + std::string(300, 'n'),
                                                   ReadFault::Open, "File name too long"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(TextFileTest, FailedWriteGivesTheSystemsReason) {
  std::string reason;
  EXPECT_FALSE(WriteFileAtomically(dir_ / "missing" / "x.inp", "data", &reason));
  EXPECT_EQ(reason, "No such file or directory");
  fs::create_directory(dir_ / "adir");
  EXPECT_FALSE(WriteFileAtomically(dir_ / "adir", "data", &reason));
  EXPECT_EQ(reason, "Is a directory");
}

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

// The permission bits a write leaves: a replaced file keeps its own, a new
// one takes 0666 less the umask.
struct ModeCase {
  mode_t umask;
  std::optional<fs::perms> existing;
  fs::perms expected;
};

class AtomicWriteModeTest : public TextFileTest, public testing::WithParamInterface<ModeCase> {
 protected:
  void TearDown() override {
    ::umask(saved_);
    TextFileTest::TearDown();
  }
  mode_t saved_ = ::umask(022);
};

TEST_P(AtomicWriteModeTest, KeepsTheOldModeOrFollowsTheUmask) {
  const fs::path target = dir_ / "rain.aux";
  if (GetParam().existing) {
    std::ofstream(target) << "old";
    fs::permissions(target, *GetParam().existing);
  }
  ::umask(GetParam().umask);
  ASSERT_TRUE(WriteFileAtomically(target, "new\r\n"));
  EXPECT_EQ(fs::status(target).permissions(), GetParam().expected);
}

using P = fs::perms;
INSTANTIATE_TEST_SUITE_P(
    Modes, AtomicWriteModeTest,
    testing::Values(ModeCase{022, std::nullopt,
                             P::owner_read | P::owner_write | P::group_read | P::others_read},
                    ModeCase{077, std::nullopt, P::owner_read | P::owner_write},
                    ModeCase{002, std::nullopt,
                             P::owner_read | P::owner_write | P::group_read | P::group_write |
                                 P::others_read},
                    ModeCase{022, P::owner_read | P::owner_write, P::owner_read | P::owner_write},
                    ModeCase{077, P::owner_all | P::group_read, P::owner_all | P::group_read}));

TEST_F(TextFileTest, ReadMissingFileFails) {
  EXPECT_FALSE(ReadLines(dir_ / "nope.inp"));
}

TEST(ChangeExtensionTest, ReplacesLastExtension) {
  EXPECT_EQ(ChangeExtension("/a/b.c/rain.inp", ".out"), fs::path("/a/b.c/rain.out"));
  EXPECT_EQ(ChangeExtension("rain", ".Lst"), fs::path("rain.Lst"));
}

}  // namespace
}  // namespace quarlin
