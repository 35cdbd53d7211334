// The searches that give up losing trials early against the plain searches,
// on the same sample in the same run, one candidate at a time.

#include <benchmark/benchmark.h>

#include "bench/bench_samples.h"
#include "engine/catalogue/composite_members.h"
#include "engine/fits/generalized_composite.h"
#include "engine/fits/normal_family.h"
#include "engine/fits/regression_members.h"
#include "engine/fits/simple_composite.h"

namespace quarlin {
namespace {

void BM_SearchMode(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  const Sample sample = GumbelSample(static_cast<int>(state.range(1)));
  const SearchMode mode = state.range(2) ? SearchMode::Reference : SearchMode::Fast;
  for (auto _ : state) {
    if (const auto member = RegressionMemberOf(code)) {
      benchmark::DoNotOptimize(FitRegressionMember(sample, *member, mode));
    } else if (IsNormalFamily(code)) {
      benchmark::DoNotOptimize(FitNormalFamily(code, sample, mode));
    } else if (CompositeShapeOf(code)->generalized) {
      benchmark::DoNotOptimize(FitGeneralizedComposite(sample, code, mode));
    } else {
      benchmark::DoNotOptimize(FitSimpleComposite(sample, code, mode));
    }
  }
}

BENCHMARK(BM_SearchMode)
    ->ArgNames({"code", "N", "reference"})
    ->ArgsProduct({{3, 7, 10, 21, 23, 24, 25, 26, 51, 52, 55, 65, 66, 70, 80}, {250}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarlin
