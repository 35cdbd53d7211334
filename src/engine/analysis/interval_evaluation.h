#pragma once
// The interval evaluation: the data range cut into classes, the data counted
// per class and the calculated cumulative frequency at every class limit.

#include <span>
#include <vector>

#include "engine/model/fitted_params.h"
#include "engine/model/sample.h"

namespace quarlin {

// The interval table reads the limit two below the last one and the range
// is divided by the count: fewer than 2 or more than 50 classes are refused.
inline constexpr int kMinClasses = 2;
inline constexpr int kMaxClasses = 50;
inline constexpr int kGraphClasses = 20;

inline bool IsValidClassCount(int classes) {
  return classes >= kMinClasses && classes <= kMaxClasses;
}

struct ClassTable {
  int NrClasses = 0;               // NC; 0 when the count was refused
  std::vector<double> ClassLimit;  // 0..NC+1, ascending
  std::vector<double> ClassCount;  // 0..NC: ClassCount[k-1] counts class k
  std::vector<double> ClassFcalc;  // 0..NC: raw fractions, no clamps
  // The counted values with the same indexing as given, after those within
  // 0.0001 of a limit were moved onto it. The report prints the moved ones.
  std::vector<long double> values;
};

// The run's classes over the ranked engine data X[1..N]; `values` is 1..N.
// The report numbers take `values` as the data they print.
ClassTable EvaluateIntervals(int code, const FittedParams& params, const Sample& sample,
                             int NrOfClasses);

// The graphs' 20 classes over the ranked data before the shift,
// SortedValues[0..N-1]; a first value below C + 0.0001 is raised to it.
// `values` is 0..N-1.
ClassTable EvaluateGraphIntervals(int code, const FittedParams& params,
                                  std::span<const long double> SortedValues, double C);

}  // namespace quarlin
