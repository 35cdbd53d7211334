#include "graphs/graph_legends.h"

namespace quarlin {
namespace {

constexpr const char* kObservedPoints = "  o    observed";
constexpr const char* kCalculatedLine = "-----  calculated";
constexpr const char* kBeltLine = "- - -  90% conf. limit";
constexpr const char* kDensityLine = "- - - - - density function calculated";

}  // namespace

std::vector<PlacedText> LegendsFor(GraphType type, const LegendOptions& options) {
  const auto ink = [&](Rgb colour) { return Ink(colour, options.inColour); };
  std::vector<PlacedText> legends;
  switch (type) {
    case GraphType::kCumulative:
      if (options.hasSeparationPoint)
        legends.push_back({270, 50,
                           options.inColour ? "The separation line is shown as - - - -"
                                            : "The separation line is shown vertically",
                           ink(kGreen)});
      legends.push_back({86, 65, kObservedPoints, ink(kCyan)});
      legends.push_back({86, 80, kCalculatedLine, ink(kWhite)});
      if (options.beltShown && options.nrOfData < kMostDataForBelt)
        legends.push_back({195, 80, kBeltLine, ink(kYellow)});
      break;
    case GraphType::kIntervalCalculated:
      legends.push_back({86, 65, "  #    observed", ink(kWhite)});
      legends.push_back({86, 80, "____calculated", ink(kWhite)});
      legends.push_back({270, 85, kDensityLine, ink(kCyan)});
      break;
    case GraphType::kIntervalObserved:
      legends.push_back({86, 65, "____observed", ink(kWhite)});
      legends.push_back({86, 80, " ", ink(kWhite)});
      legends.push_back({270, 70, kDensityLine, ink(kCyan)});
      break;
    case GraphType::kConfidenceBeltOfX:
      legends.push_back({86, 65, "----- observed/calculated", ink(kWhite)});
      legends.push_back({86, 80, kBeltLine, ink(kYellow)});
      break;
    case GraphType::kReturnPeriods:
      legends.push_back({86, 65, kObservedPoints, ink(kCyan)});
      legends.push_back({86, 80, kCalculatedLine, ink(kWhite)});
      legends.push_back({86, 95, kBeltLine, ink(kYellow)});
      break;
    case GraphType::kPredictedObserved:
      legends.push_back({86, 70, "   o   Observed", ink(kCyan)});
      legends.push_back({86, 85, " - - - Obs = Calc", ink(kWhite)});
      break;
  }
  return legends;
}

}  // namespace quarlin
