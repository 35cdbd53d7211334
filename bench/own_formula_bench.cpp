// The own-formula families' searches in both modes on the same sample: the fast
// search against the reference that sums every trial in full.

#include <benchmark/benchmark.h>

#include "bench/bench_samples.h"
#include "engine/fits/own_formula_fits.h"

namespace quarlin {
namespace {

void BM_OwnFormulaSearch(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const SearchMode mode = state.range(1) == 0 ? SearchMode::Fast : SearchMode::Reference;
  const Sample sample = GumbelSample(static_cast<int>(state.range(2)));
  for (auto _ : state) benchmark::DoNotOptimize(FitOwnFormulaFamily(sample, code, mode));
}

// reference: 0 the fast search, 1 the reference.
BENCHMARK(BM_OwnFormulaSearch)
    ->ArgNames({"code", "reference", "N"})
    ->ArgsProduct({{31, 32, 33, 34, 35, 36, 56, 58, 59, 61, 67, 68, 69, 73}, {0, 1}, {250}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlin
