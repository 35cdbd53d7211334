// What the batch command does when the disk, the file system or another run
// gets in the way: a message naming the file, exit status 1, and nothing of
// an earlier run's files lost or mixed with the new one's.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli_fixture.h"
#include "cli/run_command.h"
#include "data/run_session.h"
#include "fixtures/scoped_locale.h"

extern char** environ;

namespace {

using namespace cli_test;

std::string Values(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += std::to_string(10 + (i * 37) % 89) + "." + "5\n";
  return text;
}

class CliFaultTest : public CliTest {
 protected:
  // An earlier run's four files under the base `res`.
  void WriteEarlierRun() const {
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      WriteAll(work_ / (std::string("res") + extension), std::string("earlier ") + extension);
  }
  void ExpectEarlierRun() const {
    for (const char* extension : {".inp", ".out", ".aux", ".Lst"})
      EXPECT_EQ(ReadAll(work_ / (std::string("res") + extension)),
                std::string("earlier ") + extension)
          << extension;
  }
  // Nothing but the files a test made itself and the named outputs.
  void ExpectOnly(const std::set<std::string>& names) const { EXPECT_EQ(Names(), names); }

  // Starts `quarlin-cli ARGS` in the work folder without waiting for it.
  pid_t Start(const std::vector<std::string>& args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, (root_ / "stdout").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (root_ / "stderr").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{const_cast<char*>(kProgram.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const fs::path cwd = fs::current_path();
    fs::current_path(work_);
    pid_t pid = -1;
    posix_spawn(&pid, kProgram.c_str(), &actions, nullptr, argv.data(), environ);
    fs::current_path(cwd);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  // Waits until the started command's stderr holds `text`, or it ended.
  bool AwaitError(pid_t pid, const std::string& text) const {
    for (;;) {
      if (ReadAll(root_ / "stderr").find(text) != std::string::npos) return true;
      if (::waitpid(pid, nullptr, WNOHANG) == pid) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  // Runs a shell command line in the work folder, as Run runs the program.
  Outcome Shell(const std::string& line) {
    const std::string command = "cd '" + work_.string() + "' && (export " +
                                quarlin::testing_support::LocaleAssignments() + "; " + line +
                                ") >'" + (root_ / "stdout").string() + "' 2>'" +
                                (root_ / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(root_ / "stdout"),
            ReadAll(root_ / "stderr")};
  }
  std::string Program() const { return "'" + kProgram + "'"; }

  static int Finish(pid_t pid) {
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
};

std::string CouldNotOpen(const std::string& path, const std::string& reason) {
  return "The file \"" + path + "\"could not be opened. It may be in use by another program (" +
         reason + ")\n";
}

// An output base that cannot be written: the run stops before its input
// file is made, names the file and gives the system's reason.
struct WhereCase {
  std::string name;
  std::string setup;  // shell commands run in the work folder first
  std::string base;   // --output
  std::string reason;
};

class CliUnwritableTest : public CliFaultTest, public testing::WithParamInterface<WhereCase> {};

TEST_P(CliUnwritableTest, NamesTheFileAndKeepsTheEarlierFiles) {
  WriteAll(work_ / "v.csv", Values(10));
  WriteEarlierRun();
  ASSERT_EQ(std::system(("cd '" + work_.string() + "' && " + GetParam().setup).c_str()), 0);
  const std::set<std::string> before = Names();
  const Outcome outcome = Run("run v.csv --output '" + GetParam().base + "'");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, CouldNotOpen((work_ / (GetParam().base + ".inp")).lexically_normal(),
                                      GetParam().reason))
      << outcome.err;
  EXPECT_EQ(Names(), before);
  ExpectEarlierRun();
}

INSTANTIATE_TEST_SUITE_P(
    Places, CliUnwritableTest,
    testing::Values(WhereCase{"MissingFolder", "true", "missing/res", "No such file or directory"},
                    WhereCase{"ParentIsAFile", "echo x >plain", "plain/res", "Not a directory"},
                    WhereCase{"OutputIsAFolder", "mkdir -p out.inp/keep", "out", "Is a directory"},
                    WhereCase{"NameTooLong", "true", std::string(300, 'n'), "File name too long"},
                    WhereCase{"LoopingLink", "ln -s loop loop", "loop/res",
                              "Too many levels of symbolic links"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliFaultTest, ReadOnlyFolderIsRefusedWithItsReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  WriteAll(work_ / "v.csv", Values(10));
  fs::create_directory(work_ / "ro");
  fs::permissions(work_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  const Outcome outcome = Run("run v.csv --output ro/res");
  fs::permissions(work_ / "ro", fs::perms::owner_all);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, CouldNotOpen(work_ / "ro/res.inp", "Permission denied"));
  EXPECT_TRUE(fs::is_empty(work_ / "ro"));
}

// A disk that fills up in the middle of a run (a file size limit makes the
// writes fail as a full disk would): no half-written file, no temporary,
// and the earlier run's files as they were.
TEST_F(CliFaultTest, WriteFailingHalfwayKeepsTheEarlierRun) {
  WriteAll(work_ / "v.csv", Values(40));
  WriteEarlierRun();
  const Outcome outcome =
      Shell("trap '' XFSZ; ulimit -f 4; " + Program() + " run v.csv --output res --quiet");
  EXPECT_EQ(outcome.status, 1);
  const std::string reason = "(File too large)\n";
  ASSERT_GE(outcome.err.size(), reason.size()) << outcome.err;
  EXPECT_EQ(outcome.err.substr(outcome.err.size() - reason.size()), reason) << outcome.err;
  EXPECT_EQ(outcome.err.rfind("The file \"" + work_.string() + "/", 0), 0u) << outcome.err;
  ExpectEarlierRun();
  ExpectOnly({"v.csv", "res.inp", "res.out", "res.aux", "res.Lst"});
}

// Inputs that are not plain files: refused at once, naming the file.
struct InputCase {
  std::string name;
  std::string setup;
  std::string input;
  std::string message;
};

class CliInputKindTest : public CliFaultTest, public testing::WithParamInterface<InputCase> {};

TEST_P(CliInputKindTest, IsRefusedWithItsName) {
  ASSERT_EQ(std::system(("cd '" + work_.string() + "' && " + GetParam().setup).c_str()), 0);
  const std::set<std::string> before = Names();
  // A reader that waits for ever fails the test instead of hanging it.
  const Outcome outcome = Shell("timeout 60 " + Program() + " run " + GetParam().input);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, GetParam().message + "\n");
  EXPECT_EQ(Names(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CliInputKindTest,
    testing::Values(
        InputCase{"PipeWithoutWriter", "mkfifo in.csv", "in.csv",
                  "The file \"in.csv\" is not a regular file (a folder, a pipe or a device) "
                  "and was not read"},
        InputCase{"ReadError", "true", "/proc/self/mem",
                  "The file \"/proc/self/mem\" could not be read (Input/output error)"}),
    [](const auto& info) { return info.param.name; });

// A second run on the same output base while the first holds it.
TEST_F(CliFaultTest, SecondRunOnTheSameBaseRefusesWhenAskedNotToWait) {
  WriteAll(work_ / "v.csv", Values(10));
  WriteEarlierRun();
  const int held = ::open((work_ / "res.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const Outcome outcome = Run("run v.csv --output res --no-wait");
  ::close(held);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "The files of \"" + (work_ / "res.inp").string() +
                             "\" are being written by another run. Program stops running\n");
  ExpectEarlierRun();
}

TEST_F(CliFaultTest, SecondRunOnTheSameBaseWaitsForTheFirst) {
  WriteAll(work_ / "v.csv", Values(10));
  const int held = ::open((work_ / "res.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const pid_t pid = Start({"run", "v.csv", "--output", "res"});
  const bool waited = AwaitError(
      pid, " Waiting for another run on \"" + (work_ / "res.inp").string() + "\" to finish ..\n");
  EXPECT_FALSE(fs::exists(work_ / "res.inp"));
  ::close(held);
  EXPECT_TRUE(waited) << ReadAll(root_ / "stderr");
  EXPECT_EQ(Finish(pid), 0) << ReadAll(root_ / "stderr");
  ExpectOnly({"v.csv", "res.inp", "res.out", "res.aux", "res.Lst"});
}

// Runs started together on one base: each finishes, and the files left
// are those of one run: its input's number of data in the report, and the
// parameter file and ranked list that a run of that input alone writes.
TEST_F(CliFaultTest, RunsSideBySideLeaveTheFilesOfOneRun) {
  for (const int n : {12, 17, 23}) WriteAll(work_ / (std::to_string(n) + ".csv"), Values(n));
  const Outcome outcome =
      Shell("p=''; for n in 12 17 23 12 17 23; do " + Program() +
            " run $n.csv --output res --quiet & p=\"$p $!\"; done; s=0; for j in $p; do wait $j "
            "|| s=1; done; exit $s");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const std::string inp = ReadAll(work_ / "res.inp");
  const size_t at = inp.find(" Number of data: ");
  ASSERT_NE(at, std::string::npos);
  const std::string n = inp.substr(at + 17, inp.find(' ', at + 17) - at - 17);
  EXPECT_NE(ReadAll(work_ / "res.out").find(" Number of data used: " + n + "\r\n"),
            std::string::npos)
      << n;
  ExpectOnly({"12.csv", "17.csv", "23.csv", "res.inp", "res.out", "res.aux", "res.Lst"});
  ASSERT_EQ(Run("run " + n + ".csv --output alone --quiet").status, 0);
  EXPECT_EQ(ReadAll(work_ / "res.aux"), ReadAll(work_ / "alone.aux"));
  std::string alone = ReadAll(work_ / "alone.Lst");
  alone.replace(alone.find("alone.Lst"), 9, "res.Lst");
  EXPECT_EQ(ReadAll(work_ / "res.Lst"), alone);
}

// Ctrl-C or a termination signal in the middle of a run: the temporary
// files go, the earlier run's files stay, and the status is 128 + signal.
struct SignalCase {
  std::string name;
  int signal;
};

class CliSignalTest : public CliFaultTest, public testing::WithParamInterface<SignalCase> {};

TEST_P(CliSignalTest, RemovesTheTemporariesAndExitsWithTheSignalsStatus) {
  WriteAll(work_ / "v.csv", Values(2500));
  WriteEarlierRun();
  const pid_t pid = Start({"run", "v.csv", "--output", "res", "--composite"});
  ASSERT_TRUE(AwaitError(pid, " Calculating .....\n")) << ReadAll(root_ / "stderr");
  ::kill(pid, GetParam().signal);
  EXPECT_EQ(Finish(pid), 128 + GetParam().signal) << ReadAll(root_ / "stderr");
  ExpectEarlierRun();
  ExpectOnly({"v.csv", "res.inp", "res.out", "res.aux", "res.Lst"});
}

INSTANTIATE_TEST_SUITE_P(Signals, CliSignalTest,
                         testing::Values(SignalCase{"Interrupt", SIGINT},
                                         SignalCase{"Terminate", SIGTERM}),
                         [](const auto& info) { return info.param.name; });

}  // namespace

namespace {

// An input that vanished between the command line's check and the read:
// named with the system's reason, nothing written.
class VanishedInputTest : public cli_test::CliTest,
                          public testing::WithParamInterface<std::string> {};

TEST_P(VanishedInputTest, IsNamedWithTheSystemsReason) {
  quarlin::RunOptions options;
  options.input = (work_ / GetParam()).string();
  quarlin::RunSession session;
  std::ostringstream out, err;
  EXPECT_EQ(quarlin::RunCommand(options, session, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), CouldNotOpen(options.input, "No such file or directory"));
  EXPECT_TRUE(Names().empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, VanishedInputTest, testing::Values("gone.csv", "gone.inp"));

}  // namespace
