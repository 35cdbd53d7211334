#pragma once
// How work crosses between the window's thread and the thread that does a
// long run. The desktop program hands the window's event loop in; the
// tests hand in one that does everything at once on the calling thread.

#include <functional>

namespace quarlin::ui {

class WindowThread {
 public:
  virtual ~WindowThread() = default;
  // Runs `job` away from the window's thread, then `done` on it. Neither
  // may throw: on the job's thread nobody could catch it, so the caller
  // catches inside (the controller turns a fault into a message).
  virtual void RunAway(std::function<void()> job, std::function<void()> done) = 0;
  // Runs `task` on the window's thread without waiting for it.
  virtual void Post(std::function<void()> task) = 0;
  // Runs `task` on the window's thread and waits until it is finished.
  virtual void Call(std::function<void()> task) = 0;
};

// Everything at once, on the calling thread.
class SameThread : public WindowThread {
 public:
  void RunAway(std::function<void()> job, std::function<void()> done) override {
    job();
    done();
  }
  void Post(std::function<void()> task) override { task(); }
  void Call(std::function<void()> task) override { task(); }
};

}  // namespace quarlin::ui
