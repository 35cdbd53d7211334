#pragma once
// What every graph draws around its data: the background, the titles, the
// plot panel, the axis labels, the legends, and the axes with their ticks.

#include <string>

#include "graphs/canvas.h"
#include "graphs/graph_data.h"
#include "graphs/graph_scales.h"
#include "graphs/graph_type.h"

namespace quarlin {

inline constexpr int kImageWidth = 623;
inline constexpr int kImageHeight = 441;

struct GraphView {
  bool inColour = true;
  // The confidence belt is wanted (the belt button's state).
  bool beltShown = true;
};

// The line at the image's foot. The address is a placeholder until the
// project has one.
inline constexpr const char* kCreditLine =
    "Quarlin, cumulative frequency analysis - https://quarlin.example.org";

struct FrameTexts {
  std::string distributionName;
  // One line naming the program and where to find it, at the image's foot.
  std::string credit;
};

// Background, titles, panel, axis labels and legends, in drawing order.
void PaintFrame(Canvas& canvas, const GraphData& data, GraphType type, const GraphScales& scales,
                const GraphView& view, const FrameTexts& texts);

// The axes with ticks and tick labels; drawn last, over the data.
void PaintAxes(Canvas& canvas, const GraphScales& scales, const GraphView& view);

}  // namespace quarlin
