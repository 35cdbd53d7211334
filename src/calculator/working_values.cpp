#include "calculator/working_values.h"

#include <initializer_list>

#include "calculator/forward_table.h"
#include "engine/catalogue/codes.h"

namespace quarlin {
namespace {

void Assign(const std::vector<double>& values, std::initializer_list<double*> targets) {
  size_t i = 0;
  for (double* target : targets) {
    if (i >= values.size()) return;
    *target = values[i++];
  }
}

bool IsGeneralBlock(int code) {
  return code < 6 || (code >= 51 && code <= 60) || code == 64;
}

}  // namespace

bool IsCalculatorComposite(int code) {
  return (code >= 7 && code <= 18) || code == 70 || code == 71 || code == 72 || code == 74 ||
         (code >= 80 && code <= 85);
}

WorkingValues MakeWorkingValues(int code, const std::vector<double>& v, double shift) {
  WorkingValues w;
  w.code = code;
  w.shift = shift;
  if (code == kMirroredFisherTippett3 || code == kMirroredFrechet || code == kFrechet ||
      code == kFisherTippett3) {
    Assign(v, {&w.A, &w.B, &w.C});
  } else if (IsGeneralBlock(code)) {
    Assign(v, {&w.A, &w.B});
    if (code == 3 || code == 51 || code == 52 || code == 55) Assign(v, {&w.A, &w.B, &w.E});
  } else if (code == kSimpleExponential) {
    Assign(v, {&w.A});
  } else if (code == kGeneralizedCauchy || code == kMirroredPoisson) {
    Assign(v, {&w.A, &w.B, &w.E});
  } else if (code == kGev) {
    Assign(v, {&w.A, &w.B, &w.E, &w.gevLocation, &w.gevScale});
  } else if (code == kLaplace) {
    Assign(v, {&w.A, &w.B, &w.laplaceCentre, &w.lowerScale, &w.upperScale});
  } else if (code == kGeneralizedRayleigh) {
    Assign(v, {&w.A, &w.B, &w.rayleighExponent, &w.rayleighDivisor});
  } else if (code >= 7 && code <= 18) {
    Assign(v, {&w.As, &w.Bs, &w.Ag, &w.Bg, &w.P});
  } else if (code >= kNormal && code <= kGeneralizedNormal) {
    Assign(v, {&w.Av, &w.Sd, &w.E});
  } else if (code == kBurr || code == kDagum) {
    Assign(v, {&w.burrB, &w.burrA, &w.burrE, &w.burrExtra, &w.burrD});
  } else if (code == kGeneralizedGompertz) {
    double flag = 0;
    Assign(v, {&flag, &w.gompertzB, &w.gompertzE, &w.gompertzA});
    w.gompertzFlag = flag == 1.0;
  } else if (code == kKumaraswamy) {
    Assign(v, {&w.kumM, &w.kumA, &w.kumB});
  } else if (code == kGamma) {
    Assign(v, {&w.gammaScale, &w.gammaCount});
  } else if (code == kStudentOneDf || code == kStudentTwoDf) {
    Assign(v, {&w.studentMean, &w.studentSd});
  } else if (code == kGeneralizedLaplace) {
    Assign(v, {&w.laplaceCentre, &w.lowerScale, &w.upperScale, &w.E1, &w.E2});
  } else if (IsCalculatorComposite(code)) {
    Assign(v, {&w.Es, &w.Eg, &w.As, &w.Bs, &w.Ag, &w.Bg, &w.P});
  }
  if (IsCalculatorComposite(code)) w.breakPointF = BreakPointFrequency(w);
  return w;
}

LaplaceParams LaplaceParamsOf(const WorkingValues& w) {
  return LaplaceParams{w.laplaceCentre, w.lowerScale, w.upperScale, w.E1, w.E2};
}

WorkingValues MakeWorkingValues(const ParameterFileContents& contents) {
  return MakeWorkingValues(contents.code, contents.values, contents.shift);
}

}  // namespace quarlin
