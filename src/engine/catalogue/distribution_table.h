#pragma once
// One row per distribution code: everything the program knows of a code by
// the code alone (its names, the lines a run shows for it, how it is fitted,
// its cumulative function and inverse, its parameters in file order, how the
// calculator evaluates it). ListName, Evaluate, Invert, the fit-all driver,
// the report and the calculator read the row.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "engine/catalogue/calculator_form.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/composite_members.h"
#include "engine/catalogue/normal_variable.h"
#include "engine/catalogue/parameter_slots.h"
#include "engine/catalogue/report_lines.h"
#include "engine/model/links.h"
#include "engine/model/predictor.h"

namespace quarlin {

// How a code is fitted, which decides which fit the driver calls.
enum class DistributionKind {
  NameOnly,              // 1, 2: a name without a function, never fitted
  RegressionMember,      // one line Ft = A*Xt + B (3-6, 51-55, 57, 60, 64-66)
  SimpleComposite,       // two linear members (7-18)
  NormalMember,          // the normal family (20-26)
  OwnFormulaFamily,      // searches of their own (31-36, 56, 58, 59, 61, 67-69, 73)
  Student,               // 62 and 63, fitted as one pair
  GeneralizedComposite,  // two generalized members (70-72, 74, 80-85)
};

// What the run's temporary parameter list holds after the shift constant:
// the shared pair A and B, A alone, the family's own first two parameters,
// 1 and 1 (the Student pair), or nothing.
enum class TempValues { None, SlopeIntercept, Slope, FamilyPair, Ones };

// Where the support of the bounded families (33, 35, 58, 59) ends.
enum class BoundSide { None, Lower, Upper };

// How a regression member draws its line and treats its calculated values.
struct RegressionMember {
  int code = 0;
  Link link = Link::Gumbel;
  Scale scale = Scale::Plain;        // Power: the exponent is searched
  bool ratioLine = false;            // code 6: line through point 1 and the centroid, no intercept
  bool finalGuards = false;          // exponential forms: final values kept within 0.001..0.999
  bool exponentOneExcluded = false;  // an exponent of 1 keeps the member out of the choice
  bool setsSpread = false;           // spread S = 1.28/A
};

struct DistributionRow;

// F of the row's law at Y; the raw value, see Evaluate.
using ForwardFn = Evaluation (*)(const DistributionRow& row, long double Y,
                                 const FittedParams& params, EvalSite site);
// Y with F(Y) = F; nothing where the inverse is not defined, see Invert.
using InverseFn = std::optional<long double> (*)(const DistributionRow& row, long double F,
                                                 const FittedParams& params, Member member);

struct DistributionRow {
  int code = kNoDistribution;
  DistributionKind kind = DistributionKind::NameOnly;

  // The name of lists and graph captions.
  std::string_view listName{};
  // The name under which the report presents the code.
  std::string_view reportName{};
  // The line of the ranked list (.Lst), leading blank included; empty for
  // codes that are never listed (1, 2).
  std::string_view nameLine{};
  // Shown in this order after the code's fit; unused places are empty. The
  // Student pair shows its line once, under 62.
  std::array<std::string_view, 2> progressLines{};
  // The preference text that selects this code alone, as a number ("39"
  // selects 36, "90" 74, "62" the Student pair); 0 when no text does.
  int preferenceNumber = 0;

  BoundSide bound = BoundSide::None;
  // Set for regression members and composites respectively.
  std::optional<RegressionMember> regression{};
  std::optional<CompositeShape> composite{};
  // The variable in which a member of the normal family is normal.
  NormalForm normalForm = NormalForm::Plain;

  // Null where the code has no function (1, 2) or no closed-form inverse
  // (also the normal family and Gamma).
  ForwardFn forward = nullptr;
  InverseFn inverse = nullptr;

  // The parameters the report names and the parameter file holds, in the
  // file's order: each with its letter and its FittedParams slot.
  std::span<const ParameterSlot> parameters{};

  // The report's description, formula and parameter lines.
  ReportLines report{};
  TempValues tempValues = TempValues::None;

  // How the calculator evaluates the code (calculator_form.h).
  CalculatorForm calculator = CalculatorForm::Catalogue;

  bool HasFunction() const { return forward != nullptr; }
  bool HasInverse() const { return inverse != nullptr; }
  bool IsComposite() const { return composite.has_value(); }
  bool IsNormalFamily() const { return kind == DistributionKind::NormalMember; }
  // The calculator inverts every law but the forms that say otherwise; the
  // normal family by its grid search.
  bool HasCalculatorInverse() const { return CalculatorInverts(calculator); }
};

// Every row, in ascending code order.
std::span<const DistributionRow> AllRows();

// The row of `code`; null for 0 and for codes that are not assigned.
const DistributionRow* FindRow(int code);

// The row of a code the caller knows to be assigned. A code without a row is
// a program error, not a user's: it throws std::logic_error naming the code.
const DistributionRow& RowOf(int code);

// A member of the normal family, normal in a variable of Y (normal_variable.h).
bool IsNormalFamily(int code);

// Where the bound of `code` lies; None for every code but 33, 35, 58, 59.
BoundSide BoundSideOf(int code);

// The line of a regression member with its fitted slots; code 6 has no
// intercept, its B is taken as 0.
Predictor MemberLine(const RegressionMember& member, const LinearParams& line);

}  // namespace quarlin
