#include "graphs/graph_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "calculator/calculation.h"
#include "graphs/graph_data_reader.h"

namespace quarlin {
namespace {

constexpr const char* kReports[] = {"sleep",  "Nile",      "rivers",
                                    "precip", "portpirie", "lossalae_Loss"};

GraphData Read(const std::string& base, GraphType type) {
  const auto path = std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / (base + ".out");
  GraphDataReading reading = ReadGraphData(path, type);
  EXPECT_TRUE(reading.data) << reading.error;
  return reading.data.value_or(GraphData{});
}

// The sparse curve, evaluated over the axis, passes through the report's own
// calculated frequencies: each row lies between the curve points around it.
// A curve off by the shift or the X factor misses them by far.
TEST(GraphCurvesTest, SparseCurveFollowsTheReportsCalculatedColumn) {
  for (const char* base : kReports) {
    const GraphData data = Read(base, GraphType::kCumulative);
    const GraphScales scales = ScalesFor(data.columns, GraphType::kCumulative);
    const GraphColumns curve = SparseCumulativeCurve(data.parameters, data.nrOfData, scales);
    ASSERT_GE(curve.Rows(), 2u) << base;
    int checked = 0;
    for (size_t r = 0; r < data.columns.Rows(); ++r) {
      const long double x = data.columns.x[r];
      for (size_t i = 1; i < curve.Rows(); ++i) {
        if (curve.x[i - 1] <= x && x <= curve.x[i]) {
          EXPECT_GE(data.columns.calculated[r], curve.calculated[i - 1] - 1.0L) << base << " " << x;
          EXPECT_LE(data.columns.calculated[r], curve.calculated[i] + 1.0L) << base << " " << x;
          ++checked;
        }
      }
    }
    EXPECT_GT(checked, 0) << base;
  }
}

// The limits are the calculator's 90% limits of F among the report's data.
TEST(GraphCurvesTest, SparseCurveLimitsAreTheCalculatorsLimits) {
  for (const char* base : kReports) {
    const GraphData data = Read(base, GraphType::kCumulative);
    const GraphScales scales = ScalesFor(data.columns, GraphType::kCumulative);
    const ValueRange axis = DataRangeOf(scales.x);
    const GraphColumns curve = SparseCumulativeCurve(data.parameters, data.nrOfData, scales);
    for (size_t i = 0; i < curve.Rows(); ++i) {
      EXPECT_GE(curve.x[i], axis.min);
      EXPECT_LE(curve.x[i], axis.max);
      const double F = static_cast<double>(curve.calculated[i] / 100);
      const FrequencyLimits limits = LimitsOf(F, data.nrOfData);
      EXPECT_NEAR(static_cast<double>(curve.lower[i]), 100 * limits.lower, 1e-9) << base;
      EXPECT_NEAR(static_cast<double>(curve.upper[i]), 100 * limits.upper, 1e-9) << base;
    }
  }
}

struct AxisCase {
  AxisScale axis;
  long double min, max;
};

TEST(GraphCurvesTest, AxisRangeInDataUnits) {
  const AxisCase cases[] = {{{0, 120, 12, 0, 1}, 0, 120},
                            {{2, 6, 4, 1, 100}, 0.02L, 0.06L},
                            {{-50, 250, 10, 0, 10}, -5, 25}};
  for (const AxisCase& c : cases) {
    const ValueRange range = DataRangeOf(c.axis);
    EXPECT_DOUBLE_EQ(static_cast<double>(range.min), static_cast<double>(c.min));
    EXPECT_DOUBLE_EQ(static_cast<double>(range.max), static_cast<double>(c.max));
  }
}

// The density, times the grid step over the class width, adds up to the
// share of the distribution over the grid: never above 100 %, and for a
// fit that covers the axis well above nothing. It stays on the axis, is
// never negative and never above 0.8·Ymax.
TEST(GraphCurvesTest, DensityCurveOfBothIntervalGraphs) {
  for (const char* base : kReports) {
    for (GraphType type : {GraphType::kIntervalCalculated, GraphType::kIntervalObserved}) {
      const GraphData data = Read(base, type);
      const GraphScales scales = ScalesFor(data.columns, type);
      const ValueRange axis = DataRangeOf(scales.x);
      const std::vector<CurvePoint> curve = DensityCurve(data.parameters, data.columns, scales);
      ASSERT_GE(curve.size(), 2u) << base;
      const long double width = data.columns.x[2] - data.columns.x[1];
      const long double step = curve[1].x - curve[0].x;
      long double area = 0;
      for (const CurvePoint& p : curve) {
        EXPECT_GE(p.x, axis.min) << base;
        EXPECT_LE(p.x, axis.max) << base;
        EXPECT_GE(p.y, 0) << base;
        EXPECT_LE(p.y, 0.8L * scales.y.max) << base;
        area += p.y * step / width;
      }
      EXPECT_LE(area, 100.5L) << base;
      EXPECT_GT(area, 5.0L) << base;
    }
  }
}

// The density is scaled to the bars: its peak comes near the largest
// calculated class frequency (the grid is coarser than the classes, so only
// near), not at half of it as the narrower first class would make it.
TEST(GraphCurvesTest, DensityPeakMeetsTheCalculatedBars) {
  for (const char* base : {"portpirie", "Nile", "precip"}) {
    const GraphData data = Read(base, GraphType::kIntervalCalculated);
    const GraphScales scales = ScalesFor(data.columns, GraphType::kIntervalCalculated);
    long double peak = 0, highest = 0;
    for (const CurvePoint& p : DensityCurve(data.parameters, data.columns, scales))
      peak = std::max(peak, p.y);
    for (long double bar : data.columns.upper) highest = std::max(highest, bar);
    EXPECT_GT(peak, 0.6L * highest) << base;
    EXPECT_LT(peak, 1.4L * highest) << base;
  }
}

TEST(GraphCurvesTest, CurvesByGraphType) {
  GraphData cumulative = Read("sleep", GraphType::kCumulative);
  cumulative.sparseData = false;
  EXPECT_FALSE(EvaluateCurvesFor(cumulative, GraphType::kCumulative).sparseCurve);
  cumulative.sparseData = true;
  EXPECT_TRUE(EvaluateCurvesFor(cumulative, GraphType::kCumulative).sparseCurve);
  EXPECT_FALSE(EvaluateCurvesFor(Read("sleep", GraphType::kIntervalCalculated),
                                 GraphType::kIntervalCalculated)
                   .density.empty());
  const EvaluatedCurves none =
      EvaluateCurvesFor(Read("sleep", GraphType::kReturnPeriods), GraphType::kReturnPeriods);
  EXPECT_FALSE(none.sparseCurve);
  EXPECT_TRUE(none.density.empty());
}

// A code without a function of its own has no curve: the sparse graph keeps
// the table's rows and the interval graphs their bars.
TEST(GraphCurvesTest, CodesWithoutAFunctionGiveNoCurves) {
  for (int code : {0, 1, 2}) {
    GraphData cumulative = Read("sleep", GraphType::kCumulative);
    cumulative.sparseData = true;
    cumulative.parameters.code = code;
    EXPECT_FALSE(EvaluateCurvesFor(cumulative, GraphType::kCumulative).sparseCurve) << code;
    GraphData interval = Read("sleep", GraphType::kIntervalObserved);
    interval.parameters.code = code;
    EXPECT_TRUE(EvaluateCurvesFor(interval, GraphType::kIntervalObserved).density.empty()) << code;
  }
}

TEST(GraphCurvesTest, TooFewClassesGiveNoDensity) {
  GraphData data = Read("sleep", GraphType::kIntervalCalculated);
  data.columns = GraphColumns{{1}, {2}, {10}, {12}, {}};
  EXPECT_TRUE(
      DensityCurve(data.parameters, data.columns, GraphScales{{0, 10, 10, 2, 1}, {0, 20, 4, 1, 1}})
          .empty());
}

}  // namespace
}  // namespace quarlin
