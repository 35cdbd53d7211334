// Times a whole best-of-all fit, as a run does it, on a fixed Gumbel sample.

#include <benchmark/benchmark.h>

#include "bench/bench_samples.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

struct SilentSink : ProgressSink {
  void Line(const std::string&) override {}
};

void BM_FitAll(benchmark::State& state) {
  const Sample sample = GumbelSample(static_cast<int>(state.range(0)));
  FitAllRequest request;
  request.CompositeWanted = state.range(1) != 0;
  SilentSink sink;
  for (auto _ : state) {
    RankedList list("bench.inp");
    FitAllOutcome outcome = FitAll(sample, request, sink, &list);
    benchmark::DoNotOptimize(outcome);
  }
}

BENCHMARK(BM_FitAll)
    ->ArgNames({"N", "composites"})
    ->ArgsProduct({{250, 2500}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlin
