#include "engine/report/report_params.h"

#include <gtest/gtest.h>

#include "engine/report/report_names.h"

namespace quarlin {
namespace {

TEST(ReportedParams, FloorsTheFiskScaleAsTheEvaluationDid) {
  FittedParams p;
  p.fisk = {2.0, 0.0005};
  EXPECT_DOUBLE_EQ(ReportedParams(56, p, 0.0001, false).fisk.B, 0.001);
  p.fisk.B = -0.0002;
  EXPECT_DOUBLE_EQ(ReportedParams(56, p, 0.0001, false).fisk.B, 0.001);
  p.fisk.B = 0.5;
  EXPECT_DOUBLE_EQ(ReportedParams(56, p, 0.0001, false).fisk.B, 0.5);
}

class BoundInDataUnitsTest : public testing::TestWithParam<int> {};

TEST_P(BoundInDataUnitsTest, AddsTheShiftConstantToTheBound) {
  FittedParams p;
  p.bound = {2.0, -3.0, 4.5, false};
  EXPECT_DOUBLE_EQ(ReportedParams(GetParam(), p, 30.0, true).bound.C, 34.5);
  EXPECT_DOUBLE_EQ(ReportedParams(GetParam(), p, -1.6, false).bound.C, 2.9);
  // Slope and intercept stay as fitted.
  EXPECT_DOUBLE_EQ(ReportedParams(GetParam(), p, 30.0, true).bound.A, 2.0);
}

INSTANTIATE_TEST_SUITE_P(Codes, BoundInDataUnitsTest, testing::Values(33, 35, 58, 59));

TEST(ReportedParams, LeavesOtherCodesBoundAlone) {
  FittedParams p;
  p.bound.C = 4.5;
  EXPECT_DOUBLE_EQ(ReportedParams(57, p, 30.0, true).bound.C, 4.5);
}

TEST(ReportedParams, CauchySlopeBecomesItsReciprocalOnlyWithTheShift) {
  FittedParams p;
  p.line = {4.0, -1.0, 0.5};
  for (const int code : {64, 65}) {
    EXPECT_DOUBLE_EQ(ReportedParams(code, p, 30.0, true).line.A, 0.25) << code;
    EXPECT_DOUBLE_EQ(ReportedParams(code, p, 0.0001, false).line.A, 4.0) << code;
  }
  EXPECT_DOUBLE_EQ(ReportedParams(53, p, 30.0, true).line.A, 4.0);
  p.line.A = 0;
  EXPECT_DOUBLE_EQ(ReportedParams(64, p, 30.0, true).line.A, 0.0);
}

struct SharedCase {
  int code;
  double A, B;
};

class SharedSlopeInterceptTest : public testing::TestWithParam<SharedCase> {};

TEST_P(SharedSlopeInterceptTest, TakesTheChosenFamilysOwnSlots) {
  FittedParams p;
  p.line = {1.5, -2.25, 0.75};
  p.bound = {2.0, -3.0, 4.5, false};
  p.fisk = {3.0, 7.0};
  p.gamma = {12.5, 3.0};
  p.gev = {-0.2, 40.0, 8.0, false};
  p.rayleigh = {1.8, 250.0};
  p.composite.As = 99.0;
  const SlopeIntercept ab = SharedSlopeIntercept(GetParam().code, p);
  EXPECT_DOUBLE_EQ(ab.A, GetParam().A) << GetParam().code;
  EXPECT_DOUBLE_EQ(ab.B, GetParam().B) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Codes, SharedSlopeInterceptTest,
                         testing::Values(SharedCase{4, 1.5, -2.25}, SharedCase{6, 1.5, -2.25},
                                         SharedCase{57, 1.5, -2.25}, SharedCase{66, 1.5, -2.25},
                                         SharedCase{33, 2.0, -3.0}, SharedCase{58, 2.0, -3.0},
                                         SharedCase{56, 3.0, 7.0}, SharedCase{61, 12.5, 3.0},
                                         SharedCase{62, 1.0, 1.0}, SharedCase{63, 1.0, 1.0},
                                         SharedCase{67, 40.0, 8.0}, SharedCase{69, 1.8, 250.0},
                                         SharedCase{68, 0.0, 0.0}, SharedCase{70, 0.0, 0.0},
                                         SharedCase{9, 0.0, 0.0}));

class ReportNameTest : public testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(ReportNameTest, IsTheReportsOwnName) {
  EXPECT_EQ(ReportName(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(SpotChecks, ReportNameTest,
                         testing::Values(std::pair{3, "Generalized exponential (Poisson)"},
                                         std::pair{7, "Composite mirrored Gumbel distribution"},
                                         std::pair{18, "Composite logistic + Poisson distribution"},
                                         std::pair{20, "Normal distribution (standard)"},
                                         std::pair{33, "Mirrored Fisher-Tippett III distribution"},
                                         std::pair{56, "Ajusted Fisk distribution"},
                                         std::pair{62, "Student distribution with 1 d.f."},
                                         std::pair{68, "Composite Laplace distribution"},
                                         std::pair{74, "Composite generalized Gumbel mirrored"},
                                         std::pair{85, "Composite Poisson + Gumbel distribution"},
                                         // No report name of its own: the list name.
                                         std::pair{1, "Generalized linear"}, std::pair{0, ""},
                                         std::pair{19, ""}));

}  // namespace
}  // namespace quarlin
