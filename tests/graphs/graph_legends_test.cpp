#include "graphs/graph_legends.h"

#include <gtest/gtest.h>

namespace quarlin {
namespace {

struct LegendCase {
  GraphType type;
  LegendOptions options;
  std::vector<PlacedText> legends;
};

class LegendsTest : public testing::TestWithParam<LegendCase> {};

TEST_P(LegendsTest, TextsPlacesAndColours) {
  EXPECT_EQ(LegendsFor(GetParam().type, GetParam().options), GetParam().legends);
}

const PlacedText kObserved{86, 65, "  o    observed", kCyan};
const PlacedText kCalculated{86, 80, "-----  calculated", kWhite};

INSTANTIATE_TEST_SUITE_P(
    Rows, LegendsTest,
    testing::Values(
        // 100 data with the belt wanted: the belt's legend; without: none.
        LegendCase{GraphType::kCumulative,
                   {true, true, false, 100},
                   {kObserved, kCalculated, {195, 80, "- - -  90% conf. limit", kYellow}}},
        LegendCase{GraphType::kCumulative, {true, false, false, 100}, {kObserved, kCalculated}},
        LegendCase{GraphType::kCumulative, {true, true, false, 250}, {kObserved, kCalculated}},
        LegendCase{
            GraphType::kCumulative,
            {true, false, true, 300},
            {{270, 50, "The separation line is shown as - - - -", kGreen}, kObserved, kCalculated}},
        LegendCase{GraphType::kCumulative,
                   {false, false, true, 300},
                   {{270, 50, "The separation line is shown vertically", kBlack},
                    {86, 65, "  o    observed", kBlack},
                    {86, 80, "-----  calculated", kBlack}}},
        LegendCase{GraphType::kIntervalCalculated,
                   {},
                   {{86, 65, "  #    observed", kWhite},
                    {86, 80, "____calculated", kWhite},
                    {270, 85, "- - - - - density function calculated", kCyan}}},
        LegendCase{GraphType::kIntervalObserved,
                   {},
                   {{86, 65, "____observed", kWhite},
                    {86, 80, " ", kWhite},
                    {270, 70, "- - - - - density function calculated", kCyan}}},
        LegendCase{GraphType::kConfidenceBeltOfX,
                   {},
                   {{86, 65, "----- observed/calculated", kWhite},
                    {86, 80, "- - -  90% conf. limit", kYellow}}},
        LegendCase{GraphType::kReturnPeriods,
                   {true, false, false, 1000},
                   {kObserved, kCalculated, {86, 95, "- - -  90% conf. limit", kYellow}}},
        LegendCase{GraphType::kPredictedObserved,
                   {},
                   {{86, 70, "   o   Observed", kCyan}, {86, 85, " - - - Obs = Calc", kWhite}}}));

}  // namespace
}  // namespace quarlin
