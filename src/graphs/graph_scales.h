#pragma once
// The axes of a graph: the factor that brings small values to readable
// labels, the axis limits and tick intervals by the size of the largest
// value, the tick labels and the mapping of values to pixels.

#include <string>
#include <vector>

#include "graphs/graph_data.h"
#include "graphs/graph_type.h"

namespace quarlin {

// The plot area inside the 623 by 441 image.
inline constexpr int kPlotLeft = 70;
inline constexpr int kPlotBottom = 350;
inline constexpr int kPlotTop = 50;
inline constexpr int kPlotWidth = 500;
inline constexpr int kPlotHeight = 300;

// Rounds to the nearest integer, halves to the even neighbour (4.5 to 4).
long double RoundHalfEven(long double value);

struct ValueRange {
  long double min = 0;
  long double max = 0;
};

// One axis: its limits in data units times `factor`, the number of tick
// intervals and the decimals of the tick labels. The limits are whole
// numbers, but data may reach any size a double holds, so they are kept in
// the data's own type rather than in an int.
struct AxisScale {
  long double min = 0;
  long double max = 0;
  int intervals = 4;
  int decimals = 0;
  int factor = 1;
};

struct GraphScales {
  AxisScale x;
  AxisScale y;
};

// The X factor (1, 10, 100 or 1000) for values in `range`.
int XFactorFor(ValueRange range);
// The Y factor of the return-period, belt and predicted-observed graphs.
int YFactorFor(ValueRange range);

// Limits, intervals and decimals of an axis for values already multiplied
// by its factor, by the band the largest value falls in.
AxisScale AxisByBand(ValueRange range);

// The ranges of the graph's values before any factor.
ValueRange XRangeOf(const GraphColumns& columns, GraphType type);
ValueRange YRangeOf(const GraphColumns& columns, GraphType type);

GraphScales ScalesFor(const GraphColumns& columns, GraphType type);

// Whether the axis can be drawn: finite limits apart, and ticks whose values
// the labels' 18 significant digits still tell apart.
bool HasDistinctTicks(const AxisScale& axis);

// Pixel of a data value (not yet multiplied by the factor).
int XPixel(long double value, const AxisScale& x);
int YPixel(long double value, const AxisScale& y);

struct Tick {
  int pixel = 0;
  std::string label;
};

// Y ticks from the top down, at most the lowest eleven; X ticks from the left.
std::vector<Tick> YTicks(const AxisScale& y);
std::vector<Tick> XTicks(const AxisScale& x);

std::string XAxisLabel(GraphType type, int xFactor);
std::string YAxisLabel(GraphType type, int yFactor);

}  // namespace quarlin
