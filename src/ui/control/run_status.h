#pragma once
// What the status text says while a run is on. The run reports itself only
// through its progress lines: the pipeline's own (data saved, report being
// written, results filed) and one after each fit, which this reads back
// against the order in which the run fits its candidates.

#include <string>
#include <vector>

namespace quarlin::ui {

class RunStatus {
 public:
  RunStatus() = default;
  // A run of `preference` ("1": best of all), composites allowed or not.
  RunStatus(const std::string& preference, bool compositeWanted);

  // The run showed `line`.
  void Line(const std::string& line);
  const std::string& Text() const { return text_; }

 private:
  void ShowFits();

  // The line that follows each fit of the run, in the run's order.
  std::vector<std::string> fitLines_;
  bool bestOfAll_ = true;
  size_t done_ = 0;
  std::string text_;
};

}  // namespace quarlin::ui
