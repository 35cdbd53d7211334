#pragma once
// The legend lines drawn inside the plot panel, by graph type.

#include <string>
#include <vector>

#include "graphs/colour.h"
#include "graphs/graph_type.h"

namespace quarlin {

struct LegendOptions {
  bool inColour = true;
  // The confidence belt is wanted (the belt button's state).
  bool beltShown = true;
  bool hasSeparationPoint = false;
  int nrOfData = 0;
};

struct PlacedText {
  int x = 0;
  int y = 0;
  std::string text;
  Rgb colour;

  friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

// Below this many data the cumulative graph draws the belt, and says so.
inline constexpr int kMostDataForBelt = 250;

std::vector<PlacedText> LegendsFor(GraphType type, const LegendOptions& options);

}  // namespace quarlin
