// The reference run (every search summed in full, one thread) must show and
// choose exactly what the product's run does: the benchmark compares their
// times only because their results are the same.

#include "reference/reference_fits.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fixtures/generated_samples.h"

namespace quarlin {
namespace {

using testing::SampleKind;

struct RecordingSink : ProgressSink {
  void Line(const std::string& text) override { lines.push_back(text); }
  std::vector<std::string> lines;
};

struct RunSeen {
  std::vector<std::string> progress;
  // Each entry's name and its average, exactly as computed.
  std::vector<std::pair<std::string, double>> listed;
  int ChosenCode = 0;
  long double SAD = 0;
  std::vector<long double> Fcalc;
  double spreadS = 0;

  bool operator==(const RunSeen&) const = default;
};

RunSeen BestOfAll(const Sample& sample, const CandidateFits& fits, int threads) {
  RecordingSink sink;
  RankedList list("/tmp/reference-fits-test.inp");
  FitAllRequest request;
  request.CompositeWanted = true;
  request.threads = threads;
  const FitAllOutcome outcome = FitAll(sample, request, sink, &list, fits);
  RunSeen seen{sink.lines,     {}, outcome.ChosenCode, outcome.chosen.SAD, outcome.chosen.Fcalc,
               outcome.spreadS};
  for (const auto& e : list.Entries()) seen.listed.emplace_back(e.nameLine, e.AvAbsDiff);
  return seen;
}

// One small sample: a whole run costs seconds even at this size, as several
// searches have grids that do not shrink with N. The searches themselves are
// held against their references on many kinds of data in
// search_mode_test.cpp and own_formula_equivalence_test.cpp.
TEST(ReferenceFitsTest, BestOfAllRunIsTheProducts) {
  const Sample sample = testing::GeneratedSample(SampleKind::Positive, 30);
  const RunSeen product = BestOfAll(sample, CandidateFits(), 0);
  const RunSeen reference = BestOfAll(sample, ReferenceFits(), kReferenceThreads);
  ASSERT_NE(product.ChosenCode, 0);
  EXPECT_EQ(reference.ChosenCode, product.ChosenCode);
  EXPECT_EQ(reference.SAD, product.SAD);
  EXPECT_EQ(reference.listed, product.listed);
  EXPECT_EQ(reference.progress, product.progress);
  EXPECT_TRUE(reference == product) << "calculated frequencies or spread differ";
}

}  // namespace
}  // namespace quarlin
