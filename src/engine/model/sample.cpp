#include "engine/model/sample.h"

#include <algorithm>
#include <numeric>

namespace quarlin {

Sample RankValues(const std::vector<long double>& values) {
  Sample s;
  s.N = static_cast<int>(values.size());
  std::vector<int> order(values.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return values[a] < values[b]; });
  s.X.assign(s.N + 1, 0.0L);
  s.Fc.assign(s.N + 1, 0.0L);
  s.SerialOf.assign(s.N + 1, 0);
  for (int i = 1; i <= s.N; ++i) {
    s.X[i] = values[order[i - 1]];
    s.SerialOf[i] = order[i - 1] + 1;
    s.Fc[i] = static_cast<long double>(i) / (s.N + 1);
  }
  return s;
}

}  // namespace quarlin
