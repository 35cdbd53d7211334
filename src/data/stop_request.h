#pragma once
// A front end's request that a run stop, such as the desktop program's Stop
// button while the run works on another thread. The run looks at it between
// fits and between its steps, and then ends cleanly.

#include <atomic>

namespace quarlin {

class StopRequest {
 public:
  // May be called from any thread at any time.
  void Request() { requested_ = true; }
  // For the next run; a request is not taken back while a run goes on.
  void Clear() { requested_ = false; }
  bool Requested() const { return requested_; }
  // The flag itself, for the fit-all driver (FitAllRequest::stop).
  const std::atomic<bool>& Flag() const { return requested_; }

 private:
  std::atomic<bool> requested_{false};
};

}  // namespace quarlin
