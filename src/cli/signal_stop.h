#pragma once
// Ctrl-C and a termination signal end a run as its Stop button would:
// between two steps, with its temporary files removed by the same code that
// removes them after any run that did not finish.

#include <signal.h>

#include <atomic>
#include <thread>

#include "data/stop_request.h"

namespace quarlin {

class SignalStop {
 public:
  // Blocks SIGINT and SIGTERM in this thread and in every thread started
  // after it, and watches for them on a thread of its own. A second signal
  // ends the process at once. When the watching cannot be set up (no file
  // descriptor or thread left), the mask is restored and the signals keep
  // their usual effect.
  SignalStop();
  ~SignalStop();
  SignalStop(const SignalStop&) = delete;
  SignalStop& operator=(const SignalStop&) = delete;

  const StopRequest& Request() const { return stop_; }
  // The signal that asked for the stop; 0 when none came.
  int Signal() const { return signal_; }

 private:
  void Watch();
  void CloseAll();

  StopRequest stop_;
  std::atomic<int> signal_{0};
  sigset_t previous_{};
  int signalFd_ = -1;
  int wake_[2] = {-1, -1};
  std::thread watcher_;
};

}  // namespace quarlin
