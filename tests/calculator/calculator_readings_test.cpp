// Readings of the calculator that must give the law's answer: beyond the
// ends of a fitted law, at the range of return periods, on both sides of the
// generalized Laplace law and from the normal family's grid.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calculator/calculation.h"
#include "calculator/forward_table.h"
#include "calculator/inverse_table.h"
#include "engine/catalogue/codes.h"

namespace quarlin {
namespace {

// A law with an end, its parameters in the parameter file's order, and
// that end in data units as the parameters give it.
struct BoundCase {
  const char* name;
  int code;
  std::vector<double> values;
  double shift;
  Beyond side;
  double bound;
};

class FittedBoundTest : public testing::TestWithParam<BoundCase> {};

TEST_P(FittedBoundTest, BeyondTheEndFIsTheLawsAndSaysSo) {
  const BoundCase& c = GetParam();
  const WorkingValues w = MakeWorkingValues(c.code, c.values, c.shift);
  const double outwards = c.side == Beyond::Upper ? 1 : -1;
  const double margin = 0.01 * (1 + std::abs(c.bound));

  const ForwardResult beyond = CalcFrequent(w, 20, c.bound + outwards * margin);
  EXPECT_EQ(beyond.beyond, c.side);
  const double F = c.side == Beyond::Upper ? 1 : 0;
  const double T = c.side == Beyond::Upper ? kLargestReturnPeriod : 1;
  EXPECT_EQ(beyond.F, F);
  EXPECT_EQ(beyond.limits.lower, F);
  EXPECT_EQ(beyond.limits.upper, F);
  EXPECT_EQ(beyond.T, T);
  EXPECT_EQ(beyond.TLower, T);
  EXPECT_EQ(beyond.TUpper, T);
  ASSERT_TRUE(beyond.bound);
  EXPECT_NEAR(*beyond.bound, c.bound, 1e-9 * (1 + std::abs(c.bound)));

  const ForwardResult inside = CalcFrequent(w, 20, c.bound - outwards * margin);
  EXPECT_EQ(inside.beyond, Beyond::None);
  EXPECT_GT(inside.F, 0);
  EXPECT_LT(inside.F, 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfEnd, FittedBoundTest,
    testing::Values(
        // Old Faithful's waiting times: A, B, C.
        BoundCase{"MirroredFisherTippett3",
                  kMirroredFisherTippett3,
                  {-3.91549691412547, 14.1813585457866, 116.1401},
                  0.0001,
                  Beyond::Upper,
                  116.1401},
        BoundCase{"FisherTippett3", kFisherTippett3, {2, -1, 10}, 0.0001, Beyond::Upper, 10},
        BoundCase{"MirroredFrechet", kMirroredFrechet, {2, 0, 3}, 0.0001, Beyond::Lower, 3},
        BoundCase{"Frechet", kFrechet, {-2, 0, 3}, 0.0001, Beyond::Lower, 3},
        // M, A, B: the upper end M in shifted units.
        BoundCase{"Kumaraswamy", kKumaraswamy, {5, 1.5, 2.5}, 0.0001, Beyond::Upper, 5.0001},
        // A, B, K, location, scale: the support ends at location - scale/K.
        BoundCase{"GevPositiveShape", kGev, {0, 0, 0.2, 20, 2}, 0.0001, Beyond::Lower, 10.0001},
        BoundCase{"GevNegativeShape", kGev, {0, 0, -0.25, 10, 2}, 0.0001, Beyond::Upper, 18.0001},
        // 1 - exp(-(0.5x - 1)) is 0 at x = 2.
        BoundCase{"Poisson", kGeneralizedExponential, {0.5, -1, 1}, 0.0001, Beyond::Lower, 2.0001},
        // exp(0.5x - 2) is 1 at x = 4.
        BoundCase{"MirroredPoisson", kMirroredPoisson, {-0.5, 2, 1}, 0.0001, Beyond::Upper, 4.0001},
        // B, A, E, K, D: 1 - exp(ln(1/(x^2 + 1)) + 0.5) is 0 at x^2 = e^0.5 - 1.
        BoundCase{"Burr",
                  kBurr,
                  {1, 2, 1, 1, 0.5},
                  0.0001,
                  Beyond::Lower,
                  std::sqrt(std::exp(0.5) - 1) + 0.0001},
        // (x^2 + 1)·e^-2 is 1 at x^2 = e^2 - 1.
        BoundCase{"Dagum",
                  kDagum,
                  {1, 2, -1, 1, -2},
                  0.0001,
                  Beyond::Upper,
                  std::sqrt(std::exp(2.0) - 1) + 0.0001},
        // 0.1x - 0.2 from 0 at x = 2 to 1 at x = 12.
        BoundCase{"LinearLower", kGeneralizedLinear, {0.1, -0.2}, 0.0001, Beyond::Lower, 2.0001},
        BoundCase{"LinearUpper", kGeneralizedLinear, {0.1, -0.2}, 0.0001, Beyond::Upper, 12.0001},
        // Es, Eg, As, Bs, Ag, Bg, P: the Poisson member below P = 5 begins
        // at x = 2.
        BoundCase{"CompositePoissonMember",
                  kCompositeGeneralizedPoissonLogistic,
                  {1, 1, 0.5, -1, -1, 4, 5},
                  0.0001,
                  Beyond::Lower,
                  2.0001}),
    [](const auto& info) { return std::string(info.param.name); });

// Every return period the forward gives lies in [1, 10000000], its lower
// limit at most and its upper limit at least the period itself.
struct PeriodCase {
  const char* name;
  int code;
  std::vector<double> values;
  double shift;
  double from, to;  // the X swept
};

class ReturnPeriodRangeTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(ReturnPeriodRangeTest, EveryPeriodLiesBetweenOneAndTheCap) {
  const PeriodCase& c = GetParam();
  const WorkingValues w = MakeWorkingValues(c.code, c.values, c.shift);
  for (int N : {6, 65, 2500}) {
    for (int i = 0; i <= 400; ++i) {
      const double X = c.from + (c.to - c.from) * i / 400;
      const ForwardResult r = CalcFrequent(w, N, X);
      SCOPED_TRACE("N " + std::to_string(N) + " X " + std::to_string(X));
      EXPECT_GE(r.TLower, 1);
      EXPECT_LE(r.TLower, r.T);
      EXPECT_LE(r.T, r.TUpper);
      EXPECT_LE(r.TUpper, kLargestReturnPeriod);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Laws, ReturnPeriodRangeTest,
    testing::Values(
        // Port Pirie's generalized Gumbel: A, B, E.
        PeriodCase{"PortPirie",
                   kGeneralizedGumbel,
                   {1.22573482787638, -11.2804332179869, 1.64},
                   0.0001,
                   3.0,
                   6.0},
        // A Gumbel law whose F comes within a hair of 1 (X = 37).
        PeriodCase{"Gumbel", kGumbel, {1, 0}, 0, -3.0, 40.0},
        PeriodCase{"MirroredFisherTippett3",
                   kMirroredFisherTippett3,
                   {-3.91549691412547, 14.1813585457866, 116.1401},
                   0.0001,
                   30.0,
                   125.0},
        PeriodCase{
            "RootNormal", kRootNormal, {3.8081058221297, 0.886371347872394}, 0.0001, 0.0, 40.0}),
    [](const auto& info) { return std::string(info.param.name); });

// Code 73 at the inverse's answer, evaluated as the forward table
// evaluates it: the law passes f there, on the side the catalogue's rule
// (x^E1 against the centre) puts it.
struct LaplaceCase {
  const char* name;
  double E1, E2;
};

class GeneralizedLaplaceInverseTest : public testing::TestWithParam<LaplaceCase> {};

TEST_P(GeneralizedLaplaceInverseTest, TheLawPassesTheFrequencyAtTheAnswer) {
  // Centre, lower and upper scale, E1, E2: the centre x is 4^(1/E1).
  const WorkingValues w =
      MakeWorkingValues(kGeneralizedLaplace, {4, 0.5, 0.5, GetParam().E1, GetParam().E2}, 0);
  const auto F = [&](double x) { return ForwardF(w, x - 0.0001, x).F; };
  for (double f : {0.05, 0.3, 0.5, 0.7, 0.95}) {
    const auto X = InverseX(w, f, Limit::Result, Branch::Lower);
    ASSERT_TRUE(X) << f;
    const double delta = 1e-7 * (1 + *X);
    EXPECT_LE(F(*X - delta), f + 1e-6) << f << " at " << *X;
    EXPECT_GE(F(*X + delta), f - 1e-6) << f << " at " << *X;
  }
}

INSTANTIATE_TEST_SUITE_P(Exponents, GeneralizedLaplaceInverseTest,
                         testing::Values(LaplaceCase{"EqualExponents", 0.5, 0.5},
                                         // Above the centre the upper side starts at 0.85: the law
                                         // jumps there, and F(x(0.5)) came back at 0.19.
                                         LaplaceCase{"UpperSideStartsAboveOneHalf", 0.5, 0.55},
                                         // Above the centre the upper side starts below 0: the
                                         // law turns back and passes 0.5 once more further up.
                                         LaplaceCase{"UpperSideStartsBelowOneHalf", 0.5, 0.45}),
                         [](const auto& info) { return std::string(info.param.name); });

// The normal family's X for f, read forward again: the F of that X is f
// within the grid's resolution, for data of any size and sign.
struct NormalCase {
  const char* name;
  int code;
  std::vector<double> values;  // Av, Sd (, E)
  double shift;
  std::vector<long double> data;
};

class NormalInverseTest : public testing::TestWithParam<NormalCase> {};

TEST_P(NormalInverseTest, TheAnswersFrequencyIsTheOneAskedFor) {
  const NormalCase& c = GetParam();
  const WorkingValues w = MakeWorkingValues(c.code, c.values, c.shift);
  const int N = static_cast<int>(c.data.size());
  for (double f : {0.01, 0.1, 0.5, 0.9, 0.99}) {
    const InverseResult r = CalcVal(w, c.data, f);
    ASSERT_TRUE(r.X) << f;
    EXPECT_NEAR(CalcFrequent(w, N, *r.X).F, f, 0.002) << f << " at " << *r.X;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Data, NormalInverseTest,
    testing::Values(
        // Biochemical oxygen demand, six values, and its root-normal fit:
        // F = 0.01 lies far below the smallest value.
        NormalCase{"RootNormalSixValues",
                   kRootNormal,
                   {3.8081058221297, 0.886371347872394},
                   0.0001,
                   {8.3, 10.3, 19.0, 16.0, 15.6, 19.8}},
        // Peak accelerations (g), all below 1, and their log-normal fit:
        // every logarithm is negative.
        NormalCase{"LogNormalBelowOne",
                   kLogNormal,
                   {-2.42550058481679, 1.22140207957665},
                   0.0001,
                   {0.003, 0.014, 0.05, 0.1, 0.2, 0.36, 0.81}},
        // Data below 0, shifted by their minimum.
        NormalCase{"NormalNegativeData", kNormal, {30, 10}, -80, {-80, -60, -50, -45, -30, -20}},
        NormalCase{"NormalLargeValues",
                   kNormalOptimized,
                   {2e6, 3e5},
                   0.0001,
                   {1.5e6, 1.8e6, 2e6, 2.1e6, 2.4e6, 2.6e6}},
        NormalCase{"SquareNormal", kSquareNormal, {25, 8}, 0.0001, {3, 4, 4.5, 5, 6, 7}},
        NormalCase{"GeneralizedNormal",
                   kGeneralizedNormal,
                   {1.6, 0.2, 0.3},
                   0.0001,
                   {1.5, 3, 4, 5, 8, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlin
