#include "graphs/graph_scales.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "common/number_text.h"

namespace quarlin {
namespace {

constexpr int kMaxIntervals = 10;
constexpr int kMinIntervals = 4;

struct Band {
  long double from;  // the band holds its lower bound
  int step;
  // Limits round(min) - margin and round(max) + margin; without a margin
  // they are the multiples of the step half a step beyond the values.
  int margin;
  int decimals;
};

constexpr Band kBands[] = {
    {50000, 10000, 5000, 0}, {25000, 5000, 2500, 0}, {10000, 2500, 1000, 0}, {5000, 1000, 500, 0},
    {2500, 500, 250, 0},     {1000, 250, 100, 0},    {500, 100, 0, 0},       {250, 50, 0, 0},
    {100, 25, 0, 0},         {70, 10, 0, 1},         {50, 5, 0, 1},          {30, 4, 0, 2},
    {20, 3, 0, 2},           {10, 2, 0, 2},          {-INFINITY, 1, 0, 2},
};

// Values of a damaged report may be far beyond the image, or not numbers
// after a division by an axis of no height; neither may overflow an int.
int RoundToInt(long double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp<long double>(RoundHalfEven(value), -2e9L, 2e9L));
}

ValueRange RangeOver(std::initializer_list<const std::vector<long double>*> columns) {
  bool any = false;
  ValueRange range;
  for (const auto* column : columns) {
    for (long double v : *column) {
      range.min = any ? std::min(range.min, v) : v;
      range.max = any ? std::max(range.max, v) : v;
      any = true;
    }
  }
  return range;
}

AxisScale Limited(AxisScale axis, int most) {
  axis.intervals = std::clamp(axis.intervals, kMinIntervals, std::max(most, kMinIntervals));
  return axis;
}

std::string FactorSuffix(int factor) {
  return factor == 1 ? "" : " * " + std::to_string(factor);
}

}  // namespace

long double RoundHalfEven(long double value) {
  const long double down = std::floor(value);
  const long double rest = value - down;
  if (rest > 0.5L) return down + 1;
  if (rest < 0.5L) return down;
  return std::fmod(down, 2.0L) == 0 ? down : down + 1;
}

// Judged on the size of the largest value; when negative values outweigh
// the positive ones, on the size of the largest all the same. Only the first
// factor that fits applies: a second one, judged on the values already
// multiplied, would leave the values and the factor's label apart.
int XFactorFor(ValueRange range) {
  const bool usual = range.min > -0.001L;
  const bool mirrored = range.min < -0.001L && -range.min > range.max;
  if (!usual && !mirrored) return 1;
  const long double size = std::fabs(range.max);
  if (size < 0.01L) return 1000;
  if (size > 0.01L && size < 0.1L) return 100;
  if (size > 0.1L && size < 1.1L) return 10;
  return 1;
}

int YFactorFor(ValueRange range) {
  long double size;
  if (range.min > 0)
    size = range.max;
  else if (range.max < 0)
    size = -range.min;
  else
    return 1;
  if (size < 0.01L) return 1000;
  if (size < 0.1L) return 100;
  if (size < 1) return 10;
  return 1;
}

AxisScale AxisByBand(ValueRange range) {
  const Band& band = *std::find_if(std::begin(kBands), std::end(kBands),
                                   [&](const Band& b) { return range.max >= b.from; });
  AxisScale axis;
  axis.decimals = band.decimals;
  const long double step = band.step;
  if (band.margin) {
    axis.min = RoundHalfEven(range.min) - band.margin;
    axis.max = RoundHalfEven(range.max) + band.margin;
  } else {
    const long double half = step / 2;
    axis.min = step * RoundHalfEven((range.min - half) / step);
    axis.max = step * RoundHalfEven((range.max + half) / step);
  }
  // Equal values can round to one limit; an axis of no width maps nothing.
  if (axis.max <= axis.min) axis.max = axis.min + step;
  axis.intervals = RoundToInt((axis.max - axis.min) / step);
  return axis;
}

ValueRange XRangeOf(const GraphColumns& columns, GraphType type) {
  if (type == GraphType::kPredictedObserved) return {0, 100};
  ValueRange range = RangeOver({&columns.x});
  if (type == GraphType::kCumulative) {
    const long double smallest = range.min;
    range.max += 0.1L * (range.max - range.min);
    range.min -= 0.1L * (range.max - range.min);
    if (range.min < 0 && smallest >= 0) range.min = 0;
  }
  return range;
}

ValueRange YRangeOf(const GraphColumns& columns, GraphType type) {
  switch (type) {
    case GraphType::kCumulative:
      return RangeOver({&columns.observed});
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved: {
      const ValueRange heights = RangeOver({&columns.calculated, &columns.upper});
      return {0, std::min<long double>(1.1L * heights.max, 100)};
    }
    case GraphType::kConfidenceBeltOfX: {
      ValueRange range{RangeOver({&columns.lower}).min, RangeOver({&columns.upper}).max};
      range.max *= range.max > 0 ? 1.1L : 0.9L;
      return range;
    }
    case GraphType::kReturnPeriods:
      return {RangeOver({&columns.calculated}).min,
              RangeOver({&columns.calculated, &columns.upper}).max};
    case GraphType::kPredictedObserved:
      return {0, 100};
  }
  return {};
}

GraphScales ScalesFor(const GraphColumns& columns, GraphType type) {
  GraphScales scales;
  ValueRange x = XRangeOf(columns, type);
  const int xFactor = XFactorFor(x);
  scales.x = AxisByBand({x.min * xFactor, x.max * xFactor});
  scales.x.factor = xFactor;
  scales.x = Limited(scales.x, kMaxIntervals);

  const ValueRange y = YRangeOf(columns, type);
  switch (type) {
    case GraphType::kCumulative:
      // 120 leaves room for the legends above the 100% line.
      scales.y = {0, 120, 12, 0, 1};
      return scales;
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved: {
      // Frequencies are not negative; a damaged table's would leave no axis.
      const int top = std::max(10, 10 * RoundToInt(std::max(y.max + 15, 0.0L) / 10));
      scales.y = {0, static_cast<long double>(top), top / 10, 1, 1};
      break;
    }
    default: {
      const int yFactor = YFactorFor(y);
      scales.y = AxisByBand({y.min * yFactor, y.max * yFactor});
      scales.y.factor = yFactor;
    }
  }
  scales.y = Limited(scales.y, kMaxIntervals);
  return scales;
}

bool HasDistinctTicks(const AxisScale& axis) {
  if (!std::isfinite(axis.min) || !std::isfinite(axis.max) || !(axis.max > axis.min)) return false;
  if (axis.intervals <= 0) return false;
  // Far beyond the 18 digits two neighbouring labels would read the same.
  constexpr long double kLabelDigits = 1e-16L;
  const long double step = (axis.max - axis.min) / axis.intervals;
  const long double size = std::max(std::fabs(axis.min), std::fabs(axis.max));
  return step > kLabelDigits * size;
}

int XPixel(long double value, const AxisScale& x) {
  return RoundToInt((value * x.factor - x.min) * kPlotWidth / (x.max - x.min)) + kPlotLeft;
}

int YPixel(long double value, const AxisScale& y) {
  return kPlotBottom - RoundToInt((value * y.factor - y.min) * kPlotHeight / (y.max - y.min));
}

std::vector<Tick> YTicks(const AxisScale& y) {
  std::vector<Tick> ticks;
  const long double n = y.intervals;
  for (int a = std::max(0, y.intervals - 10); a <= y.intervals; ++a)
    ticks.push_back({RoundToInt(a / n * kPlotHeight + kPlotTop),
                     Fix(y.max - a / n * (y.max - y.min), y.decimals + 2, y.decimals)});
  return ticks;
}

std::vector<Tick> XTicks(const AxisScale& x) {
  std::vector<Tick> ticks;
  const long double n = x.intervals;
  for (int b = 0; b <= x.intervals; ++b)
    ticks.push_back({RoundToInt(b / n * kPlotWidth + kPlotLeft),
                     Fix(x.min + b * (x.max - x.min) / n, x.decimals + 2, x.decimals)});
  return ticks;
}

std::string XAxisLabel(GraphType type, int xFactor) {
  if (type == GraphType::kPredictedObserved) return "Cumulative frequency observed (%)";
  switch (xFactor) {
    case 10:
      return "       X-data * 10";
    case 100:
      return "      X-data * 100";
    case 1000:
      return "     X-data * 1000";
    default:
      return "         X-Data";
  }
}

std::string YAxisLabel(GraphType type, int yFactor) {
  switch (type) {
    case GraphType::kCumulative:
      return "Cumulative frequency (%)";
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved:
      return "Interval frequency (%)";
    case GraphType::kConfidenceBeltOfX:
      return "X-data" + FactorSuffix(yFactor);
    case GraphType::kReturnPeriods:
      return "Return period";
    case GraphType::kPredictedObserved:
      return "Cumulative frequency calculated (%)";
  }
  return "";
}

}  // namespace quarlin
