#include "engine/report/report_params.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

// The regression members and the two codes that have only a name.
bool HasLineSlots(int code) {
  const DistributionRow* row = FindRow(code);
  return row && (row->regression || row->kind == DistributionKind::NameOnly);
}

bool IsBoundFamily(int code) {
  return BoundSideOf(code) != BoundSide::None;
}

}  // namespace

SlopeIntercept SharedSlopeIntercept(int code, const FittedParams& params) {
  if (HasLineSlots(code)) return {params.line.A, params.line.B};
  if (IsBoundFamily(code)) return {params.bound.A, params.bound.B};
  switch (code) {
    case kAdjustedFisk:
      return {params.fisk.A, params.fisk.B};
    case kGamma:
      return {params.gamma.a, params.gamma.b};
    case kStudentOneDf:
    case kStudentTwoDf:
      return {1.0, 1.0};
    case kGev:
      return {params.gev.A, params.gev.B};
    case kGeneralizedRayleigh:
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
  if ((code == kCauchy || code == kGeneralizedCauchy) && HighShift && reported.line.A != 0)
    reported.line.A = 1.0 / reported.line.A;
  return reported;
}

}  // namespace quarlin
