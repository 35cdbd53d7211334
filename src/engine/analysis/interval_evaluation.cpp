#include "engine/analysis/interval_evaluation.h"

#include <algorithm>
#include <cmath>

#include "engine/catalogue/catalogue.h"
#include "engine/model/shift_units.h"

namespace quarlin {
namespace {

constexpr long double kSnapDistance = 0.0001L;

// Limits by repeated addition of the width; the last counted limit is raised
// so that the largest value falls inside the last class.
std::vector<double> ClassLimits(int NC, double first, double W, double C) {
  std::vector<double> limit(NC + 2, 0.0);
  limit[0] = first;
  for (int k = 1; k <= NC + 1; ++k) limit[k] = limit[k - 1] + W;
  if (limit[0] == 0.0) limit[0] = 0.0001;
  limit[NC] += 0.0002;
  if (limit[0] < 0.0)
    for (int k = 0; k <= NC; ++k) limit[k] -= C;
  return limit;
}

// The first limit is the smallest value rounded to a double, which can lie
// just above it (always so for data moved up from a negative minimum): the
// first class then starts at the value itself, or the smallest datum would
// be counted nowhere.
long double FirstClassStart(const ClassTable& table, size_t first) {
  const long double lowest = table.values[first];
  const double limit = table.ClassLimit[0];
  return limit == static_cast<double>(lowest) ? std::min<long double>(limit, lowest) : limit;
}

// A value equal to an inner limit belongs to the class that begins at it.
void Count(ClassTable& table, size_t first, size_t last) {
  const int NC = table.NrClasses;
  table.ClassCount.assign(NC + 1, 0.0);
  const long double firstStart = FirstClassStart(table, first);
  for (int k = 1; k <= NC; ++k) {
    const double upper = table.ClassLimit[k];
    const long double lower = k == 1 ? firstStart : table.ClassLimit[k - 1];
    for (size_t i = first; i <= last; ++i) {
      long double& v = table.values[i];
      if (std::fabs(v - upper) < kSnapDistance) v = upper;
      if (v < upper && v >= lower) table.ClassCount[k - 1] += 1;
    }
  }
}

// Nothing to evaluate, or a value that is not a number, counts as 0.
double RawClassF(int code, double limit, const FittedParams& params) {
  const auto value = Evaluate(code, limit, params, EvalSite::FreeValue());
  if (!value || std::isnan(value->F)) return 0.0;
  return static_cast<double>(value->F);
}

ClassTable Classes(int code, const FittedParams& params, int NC, double first, double W, double C,
                   std::vector<long double> values, size_t firstValue, size_t lastValue) {
  ClassTable table;
  table.NrClasses = NC;
  table.ClassLimit = ClassLimits(NC, first, W, C);
  table.values = std::move(values);
  Count(table, firstValue, lastValue);
  table.ClassFcalc.assign(NC + 1, 0.0);
  for (int k = 0; k <= NC; ++k) table.ClassFcalc[k] = RawClassF(code, table.ClassLimit[k], params);
  return table;
}

}  // namespace

ClassTable EvaluateIntervals(int code, const FittedParams& params, const Sample& sample,
                             int NrOfClasses) {
  const int N = sample.N;
  if (!IsValidClassCount(NrOfClasses) || N < 1) return {};
  const double W = static_cast<double>((sample.X[N] - sample.X[1]) / NrOfClasses);
  std::vector<long double> values(sample.X.begin(), sample.X.begin() + N + 1);
  return Classes(code, params, NrOfClasses, static_cast<double>(sample.X[1]), W, sample.C,
                 std::move(values), 1, N);
}

ClassTable EvaluateGraphIntervals(int code, const FittedParams& params,
                                  std::span<const long double> SortedValues, double C) {
  const size_t N = SortedValues.size();
  if (N < 1) return {};
  std::vector<long double> values(SortedValues.begin(), SortedValues.end());
  if (values[0] < C + kPositiveShift) values[0] = C + kPositiveShift;
  const double first = static_cast<double>(values[0]);
  const double W = static_cast<double>((values[N - 1] - values[0]) / kGraphClasses);
  return Classes(code, params, kGraphClasses, first, W, C, std::move(values), 0, N - 1);
}

}  // namespace quarlin
