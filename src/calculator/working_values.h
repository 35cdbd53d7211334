#pragma once
// The values the calculator works with, named as its formulas name them:
// the parameter file's values exactly as the file holds them (bounds and
// break points in data units, slopes as printed), not the engine's slots.

#include <optional>
#include <string>
#include <vector>

#include "engine/model/fitted_params.h"
#include "engine/report/parameter_file_reader.h"

namespace quarlin {

struct WorkingValues {
  int code = 0;
  double shift = 0;  // subtracted from X before the formulas
  // General block; E is also K of code 67. Codes 1 and 2 carry no exponent
  // in the file and take E = 1 (the line through the data itself).
  double A = 0, B = 0, E = 1, C = 0;
  double gevLocation = 0, gevScale = 1;
  double laplaceCentre = 0, lowerScale = 1, upperScale = 1, E1 = 1, E2 = 1;
  double rayleighExponent = 1, rayleighDivisor = 1;
  double Av = 0, Sd = 1;
  double burrB = 0, burrA = 1, burrE = 1, burrExtra = 0, burrD = 0;
  bool gompertzFlag = false;
  double gompertzB = 0, gompertzE = 1, gompertzA = 0;
  double kumM = 1, kumA = 1, kumB = 1;
  double gammaScale = 1, gammaCount = 0;
  double studentMean = 0, studentSd = 1;
  // Composites: lower (s) and upper (g) branch, break point P in data units.
  double As = 0, Bs = 0, Es = 1, Ag = 0, Bg = 0, Eg = 1, P = 0;
  // F of the upper branch at the break point; set for the composite codes.
  std::optional<double> breakPointF;
};

bool IsCalculatorComposite(int code);

// The working values of `code` from the file's values in file order and its
// shift; the break-point frequency is computed here. Values missing at the
// end keep their defaults.
WorkingValues MakeWorkingValues(int code, const std::vector<double>& values, double shift);

// Codes 68 and 73 in the catalogue's names, so that the calculator takes
// their formulas and their side rule from the one place.
LaplaceParams LaplaceParamsOf(const WorkingValues& w);

// The same from a parameter file as read.
WorkingValues MakeWorkingValues(const ParameterFileContents& contents);

}  // namespace quarlin
