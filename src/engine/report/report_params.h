#pragma once
// The parameters as the report prints them and the parameter file keeps
// them. The report writer has always changed a few stored values on its way
// (a floor, a bound in data units, a reciprocal); the parameter file holds the
// changed values, and the calculator and the graphs read those back.

#include "engine/model/fitted_params.h"

namespace quarlin {

struct SlopeIntercept {
  double A = 0, B = 0;
};

// The one pair "A" and "B" that the report's A and B lines and the general
// block of the parameter file show for a code, taken from the chosen family's
// own slots: the line (1-6, 51-55, 57, 60, 64-66), the bound families (33, 35,
// 58, 59) and Fisk (56) give their slope and intercept; Gamma (61) its scale
// and order; the Student pair (62, 63) 1 and 1. Where the pair has no meaning
// of its own the nearest one is taken: the GEV location and scale (67), the
// Rayleigh exponent and divisor (69, the two values a run's own parameter
// list carries for it); Laplace (68) and every other code give 0 and 0.
SlopeIntercept SharedSlopeIntercept(int code, const FittedParams& params);

// The chosen parameters as reported: code 56's scale floor, the bound of codes
// 33, 35, 58 and 59 moved into data units (+ C), and for codes 64 and 65 with
// the shift the slope A replaced by 1/A.
FittedParams ReportedParams(int code, const FittedParams& chosen, double C, bool HighShift);

// ReportedParams undone as far as it can be: the bound back in the engine
// variable (- C), for codes 64 and 65 with the shift the slope back from 1/A.
// Code 56's floor stays: the evaluation applies it anyway.
FittedParams ChosenFromReported(int code, const FittedParams& reported, double C, bool HighShift);

}  // namespace quarlin
