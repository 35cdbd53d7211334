// Description lines of the report, and the normal family's value lines that
// belong to its description.

#include <map>

#include "common/number_text.h"
#include "engine/catalogue/codes.h"
#include "engine/catalogue/composite_members.h"
#include "engine/report/report_formula.h"

namespace quarlin {
namespace {

using Lines = std::vector<std::string>;

const std::map<int, Lines>& FixedDescriptions() {
  static const std::map<int, Lines> lines = {
      {3,
       {" The generalized cumulative frequency function is ",
        " a-symptotic exponential (Poisson-type):"}},
      {4, {"The cumulative frequency function is double exponential (Gumbel):"}},
      {5, {" Gumbel mirrored cumulative frequency function :"}},
      {6, {" The cumulative frequency function is ", " a-symptotic exponential (Poisson-type):"}},
      {31, {" Cumulative Burr frequency function"}},
      {32, {" Cumulative Dagum frequency function"}},
      {34, {" Cumulative generalized Gompertz frequency function"}},
      {36, {" Kumaraswamy frequency function"}},
      {51, {" Cumulative frequency function of the generalized Gumbel type :"}},
      {52, {" Cumulative frequency function of the generalized Gumbel mirrored type :"}},
      {53, {" The cumulative frequency function is logistic :"}},
      {54, {" The cumulative frequency function is log-logistic :"}},
      {55, {" The cumulative frequency function is generalized logistic :"}},
      {56, {" Cumulative Fisk frequency function (adjusted)"}},
      {57, {" Cumulative frequency function of the Weibull type :"}},
      {58, {" Cumulative frequency function of the Frechet type (Fisher-Tippett 2):"}},
      {35, {" Cumulative frequency of the mirrored Frechet type (Fisher-Tippett 2):"}},
      {33, {" Cumulative frequency of mirrorred Fisher-Tippett type III :"}},
      {59, {" Cumulative frequency function of the Fisher-Tippett type III :"}},
      {60, {" Cumulative frequency of the mirrorred Weibull type :"}},
      {61, {" Cumulative frequency of the Gamma (Erlang) type"}},
      {62,
       {" Cumulative Student distribution with 1 d.f.",
        " A helpvariable is used: Y = (X-Av.X)/St.DevX."}},
      {63,
       {" Cumulative Student distribution with 2 d.f.",
        " A helpvariable is used: Y = (X-Av.X)/St.DevX."}},
      {64, {" Cumulative Cauchy distribution"}},
      {65, {" Cumulative generalized Cauchy distribution"}},
      {66, {" Cumulative frequency function of the generalized mirrored Poisson type :"}},
      {67, {" Cumulative frequency of the generalized extreme value (GEV) type :"}},
      {68, {" Cumulative frequency of the composite Laplace distribution :"}},
      {69, {" Cumulative frequency function of the Rayleigh type :"}},
      {73, {" Cumulative frequency of the generalized Laplace distribution :"}},
      // Composites: the separation point line follows.
      {7, {" The cumulative frequency function composite Gumbel mirrored :"}},
      {8, {" The cumulative frequency function is composite Logistic :"}},
      {9, {" The cumulative frequency function is composite Gumbel :"}},
      {10,
       {" The cumulative frequency function is composed of :",
        "     Gumbel mirrored (<P) + Logistic (>P) :"}},
      {11,
       {" The cumulative frequency function is composed of :",
        "     Gumbel mirrored (<P) and Gumbel standard (>P) :"}},
      {12,
       {" The cumulative frequency function is composed of :", " Gumbel (<P) and logistic (>P) :"}},
      {13,
       {" The cumulative frequency function is composed of :",
        "     Gumbel standard (<P) and Gumbel mirrored (>P) :"}},
      {14,
       {" The cumulative frequency function is composed of :",
        "     Logistic (<P) + Gumbel mirrored (>P) :"}},
      {15,
       {" The cumulative frequency function is composed of :",
        "     Logistic (<P) + Gumbel (>P) :"}},
      {16,
       {" The cumulative frequency function is composed of :",
        "      Gumbel (<P) + Poisson (>P) :"}},
      {17,
       {" The cumulative frequency function is composed of :",
        "     Gumbel mirored (<P) + Poisson (>P) :"}},
      {18,
       {" The cumulative frequency function is composed of :",
        "     Logistic (<P) + Poisson (>P) :"}},
      {70, {" The frequency function is composite logistic generalized:"}},
      {71, {" The cumulative frequency function is composite Gumbel generalized:"}},
      {72, {" The cumulative frequency function is composite Poisson generalized:"}},
      {74, {" The cumulative frequency function is composite Gumbel mirrored generalized:"}},
      {80, {" The frequency function is generalized logistic + Gumbel:"}},
      {81, {" The frequency function is generalized logistic + Poisson:"}},
      {82, {" The frequency function is generalized Gumbel + logistic:"}},
      {83, {" The frequency function is generalized Gumbel + Poisson:"}},
      {84, {" The frequency function is generalized Poisson + logistic:"}},
      {85, {" The frequency function is generalized Poisson + Gumbel:"}},
      // The normal family: its value lines follow.
      {20,
       {" The cumulative frequency function is normal.",
        " The numerical method of Hastings is applied."}},
      {21,
       {" The probability distribution is optimized normal.",
        " The numerical method of Hastings is applied."}},
      {22,
       {" The cumulative frequency function is log-normal.",
        " The numerical method of Hastings is applied."}},
      {23,
       {" The cumulative distribution is log-normal optimized.",
        " The numerical method of Hastings is applied."}},
      {24,
       {" The cumulative frequency function is root-normal.",
        " The numerical method of Hastings is applied."}},
      {25,
       {" The cumulative frequency function is square-normal.",
        " The numerical method of Hastings is applied."}},
  };
  return lines;
}

// The linear composites print the break point in data units with three
// decimals; the generalized ones in the engine variable with three
// significant digits, and two of them with the words in another order.
std::string SeparationLine(const ChosenDistribution& d) {
  const CompositeParams& c = d.params.composite;
  if (!CompositeShapeOf(d.code)->generalized)
    return " The separation point is : P = " + Fix(c.P + d.C, 6, 3);
  if (d.code == kCompositeGeneralizedGumbel || d.code == kCompositeGeneralizedMirroredGumbel)
    return " The separation point is P = : " + Sci3(c.P);
  return " The separation point is : P = " + Sci3(c.P);
}

// The wording of a normal member's mean and standard-deviation lines, with
// and without the shift. A member without a mean line has null texts there.
struct NormalWording {
  const char* meanShift;
  const char* mean;
  const char* sdShift;
  const char* sd;
  bool optimised;  // the plain sd is followed by the optimised one
};

const std::map<int, NormalWording>& NormalWordings() {
  static const std::map<int, NormalWording> wordings = {
      {21, {nullptr, nullptr, " The standard error of X+C : ", " The standard error of X: ", true}},
      {22,
       {" The mean value of Ln (X+C) is : ", " The mean value of Ln (X) is : ",
        " The standard error of Ln(X+C) : ", " The standard error of Ln(X) : ", false}},
      {23,
       {" The mean value of Ln (X+C) is optimized as : ",
        " The mean value of Ln (X) is optimized as : ", " The standard error of Ln(X+C) : ",
        " The standard error of Ln(X) : ", true}},
      {24,
       {" The mean value of sqrt(X+C)     : ", " The mean value of sqrt(X)     : ",
        " The standard error of sqrt(X+C) : ", " The standard error of sqrt(X) : ", true}},
      {25,
       {" The mean value of (X+C)sq     : ", " The mean value of Xsq     : ",
        " The standard error of (X+C)sq : ", " The standard error of Xsq : ", true}},
      {26,
       {" The average value of (X+C)^E  : ", " The average value of X^E  : ",
        " The standard error of (X+C)^E : ", " The standard error of X^E : ", true}},
  };
  return wordings;
}

Lines NormalValueLines(const ChosenDistribution& d) {
  Lines lines;
  if (d.HighShift) lines.push_back(ShiftLine(ShiftWord::C, d.C));
  const auto found = NormalWordings().find(d.code);
  if (found == NormalWordings().end()) return lines;
  const NormalWording& w = found->second;
  const NormalParams& n = d.params.normal;
  if (w.mean) lines.push_back((d.HighShift ? w.meanShift : w.mean) + Sci3(n.M));
  std::string sd = d.HighShift ? w.sdShift : w.sd;
  sd += w.optimised ? Sci3(n.S0) + " is optimized as : " + Sci3(n.S) : Sci3(n.S);
  lines.push_back(sd);
  return lines;
}

Lines GeneralizedNormalDescription(const ChosenDistribution& d) {
  return {" The frequency function is generalized normal.",
          " The X-data were temporarily transformed into X^E",
          " The exponent E is : " + Sci3(d.params.normal.E),
          " The numerical method of Hastings is applied."};
}

}  // namespace

std::vector<std::string> DescriptionLines(const ChosenDistribution& d) {
  Lines lines;
  if (d.code == kGeneralizedNormal) {
    lines = GeneralizedNormalDescription(d);
  } else if (const auto found = FixedDescriptions().find(d.code);
             found != FixedDescriptions().end()) {
    lines = found->second;
  }
  if (IsComposite(d.code)) lines.push_back(SeparationLine(d));
  if (IsNormalFamily(d.code)) {
    const Lines values = NormalValueLines(d);
    lines.insert(lines.end(), values.begin(), values.end());
  }
  return lines;
}

}  // namespace quarlin
