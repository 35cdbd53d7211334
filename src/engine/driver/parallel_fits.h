#pragma once
// Fits of a best-of-all run computed ahead on several threads. The fits
// share nothing, so each gives the same result on any thread; the driver
// still asks for them one by one in its fixed order, and waits only where a
// fit is not done yet.

#include <atomic>
#include <functional>
#include <future>
#include <thread>
#include <variant>
#include <vector>

#include "engine/driver/fit_all.h"

namespace quarlin {

// Starts a thread that runs `work`; throws as std::thread does when the
// system has no thread to give.
using ThreadStart = std::function<std::thread(std::function<void()> work)>;

// The system's threads.
std::thread StartThread(std::function<void()> work);

class ParallelFits : public CandidateFits {
 public:
  // Starts `threads` workers on the fits of `codes` (62 stands for the
  // Student pair), the longest first, each through `start`. When a worker
  // cannot be started, the ones already going do the work; with none, each
  // fit is computed on the calling thread when the driver asks for it.
  ParallelFits(const CandidateFits& inner, const Sample& sample, const std::vector<int>& codes,
               int threads, const ThreadStart& start = StartThread);
  ~ParallelFits() override;
  ParallelFits(const ParallelFits&) = delete;
  ParallelFits& operator=(const ParallelFits&) = delete;

  FitResult Regression(const Sample& s, const RegressionMember& m) const override;
  FitResult OwnFormula(const Sample& s, int code) const override;
  StudentFits Student(const Sample& s) const override;
  NormalFit Normal(const Sample& s, int code) const override;
  FitResult Composite(const Sample& s, int code) const override;

 private:
  using Result = std::variant<FitResult, NormalFit, StudentFits>;

  Result Compute(int code) const;
  // The result of `code`, waiting for its worker; computed here when the
  // code was not scheduled or was taken already.
  Result Take(int code) const;
  void Work();

  const CandidateFits& inner_;
  const Sample& sample_;
  std::vector<int> codes_;
  std::vector<size_t> partner_;  // the mirror each code's work fits as well, or codes_.size()
  std::vector<size_t> order_;    // the order in which the workers take the codes
  std::vector<std::promise<Result>> promises_;
  mutable std::vector<std::future<Result>> futures_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::vector<std::thread> workers_;
};

// The number of threads a run uses when none is asked for.
int DefaultFitThreads();

}  // namespace quarlin
