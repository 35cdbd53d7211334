#pragma once
// What a row says about the report's lines for its code: the fixed
// description and formula texts, and the functions for the lines that carry
// the chosen values. The texts are fixed; their odd spacings and spellings
// are what users and the output readers have always seen.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/fitted_params.h"
#include "engine/model/links.h"
#include "engine/model/shift_units.h"

namespace quarlin {

// What the distribution lines need to know of the run.
struct ChosenDistribution {
  int code = 0;
  // As reported: ReportedParams() of the chosen ones.
  FittedParams params;
  // The shift constant; the shift lines print -C.
  double C = static_cast<double>(kPositiveShift);
  // The data were moved left: formulas carry the additional term.
  bool HighShift = false;
  // Code 4: the spread the fit-all driver leaves.
  double spreadS = 0;
  // From the evaluation at the data points: a datum lies below the lower
  // bound of code 35 or 58, or above the upper bound of code 33 or 59.
  bool lowerBoundWarning = false;
  bool upperBoundWarning = false;
};

// The additional term as the formulas name it.
enum class ShiftWord { C, T, Y };

// " An additional term C is used : C = " (or T, or the Y = X + C wording)
// followed by -C in three significant digits.
std::string ShiftLine(ShiftWord word, double C);

using Lines = std::vector<std::string>;

// Appends the lines of a code that carry values.
using ValueLinesFn = void (*)(const ChosenDistribution& d, Lines& lines);

// One formula line with the shift and without it.
struct ShiftedLine {
  std::string_view shifted{}, plain{};
};

// The wording of a normal member's mean and standard-deviation lines, with
// and without the shift. A member without a mean line has empty texts there.
struct NormalWording {
  std::string_view meanShift{}, mean{}, sdShift{}, sd{};
  bool optimised = false;  // the plain sd is followed by the optimised one
};

struct ReportLines {
  // The fixed description lines (unused places empty), then the lines with
  // values that belong to the description (a composite's break point, the
  // normal family's mean and spread).
  std::array<std::string_view, 2> description{};
  ValueLinesFn descriptionValues = nullptr;

  // The formula: the shift line with this word, then the shifted lines, or
  // the plain lines without the shift; no formula where both are empty.
  // Where the formula itself depends on the values (34), `formulaOf` writes
  // it instead. `formulaValues` adds the values printed with the formula.
  ShiftWord shiftWord = ShiftWord::C;
  std::array<std::string_view, 2> formulaShifted{}, formulaPlain{};
  ValueLinesFn formulaOf = nullptr;
  ValueLinesFn formulaValues = nullptr;

  // Composites: each member's formula line, and whether an empty line
  // stands before the member blocks of a linear composite.
  ShiftedLine lowerMember{}, upperMember{};
  bool emptyLineBeforeMembers = false;

  // The shared parameter lines: the code's own lines first (an exponent
  // other than a line's, a bound, a note), then the A and B lines of the
  // shared pair (no B where the line has no intercept), then the mode.
  ValueLinesFn ownParameterLines = nullptr;
  bool slopeIntercept = false;
  bool modeLine = false;
};

// The member line of a generalized composite is the same for every code
// whose member has that link.
constexpr ShiftedLine GeneralizedMemberLine(Link link, bool upper) {
  switch (link) {
    case Link::Logistic:
      return upper ? ShiftedLine{" X > P : Freq = 1/{1+exp(Ag*Y^Eg+Bg)}",
                                 " X > P : Freq = 1/{1+exp(Ag*X^Eg+Bg)}"}
                   : ShiftedLine{" X < P : Freq = 1/{1+exp(As*Y^Es+Bs)}",
                                 " X < P : Freq = 1/{1+exp(As*X^Es+Bs)}"};
    case Link::Gumbel:
      return upper ? ShiftedLine{" X > P :  Freq = exp[-exp{-(Ag*Y^Eg+Bg)}]",
                                 " X > P :  Freq = exp[-exp{-(Ag*X^Eg+Bg)}]"}
                   : ShiftedLine{" X < P :  Freq = exp[-exp{-(As*Y^Es+Bs)}]",
                                 " X < P :  Freq = exp[-exp{-(As*X^Es+Bs)}]"};
    case Link::Poisson:
      return upper ? ShiftedLine{" X > P :  Freq = 1-exp[-{Ag*(X+C)^Eg+Bg}]",
                                 " X > P :  Freq = 1-exp{-(Ag*X^Eg+Bg)}"}
                   : ShiftedLine{" X < P :  Freq = 1-exp[-{As*(X+C)^Es+Bs}]",
                                 " X < P :  Freq = 1-exp{-(As*X^Es+Bs)}"};
    case Link::MirroredGumbel:
      return upper ? ShiftedLine{" X > P :  Freq = 1 - exp[-exp{-(Ag*Y^Eg+Bg)}]",
                                 " X > P :  Freq = 1 - exp[-exp{-(Ag*X^Eg+Bg)}]"}
                   : ShiftedLine{" X < P :  Freq = 1 - exp[-exp{-(As*Y^Es+Bs)}]",
                                 " X < P :  Freq = 1 - exp[-exp{-(As*X^Es+Bs)}]"};
    default:
      return {};  // no generalized composite has such a member
  }
}

namespace report_values {

// Lines with values, for the rows to point at.
void BurrValues(const ChosenDistribution& d, Lines& lines);
void KumaraswamyValues(const ChosenDistribution& d, Lines& lines);
void GammaSummation(const ChosenDistribution& d, Lines& lines);
void GevValues(const ChosenDistribution& d, Lines& lines);
void LaplaceValues(const ChosenDistribution& d, Lines& lines);
void GeneralizedLaplaceValues(const ChosenDistribution& d, Lines& lines);
void GompertzFormula(const ChosenDistribution& d, Lines& lines);

void ExponentLine(const ChosenDistribution& d, Lines& lines);
void WeibullScale(const ChosenDistribution& d, Lines& lines);
void BoundLines(const ChosenDistribution& d, Lines& lines);
void GevBoundNote(const ChosenDistribution& d, Lines& lines);
void RayleighValues(const ChosenDistribution& d, Lines& lines);

// The linear composites print the break point in data units with three
// decimals; the generalized ones in the engine variable with three
// significant digits, two of them with the words in another order.
void LinearSeparation(const ChosenDistribution& d, Lines& lines);
void GeneralizedSeparation(const ChosenDistribution& d, Lines& lines);
void GeneralizedSeparationSwapped(const ChosenDistribution& d, Lines& lines);

// The normal family's lines after its description.
void NormalValueLines(const NormalWording& w, const ChosenDistribution& d, Lines& lines);
template <const NormalWording& wording>
void NormalValues(const ChosenDistribution& d, Lines& lines) {
  NormalValueLines(wording, d, lines);
}
// Code 26 names its exponent and the method before them.
void GeneralizedNormalHead(const ChosenDistribution& d, Lines& lines);
template <const NormalWording& wording>
void GeneralizedNormalValues(const ChosenDistribution& d, Lines& lines) {
  GeneralizedNormalHead(d, lines);
  NormalValueLines(wording, d, lines);
}

}  // namespace report_values

}  // namespace quarlin
