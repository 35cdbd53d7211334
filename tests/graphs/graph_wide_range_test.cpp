// Axes of data far beyond the sizes an int holds: values from the readers
// may be any finite double, and the axis limits, tick values and pixels
// must still come out as numbers on the plot.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "graphs/graph_painter.h"
#include "graphs/graph_scales.h"

namespace quarlin {
namespace {

struct RangeCase {
  const char* name;
  long double low, high;
};

const GraphType kTypes[] = {GraphType::kCumulative,        GraphType::kIntervalCalculated,
                            GraphType::kConfidenceBeltOfX, GraphType::kReturnPeriods,
                            GraphType::kPredictedObserved, GraphType::kIntervalObserved};

constexpr int kRows = 60;

// Rows spread evenly from `low` to `high`, in the columns each graph type
// reads: X values where the table holds X values, frequencies (or return
// periods growing with X for the return-period graph) elsewhere.
GraphColumns ColumnsOver(const RangeCase& c, GraphType type) {
  GraphColumns columns;
  for (int i = 0; i < kRows; ++i) {
    const long double share = static_cast<long double>(i) / (kRows - 1);
    const long double x = c.low + share * (c.high - c.low);
    const long double percent = 100.0L * (i + 1) / (kRows + 1);
    columns.x.push_back(x);
    switch (type) {
      case GraphType::kConfidenceBeltOfX:
        columns.observed.push_back(i + 1);
        columns.calculated.push_back(x);
        columns.lower.push_back(x);
        columns.upper.push_back(x);
        break;
      case GraphType::kReturnPeriods:
        columns.observed.push_back(1 / (1 - percent / 100));
        columns.calculated.push_back(x);
        columns.lower.push_back(x);
        columns.upper.push_back(x);
        break;
      default:
        columns.observed.push_back(percent);
        columns.calculated.push_back(percent);
        columns.lower.push_back(percent / 2);
        columns.upper.push_back(percent);
    }
  }
  return columns;
}

long double Parsed(const std::string& label) {
  const size_t start = label.find_first_not_of(' ');
  EXPECT_NE(start, std::string::npos) << "blank label";
  if (start == std::string::npos) return NAN;
  long double value = NAN;
  const char* end = label.data() + label.size();
  const auto [stop, error] = std::from_chars(label.data() + start, end, value);
  EXPECT_TRUE(error == std::errc() && stop == end) << '"' << label << '"';
  return value;
}

long double TickValue(const AxisScale& axis, int index) {
  return axis.min + index * (axis.max - axis.min) / axis.intervals;
}

// The label shows the tick value rounded to the axis's decimals, as
// closely as the size of the axis's limits lets the 18 significant digits
// of the fixed form show it.
void ExpectLabelOf(const Tick& tick, long double value, const AxisScale& axis) {
  const long double parsed = Parsed(tick.label);
  const long double size = std::max(std::fabs(axis.min), std::fabs(axis.max));
  const long double tolerance = 0.5L * std::pow(10.0L, -axis.decimals) + 1e-17L * size;
  EXPECT_LE(std::fabs(parsed - value), tolerance) << tick.label;
}

void ExpectAxisSound(const AxisScale& axis, const std::vector<Tick>& ticks, bool vertical) {
  ASSERT_TRUE(std::isfinite(axis.min) && std::isfinite(axis.max));
  ASSERT_LT(axis.min, axis.max);
  ASSERT_GE(axis.intervals, 4);
  ASSERT_LE(axis.intervals, vertical ? 12 : 10);
  ASSERT_FALSE(ticks.empty());
  const int first = vertical ? kPlotTop : kPlotLeft;
  const int last = vertical ? kPlotBottom : kPlotLeft + kPlotWidth;
  for (size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_GE(ticks[i].pixel, first);
    EXPECT_LE(ticks[i].pixel, last);
    if (i > 0) {
      EXPECT_GT(ticks[i].pixel, ticks[i - 1].pixel);
    }
  }
  // X ticks run from the lower limit up, Y ticks from the upper limit down,
  // the lowest eleven of them.
  const int skipped = vertical ? axis.intervals + 1 - static_cast<int>(ticks.size()) : 0;
  long double previous = 0;
  for (size_t i = 0; i < ticks.size(); ++i) {
    const int index = static_cast<int>(i) + skipped;
    const long double value = TickValue(axis, vertical ? axis.intervals - index : index);
    ExpectLabelOf(ticks[i], value, axis);
    const long double shown = Parsed(ticks[i].label);
    if (i > 0 && vertical) {
      EXPECT_LT(shown, previous) << ticks[i].label;
    } else if (i > 0) {
      EXPECT_GT(shown, previous) << ticks[i].label;
    }
    previous = shown;
  }
}

class WideRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(WideRangeTest, AxesHoldTheDataOfEveryGraph) {
  for (GraphType type : kTypes) {
    SCOPED_TRACE(static_cast<int>(type));
    const GraphColumns columns = ColumnsOver(GetParam(), type);
    const GraphScales scales = ScalesFor(columns, type);
    ExpectAxisSound(scales.x, XTicks(scales.x), false);
    ExpectAxisSound(scales.y, YTicks(scales.y), true);
    // Every row lies on the axes that were made for it.
    for (size_t i = 0; i < columns.Rows(); ++i) {
      const long double x =
          type == GraphType::kPredictedObserved ? columns.observed[i] : columns.x[i];
      EXPECT_GE(XPixel(x, scales.x), kPlotLeft) << static_cast<double>(x);
      EXPECT_LE(XPixel(x, scales.x), kPlotLeft + kPlotWidth) << static_cast<double>(x);
      if (type == GraphType::kConfidenceBeltOfX || type == GraphType::kReturnPeriods) {
        EXPECT_GE(YPixel(columns.calculated[i], scales.y), kPlotTop);
        EXPECT_LE(YPixel(columns.calculated[i], scales.y), kPlotBottom);
      }
    }
    GraphData data;
    data.columns = columns;
    data.nrOfData = kRows;
    EXPECT_TRUE(CanDraw(data, type));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, WideRangeTest,
    testing::Values(RangeCase{"billions", 1e9L, 3.5e9L}, RangeCase{"hundredMillions", 1e6L, 5e8L},
                    RangeCase{"negativeToSmall", -3e9L, 15}, RangeCase{"plusMinus", -3e9L, 3e9L},
                    RangeCase{"negativeBillions", -3.5e9L, -1e9L},
                    RangeCase{"huge", 1.1e150L, 1.2e150L}, RangeCase{"largest", 1e299L, 1e300L},
                    RangeCase{"mixedHuge", -1e300L, 1e300L},
                    RangeCase{"negativeHuge", -1e300L, -1e299L},
                    RangeCase{"hugeAboveSmall", 1, 1e300L}),
    [](const testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

// A value far off an ordinary axis still lands on its own side of it.
TEST(WideRangeTest, PixelsOfValuesFarOffTheAxis) {
  const AxisScale axis{0, 100, 4, 0, 1};
  for (long double value : {3e9L, 1e300L, 1e4000L}) {
    EXPECT_GT(XPixel(value, axis), kPlotLeft + kPlotWidth);
    EXPECT_LT(XPixel(-value, axis), kPlotLeft);
    EXPECT_LT(YPixel(value, axis), kPlotTop);
    EXPECT_GT(YPixel(-value, axis), kPlotBottom);
  }
}

// Values so close together beside their size that no tick between them
// could be told from the next: no axis, and no graph.
TEST(WideRangeTest, NoGraphWhereTheTicksWouldCoincide) {
  for (long double value : {1e300L, -1e300L, 1e25L}) {
    GraphData data;
    data.nrOfData = kRows;
    data.columns = ColumnsOver({"close", value, value * (1 + 1e-18L)}, GraphType::kCumulative);
    EXPECT_FALSE(CanDraw(data, GraphType::kCumulative)) << static_cast<double>(value);
  }
}

}  // namespace
}  // namespace quarlin
