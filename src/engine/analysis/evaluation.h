#pragma once
// The calculated cumulative frequency of the chosen distribution at the
// ranked data (for the report) and at curve points over a graph range.

#include <span>
#include <vector>

#include "engine/model/fitted_params.h"
#include "engine/model/sample.h"

namespace quarlin {

struct PointEvaluation {
  // Fractions at X[1..N]; element 0 carries nothing.
  std::vector<long double> Fcalc;
  // A datum lay beyond the bound C: below it for codes 35 and 58, above it
  // for 33 and 59.
  bool lowerBoundWarning = false;
  bool upperBoundWarning = false;
};

// Composite members follow the rank of the datum. The normal family (20-26)
// is recomputed from its stored mean and spread and keeps its values as they
// come; every other code is clamped and made non-decreasing
// (CorrectFcalc).
PointEvaluation EvaluateAtData(int code, const FittedParams& params, const Sample& sample);

// Code 34 is floored at 0.001; a value below 0 (or not a number) becomes
// 0.001 and one above 1 becomes 0.999; a value smaller than its predecessor
// takes the predecessor's. Works on elements 1..size-1.
void CorrectFcalc(int code, std::span<long double> Fcalc);

inline constexpr int kCurvePoints = 20;

// Elements 1..20 of 21; element 0 carries nothing.
struct CurvePoints {
  std::vector<long double> CurveX;
  std::vector<long double> CurveFc;
};

// 20 points b*(Xhi - Xlo)/20 when 0.1*Xhi > Xlo, else b*Xhi/20, in the
// engine variable, evaluated like the data except that a composite takes
// its member from the break point: the curve points have no rank.
CurvePoints EvaluateCurve(int code, const FittedParams& params, long double Xlo, long double Xhi);

}  // namespace quarlin
