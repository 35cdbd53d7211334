// Time of the composite fits on a sample of Weibull quantiles.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/fits/generalized_composite.h"
#include "engine/fits/simple_composite.h"

namespace {

quarlin::Sample WeibullQuantiles(int N) {
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) {
    const long double F = static_cast<long double>(i) / (N + 1);
    values.push_back(5 + 20 * std::pow(-std::log(1 - F), 0.7L));
  }
  return quarlin::RankValues(values);
}

void BM_CompositeGeneralized80(benchmark::State& state) {
  const quarlin::Sample s = WeibullQuantiles(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quarlin::FitGeneralizedComposite(s, 80));
}
BENCHMARK(BM_CompositeGeneralized80)->Arg(250)->Arg(2500)->Unit(benchmark::kMillisecond);

void BM_CompositeSimple10(benchmark::State& state) {
  const quarlin::Sample s = WeibullQuantiles(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quarlin::FitSimpleComposite(s, 10));
}
BENCHMARK(BM_CompositeSimple10)->Arg(250)->Arg(2500)->Unit(benchmark::kMillisecond);

}  // namespace
