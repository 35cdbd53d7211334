#pragma once
// The six graphs of a finished report, numbered as the Graphics page and the
// batch command name them.

namespace quarlin {

enum class GraphType {
  kCumulative = 1,
  kIntervalCalculated = 2,
  kConfidenceBeltOfX = 3,
  kReturnPeriods = 4,
  kPredictedObserved = 5,
  kIntervalObserved = 6,
};

inline bool IsIntervalGraph(GraphType type) {
  return type == GraphType::kIntervalCalculated || type == GraphType::kIntervalObserved;
}

}  // namespace quarlin
