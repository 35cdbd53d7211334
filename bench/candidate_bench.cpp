// Times every candidate fit on its own, to show where a run's time goes.

#include <benchmark/benchmark.h>

#include "bench/bench_samples.h"
#include "engine/catalogue/composite_members.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

void BM_Candidate(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const Sample sample = GumbelSample(static_cast<int>(state.range(1)));
  const ProductFits fits;
  for (auto _ : state) {
    if (const auto member = RegressionMemberOf(code)) {
      benchmark::DoNotOptimize(fits.Regression(sample, *member));
    } else if (IsNormalFamily(code)) {
      benchmark::DoNotOptimize(fits.Normal(sample, code));
    } else if (IsComposite(code)) {
      benchmark::DoNotOptimize(fits.Composite(sample, code));
    } else if (code == 62) {
      benchmark::DoNotOptimize(fits.Student(sample));
    } else {
      benchmark::DoNotOptimize(fits.OwnFormula(sample, code));
    }
  }
}

BENCHMARK(BM_Candidate)
    ->ArgNames({"code", "N"})
    ->ArgsProduct({{3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22, 23,
                    24, 25, 26, 31, 32, 33, 34, 35, 36, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61,
                    62, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 80, 81, 82, 83, 84, 85},
                   {250, 2500}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlin
