#pragma once
// How a grid search scores its trials. The product gives up on a trial as
// soon as it can no longer win (see bounded_sum.h); the reference sums every
// point of every trial, so that tests and benchmarks can hold the two side
// by side. Both choose the same trial.

namespace quarlin {

enum class SearchMode { Fast, Reference };

inline bool ExitsEarly(SearchMode mode) {
  return mode == SearchMode::Fast;
}

}  // namespace quarlin
