// The analysis steps of a run one after the other, on samples that follow a
// known law: the printed table read back must give calculated X values close
// to the data.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "engine/analysis/evaluation.h"
#include "engine/analysis/interval_evaluation.h"
#include "engine/analysis/observation_table.h"
#include "engine/analysis/report_analysis.h"
#include "engine/analysis/x_confidence.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

struct SilentSink : ProgressSink {
  void Line(const std::string&) override {}
};

// The observation table as the report lays it out, from its landmark on.
std::vector<std::string> PrintedTable(const ReportNumbers& r) {
  std::vector<std::string> lines{" Observed and calculated cumulative frequencies", " ---", " X",
                                 " Ranked", " ---"};
  for (const ObservationRow& row : r.observations) {
    const std::string gap = row.serial < 10 ? "  " : row.serial < 100 ? " " : "";
    lines.push_back(Fix(row.X, 8, r.dX) + "      " + Int(row.serial) + gap + Fix(row.Fo, 10, 2) +
                    Fix(row.Fk, 10, 2) + Fix(row.SdFc, 10, 2) + Fix(row.Lower, 10, 2) +
                    Fix(row.Upper, 10, 3));
  }
  return lines;
}

// Gumbel quantiles at the plotting positions, in data units, moved by `offset`.
std::vector<long double> GumbelData(int N, long double offset) {
  std::vector<long double> data;
  for (int i = 1; i <= N; ++i) {
    const long double F = static_cast<long double>(i) / (N + 1);
    data.push_back(offset + 20 + 4 * -std::log(-std::log(F)));
  }
  return data;
}

Sample Shifted(std::vector<long double> data) {
  Sample s = RankValues(data);
  const long double low = s.X[1];
  if (low < 0) {
    s.C = static_cast<double>(low);
    for (int i = 1; i <= s.N; ++i) s.X[i] = s.X[i] - s.C + 0.0001L;
  }
  return s;
}

class AnalysisChainTest : public ::testing::TestWithParam<long double> {};

TEST_P(AnalysisChainTest, GumbelSampleComesBackThroughItsInverse) {
  Sample s = Shifted(GumbelData(40, GetParam()));
  SilentSink sink;
  const FitAllOutcome fit = FitAll(s, FitAllRequest{.PrefCode = "4"}, sink, nullptr);
  ASSERT_EQ(fit.ChosenCode, 4);
  const FittedParams& params = fit.chosen.params;

  const PointEvaluation points = EvaluateAtData(4, params, s);
  const ClassTable classes = EvaluateIntervals(4, params, s, 5);
  s.X = classes.values;
  const ReportNumbers report = ComputeReportNumbers(s, points.Fcalc, classes);
  EXPECT_LT(report.AvAbsDiff, 1.0);
  EXPECT_GT(report.R2, 0.99);
  EXPECT_NEAR(report.observations.front().X, GumbelData(40, GetParam()).front(), 1e-3);

  const auto rows = ParseObservationTable(PrintedTable(report), s.N);
  ASSERT_TRUE(rows.has_value());
  const XConfidence x = ComputeXConfidence(*rows, 4, params, {s.C, s.HighShift});
  ASSERT_EQ(x.rows.size(), 40u);
  for (const XLimitRow& row : x.rows) {
    EXPECT_NEAR(row.CalcX, row.X, 0.1 + 0.02 * std::fabs(row.X)) << row.serial;
    EXPECT_LE(row.LowerX, row.CalcX + 1e-9) << row.serial;
  }
  EXPECT_GT(x.RX, 0.99);
}

// Positive data and the same data moved below 0.
INSTANTIATE_TEST_SUITE_P(Report, AnalysisChainTest, ::testing::Values(0.0L, -40.0L));

}  // namespace
}  // namespace quarlin
