// Formula lines of the report: the shift line, each code's formula with and
// without the additional term, the values printed with the formula, and the
// member blocks of the composites.

#include "engine/report/report_formula.h"

#include <map>
#include <utility>

#include "common/number_text.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

using Lines = std::vector<std::string>;

struct FormulaText {
  ShiftWord word;
  Lines shifted;  // after the shift line
  Lines plain;
};

const std::map<int, FormulaText>& FormulaTexts() {
  using enum ShiftWord;
  static const std::map<int, FormulaText> texts = {
      {3, {C, {"     Freq = 1-exp[-{A*(X+C)^E+B}]"}, {"     Freq = 1-exp{-(A*X^E+B)}"}}},
      {4, {C, {"     Freq = exp[-exp{-(A*(X+C)+B)}]"}, {"     Freq = exp[-exp{-(A*X+B)}]"}}},
      {5, {C, {"     Freq = 1-exp[-exp{-(A*(X+C)+B)}]"}, {"     Freq = 1-exp[-exp{-(A*X+B)}]"}}},
      {6, {C, {"     Freq = 1-exp[-A*(X+C)]"}, {"     Freq = 1-exp{-A*X}"}}},
      {31,
       {C,
        {"    Freq = 1 - exp(E*Z+D) where Z = ln[B/{(X+C)^A+B}]"},
        {"    Freq = 1 - exp(E*Z+D) where Z = ln[B/(X^A+B)]"}}},
      {32,
       {C,
        {"    Freq = exp(E*Z+D) where Z = ln[B/{X^(A+C)+B}]+D"},
        {"    Freq = exp(E*Z+D) where Z = ln[B/(X^A+B)]"}}},
      {36, {C, {"     Freq = 1 - [1 - {(X+C)/M)}^A)]^B"}, {"     Freq = 1 - [1 - (X/M)^A]^B]"}}},
      {51, {C, {"     Freq = exp[-exp{-(A*(X+C)^E+B)}]"}, {"     Freq = exp[-exp{-(A*X^E+B)}]"}}},
      {52,
       {C, {"     Freq = 1-exp[-exp{-(A*(X+C)^E+B)}]"}, {"     Freq = 1-exp[-exp{-(A*X^E+B)}]"}}},
      {53, {C, {"     Freq = 1/[1+exp{A*(X+C)+B)}]"}, {"     Freq = 1/{1+exp(A*X+B)}"}}},
      {54, {C, {"     Freq = 1/{1+exp(A*Ln(X+C)+B)}"}, {"     Freq = 1/{1+exp(A*LnX+B)}"}}},
      {55, {Y, {"     Freq = 1/{1+exp(A*Y^E+B)}"}, {"     Freq = 1/{1+exp(A*X^E+B)}"}}},
      {56, {C, {"     Freq = 1-{B/(X+C+B)}^A"}, {"     Freq = 1-{B/(X+B)}^A"}}},
      {57, {T, {"     Freq = exp[-{(X+T)/C}^A)}"}, {"     Freq = exp[-(X/C)^A]"}}},
      {58,
       {T, {"     Freq = exp[-{(X+T-C)/exp(-B/A)}^A]"}, {"     Freq = exp[-{(X-C)/exp(-B/A)}^A]"}}},
      {35,
       {T,
        {"     Freq = 1 - exp[-{(X+T-C)/exp(-B/A)}^A]"},
        {"     Freq = 1 - exp[-{(X-C)/exp(-B/A)}^A]"}}},
      {59,
       {T, {"     Freq = exp[-{(C-X-T)/exp(-B/A)}^A]"}, {"     Freq = exp[-{(C-X)/exp(-B/A)}^A]"}}},
      {33,
       {T,
        {"     Freq = 1 - exp[-{(C-X-T)/exp(-B/A)}^A]"},
        {"     Freq = 1 - exp[-{(C-X)/exp(-B/A)}^A]"}}},
      {60, {T, {"     Freq = exp[-{(X+T)^E/C}^A)]"}, {"     Freq = exp{-(X^E/C)^A)}"}}},
      {61,
       {C,
        {"     Fc = 1 - Sum(1/n!).[ {(X+C)/A}^n.exp{-(X+C)/A} ]"},
        {"     Fc = 1 - Sum [ (1/n!).{(X/A)^n}.exp(-X/A) ]"}}},
      {62, {T, {"     Freq = 0.5 + arctan(Y+T)/pi"}, {"     Freq = 0.5 + arctan(Y)/pi"}}},
      {63,
       {T, {"     Freq = 0.5[1+{(Y+T)/sqrt(2+(Y+T)^2)}]"}, {"     Freq = 0.5[1+{Y/sqrt(2+Y^2)}]"}}},
      {64,
       {T, {"     Freq = (1/pi)*arctan{A*(X+T)-B}+0.5"}, {"     Freq = (1/pi)*arctan(A*X+B)+0.5"}}},
      {65,
       {T,
        {"     Freq = (1/pi)*arctan{A*(X+T)^E+B}+0.5"},
        {"     Freq = (1/pi)*arctan(A*X^E+B)+0.5"}}},
      {66, {C, {"     Freq = exp[-{A*(X+C)^E+B}]"}, {"     Freq = exp{-(A*X^E+B)}"}}},
      {67,
       {C, {"     Freq = exp[-{1+K(X+C-A)/B}^(-1/K)]"}, {"     Freq = exp[-{1+K(X-A)/B}^(-1/K)]"}}},
      {68,
       {C,
        {" X<B Freq = 0.5*exp{A1*(X+C-B)}", " X>B Freq = 1-0.5*exp{A2*(B-X-C)}"},
        {" X<B Freq = 0.5*exp{A1*(X-B)}", " X>B Freq = 1-0.5*exp{A2*(B-X)}"}}},
      {69, {C, {"     Freq = 1 - exp((X+C)^E/S)"}, {"     Freq = 1 - exp(X^E/S)"}}},
      {73,
       {C,
        {" X<B Freq = 0.5*exp[A1*{(X+C)^E1-B}]", " X>B Freq = 1-0.5*exp[A2*{B-(X+C)^E2}]"},
        {" X<B Freq = 0.5*exp{A1*(X^E1-B)}", " X>B Freq = 1-0.5*exp{A2*(B-X^E2)}"}}},
  };
  return texts;
}

// Code 34: the variable Z and the shift decide the text together; with the
// shift and without the Z = X + 1 variable no shift line is printed.
Lines GompertzFormula(const ChosenDistribution& d) {
  const bool flag = d.params.gompertz.flag;
  if (d.HighShift && flag)
    return {ShiftLine(ShiftWord::C, d.C), "     Freq = 1-exp[A*{Exp(B*Z^E) - 1}]  where Z = X-C"};
  if (d.HighShift) return {"     Freq = 1-exp[A*{Exp{B*X^E) - 1}]"};
  if (flag) return {"     Freq = 1-exp[A*{Exp(B*Z^E) - 1}]    where Z = X+1"};
  return {"     Freq = 1-exp[A*{Exp(B*X^E) - 1}]"};
}

// The values printed right after the formula of some codes.
Lines FormulaValueLines(const ChosenDistribution& d) {
  const FittedParams& p = d.params;
  switch (d.code) {
    case kBurr:
    case kDagum:
      return {"    B = " + Sci3(p.burr.B) + "    A = " + Sci3(p.burr.A) +
              "    D = " + Sci3(p.burr.D) + "    E = " + Sci3(p.burr.E)};
    case kKumaraswamy:
      return {"      M = " + Sci3(p.kumaraswamy.M) + "      A = " + Sci3(p.kumaraswamy.A) +
              "      B = " + Sci3(p.kumaraswamy.B)};
    case kGamma:
      return {"     Summation from n=0 to n=B"};
    case kGev:
      return {"     K = " + Sci3(p.gev.K) + "  A = " + Sci3(p.gev.A) + "  B = " + Sci3(p.gev.B)};
    case kLaplace:
      return {"        B =  " + Sci3(p.laplace.L) + "  A1 =  " + Sci3(1.0 / p.laplace.D1) +
              "  A2 =  " + Sci3(1.0 / p.laplace.D2)};
    case kGeneralizedLaplace:
      return {
          " B =  " + Sci3(p.laplace.L) + "  A1 =  " + Sci3(1.0 / p.laplace.D1) +
              "  A2 =  " + Sci3(1.0 / p.laplace.D2),
          " The exponents are: E1 =  " + Sci3(p.laplace.E1) + "  and E2 =  " + Sci3(p.laplace.E2)};
    default:
      return {};
  }
}

// A member formula line with and without the shift.
struct MemberText {
  const char* shifted;
  const char* plain;
};

struct MemberTexts {
  MemberText s, g;
};

// The generalized members, by the code whose two members share the link.
const std::map<int, MemberTexts>& GeneralizedMemberTexts() {
  static const std::map<int, MemberTexts> texts = {
      {70,
       {{" X < P : Freq = 1/{1+exp(As*Y^Es+Bs)}", " X < P : Freq = 1/{1+exp(As*X^Es+Bs)}"},
        {" X > P : Freq = 1/{1+exp(Ag*Y^Eg+Bg)}", " X > P : Freq = 1/{1+exp(Ag*X^Eg+Bg)}"}}},
      {71,
       {{" X < P :  Freq = exp[-exp{-(As*Y^Es+Bs)}]", " X < P :  Freq = exp[-exp{-(As*X^Es+Bs)}]"},
        {" X > P :  Freq = exp[-exp{-(Ag*Y^Eg+Bg)}]",
         " X > P :  Freq = exp[-exp{-(Ag*X^Eg+Bg)}]"}}},
      {72,
       {{" X < P :  Freq = 1-exp[-{As*(X+C)^Es+Bs}]", " X < P :  Freq = 1-exp{-(As*X^Es+Bs)}"},
        {" X > P :  Freq = 1-exp[-{Ag*(X+C)^Eg+Bg}]", " X > P :  Freq = 1-exp{-(Ag*X^Eg+Bg)}"}}},
      {74,
       {{" X < P :  Freq = 1 - exp[-exp{-(As*Y^Es+Bs)}]",
         " X < P :  Freq = 1 - exp[-exp{-(As*X^Es+Bs)}]"},
        {" X > P :  Freq = 1 - exp[-exp{-(Ag*Y^Eg+Bg)}]",
         " X > P :  Freq = 1 - exp[-exp{-(Ag*X^Eg+Bg)}]"}}},
  };
  return texts;
}

// The mixed generalized composites borrow their member lines: code ->
// (code of the s line, code of the g line).
std::pair<int, int> GeneralizedMemberSources(int code) {
  constexpr int kLogisticTexts = kCompositeGeneralizedLogistic;
  constexpr int kGumbelTexts = kCompositeGeneralizedGumbel;
  constexpr int kPoissonTexts = kCompositeGeneralizedPoisson;
  switch (code) {
    case kCompositeGeneralizedLogisticGumbel:
      return {kLogisticTexts, kGumbelTexts};
    case kCompositeGeneralizedLogisticPoisson:
      return {kLogisticTexts, kPoissonTexts};
    case kCompositeGeneralizedGumbelLogistic:
      return {kGumbelTexts, kLogisticTexts};
    case kCompositeGeneralizedGumbelPoisson:
      return {kGumbelTexts, kPoissonTexts};
    case kCompositeGeneralizedPoissonLogistic:
      return {kPoissonTexts, kLogisticTexts};
    case kCompositeGeneralizedPoissonGumbel:
      return {kPoissonTexts, kGumbelTexts};
    default:
      return {code, code};
  }
}

const std::map<int, MemberTexts>& LinearMemberTexts() {
  static const MemberText mirroredS10 = {"     X < P :  Freq = 1-exp[-exp{-(As*Y+Bs)}]",
                                         "     X < P :  Freq = 1-exp[-exp{-(As*X+Bs)}]"};
  static const MemberText gumbelS12 = {"     X < P :  Freq = exp[-exp{-(As*Y+Bs)}]",
                                       "     X < P :  Freq = exp[-exp{-(As*X+Bs)}]"};
  static const MemberText mirroredG13 = {"     X > P :  Freq = 1-exp[-exp{-(As*Y+Bs)}]",
                                         "     X > P :  Freq = 1-exp[-exp{-(As*X+Bs)}]"};
  static const MemberText logisticS14 = {"     X < P :  Freq = 1/[1+exp{Ag*Y+Bg}]",
                                         "     X < P :  Freq = 1/{1+exp(Ag*X+Bg)}"};
  static const MemberText poissonG16 = {"     X > P :  Freq = 1-exp[-{Ag*Y)+Bg}]",
                                        "     X > P :  Freq = 1-exp{-(Ag*X+Bg)}"};
  static const std::map<int, MemberTexts> texts = {
      {7,
       {{"      X < P :  Freq = 1-exp[-exp{-(As*Y+Bs)}]",
         "      X < P :  Freq = 1-exp[-exp{-(As*X+Bs)}]"},
        {"      X > P :  Freq = 1-exp[-exp{-(Ag*Y+Bg)}]",
         "      X > P :  Freq = 1-exp[-exp{-(Ag*X+Bg)}]"}}},
      {8,
       {{"      X < P :  Freq = 1/{1+exp(As*(Y+Bs)}", "      X < P :  Freq = 1/{1+exp(As*X+Bs)}"},
        {"      X > P :  Freq = 1/[1+exp{Ag*Y+Bg)}]", "      X > P :  Freq = 1/{1+exp(Ag*X+Bg)}"}}},
      {9,
       {{" X < P :  Freq = exp[-exp{-(As*Y+Bs)}]", " X < P :  Freq = exp[-exp{-(As*X+Bs)}]"},
        {" X > P :  Freq = exp[-exp{-(Ag*Y+Bg)}]", " X > P :  Freq = exp[-exp{-(Ag*X+Bg)}]"}}},
      {10,
       {mirroredS10,
        {"     X > P :  Freq = 1/{1+exp(Ag*Y+Bg)}", "     X > P :  Freq = 1/{1+exp(Ag*X+Bg)}"}}},
      {11,
       {mirroredS10,
        {"     X > P :  Freq = exp[-exp{-(Ag*Y+B)}]",
         "     X > P :  Freq = exp[-exp{-(Ag*X+B)}]"}}},
      {12,
       {gumbelS12,
        {"     X > P :  Freq = 1/[1+exp{Ag*Y+Bg}]", "     X > P :  Freq = 1/{1+exp(Ag*X+Bg)}"}}},
      {13, {gumbelS12, mirroredG13}},
      {14, {logisticS14, mirroredG13}},
      {15,
       {logisticS14,
        {"     X > P :  Freq = exp[-exp{-(As*Y+Bs)}]",
         "     X > P :  Freq = exp[-exp{-(As*X+Bs)}]"}}},
      {16, {mirroredS10, poissonG16}},
      {17, {mirroredS10, poissonG16}},
      {18,
       {{"     X < P :  Freq = 1/[1+exp{Ag*(X+C)+Bg}]", "     X < P :  Freq = 1/{1+exp(Ag*X+Bg)}"},
        {"     X > P :  Freq = 1-exp[-{Ag*(X+C)+Bg}]", "     X > P :  Freq = 1-exp{-(Ag*X+Bg)}"}}},
  };
  return texts;
}

std::string Pick(const MemberText& text, bool shifted) {
  return shifted ? text.shifted : text.plain;
}

std::string LowerValues(const CompositeParams& c) {
  return "          As = " + Sci3(c.As) + "        Bs = " + Sci3(c.Bs);
}

std::string UpperValues(const CompositeParams& c) {
  return "          Ag = " + Sci3(c.Ag) + "        Bg = " + Sci3(c.Bg);
}

Lines GeneralizedCompositeLines(const ChosenDistribution& d) {
  const auto [sCode, gCode] = GeneralizedMemberSources(d.code);
  const CompositeParams& c = d.params.composite;
  Lines lines = {""};
  if (d.HighShift) lines.push_back(ShiftLine(ShiftWord::Y, d.C));
  lines.push_back(Pick(GeneralizedMemberTexts().at(sCode).s, d.HighShift));
  lines.push_back(LowerValues(c));
  lines.push_back("          The value of exponent Es is: " + Sci3(c.Es));
  lines.push_back(Pick(GeneralizedMemberTexts().at(gCode).g, d.HighShift));
  lines.push_back(UpperValues(c));
  lines.push_back("          The value of exponent Eg is: " + Sci3(c.Eg));
  return lines;
}

bool IsGeneralizedComposite(int code) {
  const DistributionRow* row = FindRow(code);
  return row && row->kind == DistributionKind::GeneralizedComposite;
}

}  // namespace

std::string ShiftLine(ShiftWord word, double C) {
  switch (word) {
    case ShiftWord::C:
      return " An additional term C is used : C = " + Sci3(-C);
    case ShiftWord::T:
      return " An additional term T is used : T = " + Sci3(-C);
    case ShiftWord::Y:
      return " The variable X is replaced by Y=X+C, with C = " + Sci3(-C);
  }
  return {};
}

std::vector<std::string> FormulaLines(const ChosenDistribution& d) {
  if (d.code == kGeneralizedGompertz) return GompertzFormula(d);
  if (IsGeneralizedComposite(d.code)) return GeneralizedCompositeLines(d);
  const auto found = FormulaTexts().find(d.code);
  if (found == FormulaTexts().end()) return {};
  const FormulaText& text = found->second;
  Lines lines;
  if (d.HighShift) lines.push_back(ShiftLine(text.word, d.C));
  const Lines& formula = d.HighShift ? text.shifted : text.plain;
  lines.insert(lines.end(), formula.begin(), formula.end());
  const Lines values = FormulaValueLines(d);
  lines.insert(lines.end(), values.begin(), values.end());
  return lines;
}

std::vector<std::string> LinearCompositeLines(const ChosenDistribution& d) {
  const auto found = LinearMemberTexts().find(d.code);
  if (found == LinearMemberTexts().end()) return {};
  const CompositeParams& c = d.params.composite;
  Lines lines;
  if (d.code == kCompositeGumbel || d.code == kCompositeMirroredGumbelLogistic) lines.push_back("");
  if (d.HighShift)
    lines.push_back(
        ShiftLine(d.code == kCompositeLogisticPoisson ? ShiftWord::C : ShiftWord::Y, d.C));
  lines.push_back(Pick(found->second.s, d.HighShift));
  lines.push_back(LowerValues(c));
  lines.push_back(Pick(found->second.g, d.HighShift));
  lines.push_back(UpperValues(c));
  return lines;
}

}  // namespace quarlin
