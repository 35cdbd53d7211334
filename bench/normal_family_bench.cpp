// Times the two largest searches of the normal family on a fixed Gumbel
// sample: code 23 (201 x 201 trials) and code 26 (280 x 201 trials).

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/normal_family.h"
#include "engine/sample.h"

namespace quarlin {
namespace {

// Gumbel values with location 100 and scale 20, from a fixed seed. The
// uniform variate is made from the raw generator output so that the sample
// does not depend on the standard library's distributions.
Sample GumbelSample(int N) {
  std::mt19937 generator(20240611u);
  std::vector<long double> values;
  values.reserve(N);
  for (int i = 0; i < N; ++i) {
    const long double u = (generator() + 0.5L) / 4294967296.0L;
    values.push_back(100.0L - 20.0L * std::log(-std::log(u)));
  }
  return RankValues(values);
}

void BM_FitNormalFamily(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const Sample sample = GumbelSample(static_cast<int>(state.range(1)));
  for (auto _ : state) {
    NormalFit fit = FitNormalFamily(code, sample);
    benchmark::DoNotOptimize(fit);
  }
}

BENCHMARK(BM_FitNormalFamily)
    ->ArgNames({"code", "N"})
    ->ArgsProduct({{23, 26}, {250, 2500}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlin
