#include "engine/report/report_params.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/catalogue/parameter_slots.h"

namespace quarlin {
namespace {

bool IsBoundFamily(int code) {
  return BoundSideOf(code) != BoundSide::None;
}

// A zero slope cannot come out of a fit; it is left alone rather than turned
// into an infinity.
bool ReportsReciprocalSlope(int code, const FittedParams& p, bool HighShift) {
  return (code == kCauchy || code == kGeneralizedCauchy) && HighShift && p.line.A != 0;
}

}  // namespace

SlopeIntercept SharedSlopeIntercept(int code, const FittedParams& params) {
  if (code == kSimpleExponential) return {params.line.A, params.line.B};
  if (code == kStudentOneDf || code == kStudentTwoDf) return {1.0, 1.0};
  if (!HasGeneralBlock(code)) return {};
  const auto slots = ParameterSlotsOf(code);
  return {slots[0].get(params), slots[1].get(params)};
}

FittedParams ReportedParams(int code, const FittedParams& chosen, double C, bool HighShift) {
  FittedParams reported = chosen;
  ApplyStoredGuards(code, reported);
  if (IsBoundFamily(code)) reported.bound.C += C;
  if (ReportsReciprocalSlope(code, reported, HighShift)) reported.line.A = 1.0 / reported.line.A;
  return reported;
}

FittedParams ChosenFromReported(int code, const FittedParams& reported, double C, bool HighShift) {
  FittedParams chosen = reported;
  if (IsBoundFamily(code)) chosen.bound.C -= C;
  if (ReportsReciprocalSlope(code, chosen, HighShift)) chosen.line.A = 1.0 / chosen.line.A;
  return chosen;
}

}  // namespace quarlin
