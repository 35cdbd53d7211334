// Times the two largest searches of the normal family on a fixed Gumbel
// sample: code 23 (201 x 201 trials) and code 26 (280 x 201 trials), each
// also with the plain search that sums every trial in full (reference:1).

#include <benchmark/benchmark.h>

#include "bench/bench_samples.h"
#include "engine/fits/normal_family.h"

namespace quarlin {
namespace {

void BM_FitNormalFamily(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const Sample sample = GumbelSample(static_cast<int>(state.range(1)));
  const SearchMode mode = state.range(2) ? SearchMode::Reference : SearchMode::Fast;
  for (auto _ : state) {
    NormalFit fit = FitNormalFamily(code, sample, mode);
    benchmark::DoNotOptimize(fit);
  }
}

BENCHMARK(BM_FitNormalFamily)
    ->ArgNames({"code", "N", "reference"})
    ->ArgsProduct({{23, 26}, {250, 2500}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlin
