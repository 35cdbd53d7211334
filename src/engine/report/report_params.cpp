#include "engine/report/report_params.h"

#include "engine/catalogue/catalogue.h"

namespace quarlin {
namespace {

bool HasLineSlots(int code) {
  return (code >= 1 && code <= 6) || (code >= 51 && code <= 55) || code == 57 || code == 60 ||
         (code >= 64 && code <= 66);
}

bool IsBoundFamily(int code) {
  return code == 33 || code == 35 || code == 58 || code == 59;
}

}  // namespace

SlopeIntercept SharedSlopeIntercept(int code, const FittedParams& params) {
  if (HasLineSlots(code)) return {params.line.A, params.line.B};
  if (IsBoundFamily(code)) return {params.bound.A, params.bound.B};
  switch (code) {
    case 56:
      return {params.fisk.A, params.fisk.B};
    case 61:
      return {params.gamma.a, params.gamma.b};
    case 62:
    case 63:
      return {1.0, 1.0};
    case 67:
      return {params.gev.A, params.gev.B};
    case 69:
      return {params.rayleigh.E, params.rayleigh.S};
    default:
      return {};
  }
}

FittedParams ReportedParams(int code, const FittedParams& chosen, double C, bool HighShift) {
  FittedParams reported = chosen;
  ApplyStoredGuards(code, reported);
  if (IsBoundFamily(code)) reported.bound.C += C;
  // A zero slope cannot come out of a fit; it is left alone rather than
  // turned into an infinity.
  if ((code == 64 || code == 65) && HighShift && reported.line.A != 0)
    reported.line.A = 1.0 / reported.line.A;
  return reported;
}

}  // namespace quarlin
