#include "graphs/graph_scales.h"

#include <gtest/gtest.h>

namespace quarlin {
namespace {

TEST(GraphScalesTest, RoundsHalvesToEven) {
  for (const auto& [value, rounded] : std::vector<std::pair<long double, long double>>{
           {4.5L, 4}, {5.5L, 6}, {-0.5L, 0}, {-1.5L, -2}, {2.4999L, 2}, {2.5001L, 3}, {-2.6L, -3}})
    EXPECT_EQ(RoundHalfEven(value), rounded) << static_cast<double>(value);
}

struct FactorCase {
  long double min, max;
  int factor;
};

class XFactorTest : public testing::TestWithParam<FactorCase> {};

TEST_P(XFactorTest, BringsSmallValuesToReadableLabels) {
  EXPECT_EQ(XFactorFor({GetParam().min, GetParam().max}), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, XFactorTest,
    testing::Values(FactorCase{0, 0.0548, 100}, FactorCase{0, 0.005, 1000}, FactorCase{0, 0.5, 10},
                    FactorCase{0, 1.05, 10}, FactorCase{0, 1.1, 1}, FactorCase{0, 5, 1},
                    // One factor only: 0.0009 * 1000 would qualify for 10 as well.
                    FactorCase{0.0001, 0.0009, 1000}, FactorCase{0.00001, 0.00005, 1000},
                    // The bounds themselves belong to no band.
                    FactorCase{0, 0.01L, 1}, FactorCase{0, 0.1L, 1}, FactorCase{-0.0005, 0.05, 100},
                    // Negative values larger in size: judged on the largest.
                    FactorCase{-0.05, -0.03, 100}, FactorCase{-0.5, 0.2, 10}, FactorCase{-5, -3, 1},
                    FactorCase{-0.001L, -0.0005, 1}, FactorCase{-2, 3, 1}));

TEST(GraphScalesTest, YFactorOfPositiveAndNegativeRanges) {
  EXPECT_EQ(YFactorFor({0.001, 0.005}), 1000);
  EXPECT_EQ(YFactorFor({0.001, 0.05}), 100);
  EXPECT_EQ(YFactorFor({0.001, 0.5}), 10);
  EXPECT_EQ(YFactorFor({0.001, 5}), 1);
  EXPECT_EQ(YFactorFor({0, 0.005}), 1);
  EXPECT_EQ(YFactorFor({-0.05, -0.01}), 100);
  EXPECT_EQ(YFactorFor({-0.5, 0.2}), 1);
}

struct BandCase {
  double min, max;
  int axisMin, axisMax, intervals, decimals;
};

class AxisBandTest : public testing::TestWithParam<BandCase> {};

TEST_P(AxisBandTest, LimitsIntervalsAndDecimals) {
  const BandCase& c = GetParam();
  const AxisScale axis = AxisByBand({c.min, c.max});
  EXPECT_EQ(axis.min, c.axisMin);
  EXPECT_EQ(axis.max, c.axisMax);
  EXPECT_EQ(axis.intervals, c.intervals);
  EXPECT_EQ(axis.decimals, c.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AxisBandTest,
    testing::Values(BandCase{0, 100, 0, 100, 4, 0},  // round(4.5) = 4
                    BandCase{0, 70, 0, 80, 8, 1}, BandCase{0, 69.9, 0, 70, 14, 1},
                    BandCase{12, 45, 8, 48, 10, 2}, BandCase{21, 29, 18, 30, 4, 2},
                    BandCase{11, 19, 10, 20, 5, 2}, BandCase{0.3, 7.2, 0, 8, 8, 2},
                    BandCase{-3.2, -1.1, -4, -1, 3, 2}, BandCase{120, 240, 100, 250, 6, 0},
                    BandCase{260, 480, 250, 500, 5, 0}, BandCase{520, 980, 500, 1000, 5, 0},
                    BandCase{1200, 2400, 1100, 2500, 6, 0}, BandCase{3000, 4000, 2750, 4250, 3, 0},
                    BandCase{6000, 9000, 5500, 9500, 4, 0},
                    BandCase{12000, 24000, 11000, 25000, 6, 0},
                    BandCase{30000, 45000, 27500, 47500, 4, 0},
                    BandCase{1000, 52000, -4000, 57000, 6, 0},
                    // Equal values whose limits round together still span a step.
                    BandCase{2, 2, 2, 3, 1, 2}, BandCase{600, 600, 600, 700, 1, 0}));

GraphColumns Columns(std::vector<long double> x, std::vector<long double> observed,
                     std::vector<long double> calculated, std::vector<long double> upper,
                     std::vector<long double> lower = {}) {
  return {std::move(x), std::move(observed), std::move(calculated), std::move(upper),
          std::move(lower)};
}

TEST(GraphScalesTest, PredictedObservedRunsFromZeroToHundred) {
  const GraphScales scales = ScalesFor(Columns({3, 4}, {10, 90}, {12, 88}, {20, 95}, {1, 2}),
                                       GraphType::kPredictedObserved);
  for (const AxisScale& axis : {scales.x, scales.y}) {
    EXPECT_EQ(axis.min, 0);
    EXPECT_EQ(axis.max, 100);
    EXPECT_EQ(axis.intervals, 4);
    EXPECT_EQ(axis.factor, 1);
  }
}

TEST(GraphScalesTest, CumulativeGraphOfSmallData) {
  const GraphScales scales =
      ScalesFor(Columns({0.002, 0.01, 0.05}, {25, 50, 75}, {}, {}), GraphType::kCumulative);
  EXPECT_EQ(scales.x.factor, 100);
  EXPECT_EQ(XAxisLabel(GraphType::kCumulative, scales.x.factor), "      X-data * 100");
  EXPECT_EQ(scales.x.min, 0);
  EXPECT_EQ(scales.x.max, 6);
  EXPECT_EQ(scales.y.min, 0);
  EXPECT_EQ(scales.y.max, 120);
  EXPECT_EQ(scales.y.intervals, 12);
  const auto ticks = YTicks(scales.y);
  ASSERT_EQ(ticks.size(), 11u);
  EXPECT_EQ(ticks.front().label, "100");
  EXPECT_EQ(ticks.front().pixel, 100);
  EXPECT_EQ(ticks.back().label, " 0");
  EXPECT_EQ(ticks.back().pixel, 350);
}

TEST(GraphScalesTest, CumulativeXLimitKeepsNonNegativeDataAboveZero) {
  EXPECT_EQ(XRangeOf(Columns({1, 11}, {}, {}, {}), GraphType::kCumulative).min, 0);
  const ValueRange negative = XRangeOf(Columns({-1, 9}, {}, {}, {}), GraphType::kCumulative);
  EXPECT_DOUBLE_EQ(negative.max, 10);
  EXPECT_DOUBLE_EQ(negative.min, -2.1);
}

TEST(GraphScalesTest, IntervalGraphHeightAndTicks) {
  const GraphColumns columns =
      Columns({0, 10, 20, 30}, {10, 20, 30, 40}, {5, 35.2, 20, 1}, {6, 30, 22, 2});
  for (GraphType type : {GraphType::kIntervalCalculated, GraphType::kIntervalObserved}) {
    const GraphScales scales = ScalesFor(columns, type);
    EXPECT_EQ(scales.y.max, 50);  // 10 * round((1.1 * 35.2 + 15) / 10)
    EXPECT_EQ(scales.y.intervals, 5);
    EXPECT_EQ(scales.y.decimals, 1);
    EXPECT_EQ(YTicks(scales.y).front().label, "50.0");
  }
  EXPECT_DOUBLE_EQ(YRangeOf(Columns({0}, {0}, {95}, {99}), GraphType::kIntervalCalculated).max,
                   100);
  const GraphScales damaged =
      ScalesFor(Columns({0, 1}, {1, 2}, {-30, -25}, {-29, -20}), GraphType::kIntervalObserved);
  EXPECT_GT(damaged.y.max, damaged.y.min);
}

TEST(GraphScalesTest, IntervalsAreCappedAtTenAndRaisedToFour) {
  const GraphScales wide =
      ScalesFor(Columns({-20, 9}, {1, 2}, {1, 2}, {1, 40}, {0.5, 1}), GraphType::kReturnPeriods);
  EXPECT_EQ(wide.x.intervals, 10);
  EXPECT_EQ(wide.y.min, 0);
  EXPECT_EQ(wide.y.max, 40);  // 4 * round(10.5)
  EXPECT_EQ(wide.y.intervals, 10);
  const auto xTicks = XTicks(wide.x);
  ASSERT_EQ(xTicks.size(), 11u);
  EXPECT_EQ(xTicks[1].label, "-17.00");
  EXPECT_EQ(xTicks[1].pixel, 120);
}

TEST(GraphScalesTest, BeltOfXTakesItsYFactorFromTheLimits) {
  const GraphScales scales =
      ScalesFor(Columns({0.01, 0.02}, {1, 2}, {0.011, 0.019}, {0.02, 0.03}, {0.005, 0.012}),
                GraphType::kConfidenceBeltOfX);
  EXPECT_EQ(scales.y.factor, 100);
  EXPECT_EQ(YAxisLabel(GraphType::kConfidenceBeltOfX, scales.y.factor), "X-data * 100");
  EXPECT_EQ(scales.x.factor, 100);
}

TEST(GraphScalesTest, ValuesMapToPixels) {
  const AxisScale x{0, 8, 8, 2, 1};
  EXPECT_EQ(XPixel(0, x), 70);
  EXPECT_EQ(XPixel(1, x), 132);  // 62.5 rounds to 62
  EXPECT_EQ(XPixel(3, x), 258);  // 187.5 rounds to 188
  EXPECT_EQ(XPixel(8, x), 570);
  const AxisScale scaled{0, 6, 6, 2, 100};
  EXPECT_EQ(XPixel(0.03, scaled), 320);
  const AxisScale y{0, 120, 12, 0, 1};
  EXPECT_EQ(YPixel(60, y), 200);
  EXPECT_EQ(YPixel(120, y), 50);
}

TEST(GraphScalesTest, AxisLabels) {
  EXPECT_EQ(XAxisLabel(GraphType::kCumulative, 1), "         X-Data");
  EXPECT_EQ(XAxisLabel(GraphType::kReturnPeriods, 10), "       X-data * 10");
  EXPECT_EQ(XAxisLabel(GraphType::kIntervalObserved, 1000), "     X-data * 1000");
  EXPECT_EQ(XAxisLabel(GraphType::kPredictedObserved, 1), "Cumulative frequency observed (%)");
  EXPECT_EQ(YAxisLabel(GraphType::kCumulative, 1), "Cumulative frequency (%)");
  EXPECT_EQ(YAxisLabel(GraphType::kIntervalCalculated, 1), "Interval frequency (%)");
  EXPECT_EQ(YAxisLabel(GraphType::kConfidenceBeltOfX, 1), "X-data");
  EXPECT_EQ(YAxisLabel(GraphType::kConfidenceBeltOfX, 1000), "X-data * 1000");
  EXPECT_EQ(YAxisLabel(GraphType::kReturnPeriods, 10), "Return period");
  EXPECT_EQ(YAxisLabel(GraphType::kPredictedObserved, 1), "Cumulative frequency calculated (%)");
}

}  // namespace
}  // namespace quarlin
