#include "cli/signal_stop.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace quarlin {

SignalStop::SignalStop() {
  sigset_t watched;
  sigemptyset(&watched);
  sigaddset(&watched, SIGINT);
  sigaddset(&watched, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &watched, &previous_);
  signalFd_ = ::signalfd(-1, &watched, SFD_CLOEXEC);
  if (signalFd_ >= 0 && ::pipe2(wake_, O_CLOEXEC) == 0) {
    try {
      watcher_ = std::thread([this] { Watch(); });
      return;
    } catch (const std::system_error&) {
    }
  }
  // Blocked with nobody to read them, the signals would be lost for the
  // whole run: without a watcher they end the process as they always do.
  CloseAll();
  pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void SignalStop::CloseAll() {
  for (int* fd : {&signalFd_, &wake_[0], &wake_[1]}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

SignalStop::~SignalStop() {
  if (watcher_.joinable()) {
    const char wake = 0;
    [[maybe_unused]] const ssize_t written = ::write(wake_[1], &wake, 1);
    watcher_.join();
  }
  CloseAll();
  pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void SignalStop::Watch() {
  for (;;) {
    pollfd fds[2] = {{signalFd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents != 0) return;
    signalfd_siginfo info{};
    if (::read(signalFd_, &info, sizeof info) != sizeof info) continue;
    const int number = static_cast<int>(info.ssi_signo);
    // Someone who presses Ctrl-C twice does not want to wait for the
    // current step.
    if (signal_.exchange(number) != 0) std::_Exit(128 + number);
    stop_.Request();
  }
}

}  // namespace quarlin
