#include "data/stored_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlin {
namespace {

std::vector<long double> Series(long double first, long double step, int n) {
  std::vector<long double> values;
  for (int i = 0; i < n; ++i) values.push_back(first + step * i);
  return values;
}

// Whether the input file's reduction changes a series materially: values
// that merge, or one that moves by more than 0.1% of the range.
struct ReductionCase {
  std::string name;
  std::vector<long double> values;
  bool material;
};

class ReductionTest : public testing::TestWithParam<ReductionCase> {};

TEST_P(ReductionTest, TellsAMaterialChange) {
  EXPECT_EQ(ChangesMaterially(ReductionEffectOf(GetParam().values)), GetParam().material);
  EXPECT_EQ(ReductionWarning(GetParam().values).has_value(), GetParam().material);
}

INSTANTIATE_TEST_SUITE_P(
    Series, ReductionTest,
    testing::Values(
        // 1.001 ... 1.060: sixty values stored as seven.
        ReductionCase{"ThousandthsMerge", Series(1.001L, 0.001L, 60), true},
        ReductionCase{"TwoDecimalsKept", {12.5L, 13.25L, 7.0L, 100.75L, 55.0L, 3.01L}, false},
        // 0.123 is stored as 0.12: 0.003 of a range of 0.8.
        ReductionCase{"SmallValuesLoseDigits", {0.123L, 0.5L, 0.9L, 0.2L, 0.3L, 0.4L}, true},
        ReductionCase{"SmallValuesKept", {0.12L, 0.5L, 0.9L, 0.2L, 0.3L, 0.4L}, false},
        // Moves of 0.004 against a range of 1000: not material, and no merge.
        ReductionCase{
            "SmallMoveOnALargeRange", {1.004L, 1001.0L, 500.0L, 20.0L, 30.0L, 40.0L}, false},
        // 0.004 against a range of 2: more than 0.1%.
        ReductionCase{"LargeMoveOnASmallRange", {1.004L, 3.0L, 2.0L, 1.5L, 2.5L, 2.75L}, true},
        ReductionCase{"TiesStayTies", {5.0L, 5.0L, 6.0L, 6.0L, 7.0L, 7.0L}, false},
        ReductionCase{"NegativeThousandthsMerge", Series(-2.0L, 0.001L, 10), true}),
    [](const auto& info) { return info.param.name; });

TEST(ReductionWarning, SaysWhatMerged) {
  const auto warning = ReductionWarning(Series(1.001L, 0.001L, 60));
  ASSERT_TRUE(warning);
  EXPECT_NE(warning->find("60 different values become 7"), std::string::npos) << *warning;
}

// The report prints X with 4 decimals below 1, 3 below 10, 2 below 100, 1
// below 500 and none above: a series must span ten steps of that decimal.
struct ApartCase {
  std::string name;
  std::vector<long double> values;
  bool refused;
};

class IndistinctTest : public testing::TestWithParam<ApartCase> {};

TEST_P(IndistinctTest, RefusesWhatTheReportCannotTellApart) {
  EXPECT_EQ(IndistinctValuesRefusal(GetParam().values).has_value(), GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(
    Series, IndistinctTest,
    testing::Values(ApartCase{"FarBelowTheLastDecimal", Series(1e-300L, 1.5e-301L, 60), true},
                    ApartCase{"BelowTheLeftShiftLimit", Series(0.00001L, 0.000006L, 50), true},
                    ApartCase{"TenStepsOfFourDecimals", {0.0005L, 0.0015L, 0.001L}, false},
                    ApartCase{"NineStepsOfFourDecimals", {0.0005L, 0.0014L, 0.001L}, true},
                    ApartCase{"ThousandthsOfThreeDecimals", {1.0L, 1.01L}, false},
                    // Stored with two decimals from 1 on, such values are 10 steps apart or
                    // equal (no variation, for the run to stop on).
                    ApartCase{"StoredAsEqual", {1.0L, 1.004L}, false},
                    ApartCase{"WholeNumbersAbove500", {1000.0L, 1009.0L}, true},
                    ApartCase{"TensAbove500", {1000.0L, 1010.0L}, false},
                    ApartCase{"ZeroCountsAs0001", {0.0L, 0.0L, 0.0011L}, true},
                    ApartCase{"NegativeData", {-1.6L, 5.5L, 0.7L}, false},
                    ApartCase{"AllEqualIsNoVariation", {5.0L, 5.0L, 5.0L}, false}),
    [](const auto& info) { return info.param.name; });

TEST(IndistinctValuesRefusal, NamesTheDecimalsAndTheLeastSpan) {
  const auto refusal = IndistinctValuesRefusal(Series(1e-300L, 1.5e-301L, 60));
  ASSERT_TRUE(refusal);
  EXPECT_EQ(*refusal,
            "The values lie too close together for the report to tell them apart: it prints X "
            "with 4 decimals, and the largest and the smallest value are less than 0.001 apart. "
            "Multiply the values by a power of ten or use other units. Input is invalid.");
}

}  // namespace
}  // namespace quarlin
