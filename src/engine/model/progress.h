#pragma once

#include <string>

namespace quarlin {

// Receives the short progress lines of a run (" 3 done", " Progress 75% ....").
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void Line(const std::string& text) = 0;
};

}  // namespace quarlin
