// Ctrl-C when the signals cannot be watched: a process out of file
// descriptors cannot make the signal descriptor or the wake-up pipe, and
// then the signals must keep their usual effect instead of being blocked
// for the whole run.
#include "cli/signal_stop.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarlin {
namespace {

enum ChildExit { kSetUpFailed = 2, kStillBlocked = 3, kSignalIgnored = 4 };

// In a child process that may open `spare` more file descriptors: sets up
// a SignalStop, checks that SIGINT is not blocked and raises it. Returns
// the child's wait status.
int ChildWithSpareDescriptors(int spare) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::signal(SIGINT, SIG_DFL);
    const int lowest = ::open("/dev/null", O_RDONLY);
    if (lowest < 0) ::_exit(kSetUpFailed);
    ::close(lowest);
    const rlimit limit{static_cast<rlim_t>(lowest + spare), static_cast<rlim_t>(lowest + spare)};
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) ::_exit(kSetUpFailed);
    const SignalStop stop;
    sigset_t mask;
    ::pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    if (sigismember(&mask, SIGINT)) ::_exit(kStillBlocked);
    ::raise(SIGINT);
    ::_exit(kSignalIgnored);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

struct FailingCall {
  const char* name;
  int spare;  // descriptors left: none for signalfd, one (of two) for pipe2
};

void PrintTo(const FailingCall& c, std::ostream* os) {
  *os << c.name;
}

class SignalStopSetUpTest : public testing::TestWithParam<FailingCall> {};

TEST_P(SignalStopSetUpTest, LeavesTheSignalsTheirUsualEffect) {
  const int status = ChildWithSpareDescriptors(GetParam().spare);
  ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == kSetUpFailed);
  EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == kStillBlocked)
      << "SIGINT stayed blocked";
  ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
  EXPECT_EQ(WTERMSIG(status), SIGINT);
}

INSTANTIATE_TEST_SUITE_P(Calls, SignalStopSetUpTest,
                         testing::Values(FailingCall{"SignalFd", 0}, FailingCall{"Pipe", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlin
