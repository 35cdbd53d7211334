#pragma once
// The window's event loop as the WindowThread of the controller: a run
// goes on a QThread of its own, and what it hands back is queued to the
// window's thread.

#include <QObject>
#include <QThread>
#include <memory>

#include "ui/control/window_thread.h"

namespace quarlin::ui {

class QtWindowThread : public WindowThread {
 public:
  QtWindowThread() = default;
  ~QtWindowThread() override;

  void RunAway(std::function<void()> job, std::function<void()> done) override;
  void Post(std::function<void()> task) override;
  void Call(std::function<void()> task) override;

  bool Busy() const { return worker_ && !worker_->isFinished(); }
  // Waits for a run that is on while the window goes on answering, so that
  // its questions can still be answered.
  void WaitWhileBusy();

 private:
  QObject context_;  // lives on the window's thread
  std::unique_ptr<QThread> worker_;
};

}  // namespace quarlin::ui
