// Times the two largest searches of the normal family on a fixed Gumbel
// sample: code 23 (201 x 201 trials) and code 26 (280 x 201 trials).

#include <benchmark/benchmark.h>

#include "bench/bench_samples.h"
#include "engine/normal_family.h"

namespace quarlin {
namespace {

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
