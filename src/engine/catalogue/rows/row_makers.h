#pragma once
// The ways a row is made, one per kind, so that each kind's file of rows
// states only what is the code's own. Included by the files of rows alone.

#include <span>
#include <string_view>

#include "engine/catalogue/bound_formulas.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/catalogue/laplace_formulas.h"
#include "engine/catalogue/own_formulas.h"
#include "engine/catalogue/report_lines.h"
#include "engine/catalogue/row_formulas.h"

namespace quarlin::row_making {

// The texts of a row: list name, report name, ranked-list line, progress lines.
struct Texts {
  std::string_view list, report, nameLine;
  std::array<std::string_view, 2> progress{};
};

constexpr DistributionRow Row(int code, DistributionKind kind, const Texts& t,
                              std::span<const ParameterSlot> parameters, ForwardFn forward,
                              InverseFn inverse, const ReportLines& report,
                              TempValues tempValues = TempValues::None) {
  return {.code = code,
          .kind = kind,
          .listName = t.list,
          .reportName = t.report,
          .nameLine = t.nameLine,
          .progressLines = t.progress,
          .preferenceNumber = code,
          .forward = forward,
          .inverse = inverse,
          .parameters = parameters,
          .report = report,
          .tempValues = tempValues};
}

// Codes 1 and 2: the report has no name of its own for them either. A
// parameter file that names them is read as a line's A and B, and the
// report would print those.
constexpr DistributionRow NameOnly(int code, std::string_view name, CalculatorForm calculator) {
  return {.code = code,
          .listName = name,
          .reportName = name,
          .parameters = kLineAB,
          .report = {.slopeIntercept = true},
          .tempValues = TempValues::SlopeIntercept,
          .calculator = calculator};
}

// A line's parameters: its slope and intercept, the exponent where it is
// searched, the slope alone for the ratio line through the origin.
constexpr std::span<const ParameterSlot> LineSlots(const RegressionMember& member) {
  if (member.ratioLine) return kLineA;
  if (member.scale == Scale::Power) return kLineABE;
  return kLineAB;
}

// A line reports its searched exponent and its A and B.
constexpr DistributionRow Line(const RegressionMember& member, const Texts& t, ReportLines r) {
  if (member.scale == Scale::Power) r.ownParameterLines = report_values::ExponentLine;
  r.slopeIntercept = true;
  DistributionRow row =
      Row(member.code, DistributionKind::RegressionMember, t, LineSlots(member), LineForward,
          LineInverse, r, member.ratioLine ? TempValues::Slope : TempValues::SlopeIntercept);
  row.regression = member;
  return row;
}

constexpr DistributionRow Composite(int code, Link lower, Link upper, bool generalized,
                                    const Texts& t, const ReportLines& r) {
  DistributionRow row = Row(
      code,
      generalized ? DistributionKind::GeneralizedComposite : DistributionKind::SimpleComposite, t,
      generalized ? std::span<const ParameterSlot>(kGeneralizedCompositeSlots)
                  : std::span<const ParameterSlot>(kCompositeSlots),
      CompositeForward, CompositeInverse, r,
      generalized ? TempValues::SlopeIntercept : TempValues::None);
  row.composite = CompositeShape{lower, upper, generalized};
  return row;
}

// A linear composite: its member lines are its own, the Y wording names the
// shift unless the row names another, its break point is printed in data units.
constexpr DistributionRow Simple(int code, Link lower, Link upper, const Texts& t, ReportLines r,
                                 ShiftWord word = ShiftWord::Y) {
  r.shiftWord = word;
  if (!r.descriptionValues) r.descriptionValues = report_values::LinearSeparation;
  return Composite(code, lower, upper, false, t, r);
}

// A generalized composite: its member lines follow from the members' links.
constexpr DistributionRow Generalized(int code, Link lower, Link upper, const Texts& t,
                                      ReportLines r) {
  r.shiftWord = ShiftWord::Y;
  if (!r.descriptionValues) r.descriptionValues = report_values::GeneralizedSeparation;
  r.lowerMember = GeneralizedMemberLine(lower, false);
  r.upperMember = GeneralizedMemberLine(upper, true);
  return Composite(code, lower, upper, true, t, r);
}

constexpr DistributionRow Normal(int code, NormalForm form, const Texts& t, const ReportLines& r) {
  // Only the generalized member adds its exponent.
  const std::span<const ParameterSlot> slots = form == NormalForm::Power
                                                   ? std::span<const ParameterSlot>(kNormalSlotsE)
                                                   : std::span<const ParameterSlot>(kNormalSlots);
  DistributionRow row = Row(code, DistributionKind::NormalMember, t, slots, NormalForward, nullptr,
                            r, TempValues::FamilyPair);
  row.normalForm = form;
  return row;
}

constexpr DistributionRow OwnFormula(int code, const Texts& t, std::span<const ParameterSlot> slots,
                                     ForwardFn forward, InverseFn inverse, const ReportLines& r,
                                     TempValues tempValues = TempValues::None) {
  return Row(code, DistributionKind::OwnFormulaFamily, t, slots, forward, inverse, r, tempValues);
}

// A bounded family reports its bound in data units, then its A and B.
constexpr DistributionRow Bounded(int code, BoundSide side, const Texts& t, ReportLines r,
                                  TempValues tempValues = TempValues::None) {
  r.ownParameterLines = report_values::BoundLines;
  r.slopeIntercept = true;
  DistributionRow row = OwnFormula(code, t, kBoundABC, BoundForward, BoundInverse, r, tempValues);
  row.bound = side;
  return row;
}

constexpr DistributionRow Student(int code, const Texts& t, ForwardFn forward, InverseFn inverse,
                                  const ReportLines& r) {
  return Row(code, DistributionKind::Student, t, kStudentSlots, forward, inverse, r,
             TempValues::Ones);
}

// A row whose calculator has a form of its own (calculator_form.h).
constexpr DistributionRow Calculated(CalculatorForm form, DistributionRow row) {
  row.calculator = form;
  return row;
}

constexpr DistributionRow WithPreference(DistributionRow row, int number) {
  row.preferenceNumber = number;
  return row;
}

inline constexpr Link G = Link::Gumbel, M = Link::MirroredGumbel, L = Link::Logistic,
                      Q = Link::Poisson;
inline constexpr Scale kPower = Scale::Power, kLog = Scale::Log;
using enum ShiftWord;

}  // namespace quarlin::row_making
