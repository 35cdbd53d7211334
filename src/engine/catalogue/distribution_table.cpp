#include "engine/catalogue/distribution_table.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/catalogue/bound_formulas.h"
#include "engine/catalogue/laplace_formulas.h"
#include "engine/catalogue/own_formulas.h"
#include "engine/catalogue/row_formulas.h"

namespace quarlin {
namespace {

// The texts of a row: list name, report name, ranked-list line, progress lines.
struct Texts {
  std::string_view list, report, nameLine;
  std::array<std::string_view, 2> progress{};
};

constexpr DistributionRow Row(int code, DistributionKind kind, const Texts& t,
                              std::span<const ParameterSlot> parameters, ForwardFn forward,
                              InverseFn inverse) {
  return {.code = code,
          .kind = kind,
          .listName = t.list,
          .reportName = t.report,
          .nameLine = t.nameLine,
          .progressLines = t.progress,
          .preferenceNumber = code,
          .forward = forward,
          .inverse = inverse,
          .parameters = parameters};
}

// Codes 1 and 2: the report has no name of its own for them either. A
// parameter file that names them is read as a line's A and B.
constexpr DistributionRow NameOnly(int code, std::string_view name) {
  return {.code = code, .listName = name, .reportName = name, .parameters = kLineAB};
}

// A line's parameters: its slope and intercept, the exponent where it is
// searched, the slope alone for the ratio line through the origin.
constexpr std::span<const ParameterSlot> LineSlots(const RegressionMember& member) {
  if (member.ratioLine) return kLineA;
  if (member.scale == Scale::Power) return kLineABE;
  return kLineAB;
}

constexpr DistributionRow Line(const RegressionMember& member, const Texts& t) {
  DistributionRow row = Row(member.code, DistributionKind::RegressionMember, t, LineSlots(member),
                            LineForward, LineInverse);
  row.regression = member;
  return row;
}

constexpr DistributionRow Composite(int code, Link lower, Link upper, bool generalized,
                                    const Texts& t) {
  DistributionRow row = Row(
      code,
      generalized ? DistributionKind::GeneralizedComposite : DistributionKind::SimpleComposite, t,
      generalized ? std::span<const ParameterSlot>(kGeneralizedCompositeSlots)
                  : std::span<const ParameterSlot>(kCompositeSlots),
      CompositeForward, CompositeInverse);
  row.composite = CompositeShape{lower, upper, generalized};
  return row;
}

constexpr DistributionRow Simple(int code, Link lower, Link upper, const Texts& t) {
  return Composite(code, lower, upper, false, t);
}

constexpr DistributionRow Generalized(int code, Link lower, Link upper, const Texts& t) {
  return Composite(code, lower, upper, true, t);
}

constexpr DistributionRow Normal(int code, const Texts& t) {
  // Only the generalized member adds its exponent.
  const std::span<const ParameterSlot> slots =
      code == kGeneralizedNormal ? std::span<const ParameterSlot>(kNormalSlotsE) : kNormalSlots;
  return Row(code, DistributionKind::NormalMember, t, slots, NormalForward, nullptr);
}

constexpr DistributionRow OwnFormula(int code, const Texts& t, std::span<const ParameterSlot> slots,
                                     ForwardFn forward, InverseFn inverse) {
  return Row(code, DistributionKind::OwnFormulaFamily, t, slots, forward, inverse);
}

constexpr DistributionRow Bounded(int code, BoundSide side, const Texts& t) {
  DistributionRow row = OwnFormula(code, t, kBoundABC, BoundForward, BoundInverse);
  row.bound = side;
  return row;
}

constexpr DistributionRow Student(int code, const Texts& t, ForwardFn forward, InverseFn inverse) {
  return Row(code, DistributionKind::Student, t, kStudentSlots, forward, inverse);
}

constexpr DistributionRow WithPreference(DistributionRow row, int number) {
  row.preferenceNumber = number;
  return row;
}

constexpr Link G = Link::Gumbel, M = Link::MirroredGumbel, L = Link::Logistic, Q = Link::Poisson;
constexpr Scale kPower = Scale::Power, kLog = Scale::Log;

// Every text exactly as lists, progress memos and reports have always shown
// it: "lLogistic", "mirrorred", "generalizd", "Ajusted", "Fisher-Tippet",
// the double blanks of 11 and 13 and 11's trailing blank belong to them.
constexpr std::array kRows{
    NameOnly(kGeneralizedLinear, "Generalized linear"),
    NameOnly(kGeneralizedLinearExponential, "Generalized linear exponential"),
    Line({.code = kGeneralizedExponential,
          .link = Q,
          .scale = kPower,
          .finalGuards = true,
          .exponentOneExcluded = true},
         {"Generalized exponential (Poisson) distribution",
          "Generalized exponential (Poisson)",
          " Generalized exponential (Poisson-type) distribution",
          {" 3 done"}}),
    Line({.code = kGumbel, .link = G, .setsSpread = true},
         {"Gumbel distribution", "Gumbel distribution", " Gumbel distribution", {" 4 done"}}),
    Line({.code = kMirroredGumbel, .link = M, .setsSpread = true}, {"Mirrored Gumbel distribution",
                                                                    "Mirrored Gumbel distribution",
                                                                    " Mirrored Gumbel distribution",
                                                                    {" 5 done"}}),
    Line({.code = kSimpleExponential, .link = Q, .ratioLine = true},
         {"Simple exponential (Poisson) distribution",
          "Simple exponential (Poisson)",
          " Exponential distribution (Poisson type)",
          {" please wait ..."}}),
    Simple(kCompositeMirroredGumbel, M, M,
           {"Composite Gumbel mirrored distribution",
            "Composite mirrored Gumbel distribution",
            " Composite Gumbel distribution mirrored",
            {" 7 done"}}),
    Simple(kCompositeLogistic, L, L,
           {"Composite logistic distribution",
            "Composite logistic distribution",
            " Composite logistic distribution",
            {" 8 done"}}),
    Simple(kCompositeGumbel, G, G,
           {"Composite Gumbel distribution",
            "Composite Gumbel distribution",
            " Composite Gumbel distribution",
            {" 9 done"}}),
    Simple(kCompositeMirroredGumbelLogistic, M, L,
           {"Composite Gumbel mirrored + logistic distribution",
            "Composite Gumbel mirrored + logistic distribution",
            " Gumbel mirrored + Logistic distribution",
            {" 10 done"}}),
    Simple(kCompositeMirroredGumbelGumbel, M, G,
           {"Mirrored Gumbel + standard Gumbel distribution",
            "Mirrored Gumbel + standard Gumbel distribution",
            " Gumbel mirrored  + Gumbel standard distribution ",
            {" 11 done"}}),
    Simple(kCompositeGumbelLogistic, G, L,
           {"Composite Gumbel + logistic distribution",
            "Composite Gumbel + logistic distribution",
            " Gumbel + Logistic distribution",
            {" 12 done"}}),
    Simple(kCompositeGumbelMirroredGumbel, G, M,
           {"Standard Gumbel + mirrored Gumbel distribution",
            "Standard Gumbel + mirrored Gumbel distribution",
            " Gumbel + Gumbel Mirrored  distribution",
            {" 13 done"}}),
    Simple(kCompositeLogisticMirroredGumbel, L, M,
           {"Composite logistic + mirrored Gumbel distribution",
            "Composite logistic + mirrored Gumbel distribution",
            " Logistic + Gumbel mirrored distribution",
            {" 14 done"}}),
    Simple(kCompositeLogisticGumbel, L, G,
           {"Composite logistic + Gumbel distribution",
            "Composite logistic + Gumbel distribution",
            " Logistic + Gumbel distribution",
            {" 15 done"}}),
    Simple(kCompositeGumbelPoisson, G, Q,
           {"Composite Gumbel + Poisson distribution",
            "Composite Gumbel + Poisson distribution",
            " Gumbel + Poisson distribution",
            {" 16 done"}}),
    Simple(kCompositeMirroredGumbelPoisson, M, Q,
           {"Composite Gumbel mirrored + Poisson distribution",
            "Composite Gumbel mirrored + Poisson distribution",
            " Gumbel mirrored + Poisson distribution",
            {" 17 done"}}),
    Simple(kCompositeLogisticPoisson, L, Q,
           {"Composite lLogistic + Poisson distribution",
            "Composite logistic + Poisson distribution",
            " Logistic + Poisson distribution",
            {" 18 done"}}),
    Normal(kNormal, {"Normal distribution usual",
                     "Normal distribution (standard)",
                     " Normal distribution standard",
                     {" 90 done"}}),
    Normal(kNormalOptimized, {"Normal distribution optimized",
                              "Normal distribution optimized",
                              " Normal distribution optimized",
                              {" 91 done"}}),
    Normal(kLogNormal, {"Log-normal distribution usual",
                        "Log-normal distribution",
                        " Log-normal distribution standard",
                        {" 92 done"}}),
    Normal(kLogNormalOptimized, {"Log-normal distribution optimized",
                                 "Log-normal distribution optimized",
                                 " Log-normal distribution optimized",
                                 {" 93 done"}}),
    Normal(kRootNormal, {"Root-normal distribution",
                         "Root-normal distribution",
                         " Root-normal distribution optimized",
                         {" 94 done"}}),
    Normal(kSquareNormal, {"Square-normal distribution",
                           "Square-normal distribution",
                           " Square normal distribution optimized",
                           {" 95 done"}}),
    Normal(kGeneralizedNormal, {"Generalized normal distribution",
                                "Generalized normal distribution",
                                " Generalized normal distribution",
                                {" 96 done"}}),
    OwnFormula(kBurr,
               {"Burr (generalized Pareto-Lomax) distribution",
                "Burr distribution",
                " Burr distribution generalized",
                {" 31 done"}},
               kBurrSlots, OwnForward<&FittedParams::burr, BurrF>,
               OwnInverse<&FittedParams::burr, BurrInverse>),
    OwnFormula(kDagum,
               {"Dagum (mirrorred Burr) distribution",
                "Dagum distribution",
                " Dagum distribution generalized",
                {" 32 done"}},
               kBurrSlots, OwnForward<&FittedParams::burr, DagumF>,
               OwnInverse<&FittedParams::burr, DagumInverse>),
    Bounded(kMirroredFisherTippett3, BoundSide::Upper,
            {"Fisher-Tippett type 3 mirrored",
             "Mirrored Fisher-Tippett III distribution",
             " Fisher-Tippett type 3 mirrorered",
             {" 33 done"}}),
    OwnFormula(kGeneralizedGompertz,
               {"Generalized Gompertz distribution",
                "Generalized Gompertz distribution",
                " Gompertz distribution generalized",
                {" 34 done"}},
               kGompertzSlots, OwnForward<&FittedParams::gompertz, GompertzF>,
               OwnInverse<&FittedParams::gompertz, GompertzInverse>),
    // Its progress line has always named code 59.
    Bounded(kMirroredFrechet, BoundSide::Lower,
            {"Mirrored Frechet distribution",
             "Mirrored Frechet distribution",
             " Frechet (Fisher-Tippet Type 2) mirrored",
             {" 59 done"}}),
    WithPreference(
        OwnFormula(kKumaraswamy,
                   {"Kumaraswamy distribution",
                    "Kumaraswamy distribution",
                    " Kumaraswamy distribution",
                    {" 36 done"}},
                   kKumaraswamySlots, OwnForward<&FittedParams::kumaraswamy, KumaraswamyF>,
                   OwnInverse<&FittedParams::kumaraswamy, KumaraswamyInverse>),
        39),
    Line({.code = kGeneralizedGumbel,
          .link = G,
          .scale = kPower,
          .exponentOneExcluded = true,
          .setsSpread = true},
         {"Generalized Gumbel distribution",
          "Generalized Gumbel distribution",
          " Gumbel distribution generalized",
          {" 51 done"}}),
    Line({.code = kGeneralizedMirroredGumbel,
          .link = M,
          .scale = kPower,
          .exponentOneExcluded = true},
         {"Generalized mirrored Gumbel distribution",
          "Generalized mirrored Gumbel distribution",
          " Generalized Mirrored Gumbel distribution",
          {" 52 done"}}),
    Line(
        {.code = kLogistic, .link = L},
        {"Logistic distribution", "Logistic distribution", " Logistic distribution", {" 53 done"}}),
    Line({.code = kLogLogistic, .link = L, .scale = kLog}, {"Log-logistic distribution",
                                                            "Log-logistic distribution",
                                                            " Log-logistic distribution",
                                                            {" 54 done"}}),
    Line({.code = kGeneralizedLogistic, .link = L, .scale = kPower, .exponentOneExcluded = true},
         {"Generalized logistic distribution",
          "Generalized logistic distribution",
          " Generalized logistic distribution",
          {" 50% completed .."}}),
    // Shows no progress line of its own.
    OwnFormula(
        kAdjustedFisk,
        {"Adjusted Fisk distribution", "Ajusted Fisk distribution", " Adjusted Fisk distribution"},
        kFiskAB, OwnForward<&FittedParams::fisk, FiskF>,
        OwnInverse<&FittedParams::fisk, FiskInverse>),
    Line({.code = kWeibull, .link = Link::Weibull, .scale = kLog},
         {"Weibull distribution", "Weibull distribution", " Weibull distribution", {" 57 done"}}),
    Bounded(kFrechet, BoundSide::Lower,
            {"Frechet distribution",
             "Frechet distribution",
             " Frechet (Fisher-Tippet Type 2) distribution",
             {" 58 done"}}),
    Bounded(kFisherTippett3, BoundSide::Upper,
            {"Fisher-Tippett type 3 distribution",
             "Fisher-Tippett type 3 distribution",
             " Fisher-Tippett type 3 distribution",
             {" progressing ..."}}),
    Line({.code = kMirroredWeibull, .link = Link::MirroredWeibull, .scale = kLog},
         {"Mirrored Weibull distribution",
          "Mirrored Weibull distribution",
          " mirrored Weibull distribution",
          {" 60 done"}}),
    // No inverse: the confidence limits of X take a band around the datum.
    OwnFormula(kGamma,
               {"Gamma (Erlang) distribution",
                "Gamma (Erlang) distribution",
                " Gamma (Erlang) distribution",
                {" Advancing ..."}},
               kGammaAB, OwnForward<&FittedParams::gamma, GammaF>, nullptr),
    Student(kStudentOneDf,
            {"Student t-distribution with 1 d.f.",
             "Student distribution with 1 d.f.",
             " Student distribution with 1 d.f.",
             {" 62 done"}},
            OwnForward<&FittedParams::student, StudentOneF>,
            OwnInverse<&FittedParams::student, StudentOneInverse>),
    // Preferred, fitted and shown together with 62.
    WithPreference(
        Student(kStudentTwoDf,
                {"Student t-distribution with 2 d.f.", "Student distribution with 2 d.f.",
                 " Student distribution with 2 d.f."},
                OwnForward<&FittedParams::student, StudentTwoF>,
                OwnInverse<&FittedParams::student, StudentTwoInverse>),
        0),
    Line({.code = kCauchy, .link = Link::Cauchy},
         {"Cauchy distribution", "Cauchy distribution", " Cauchy distribution", {" 64 done"}}),
    Line({.code = kGeneralizedCauchy,
          .link = Link::Cauchy,
          .scale = kPower,
          .exponentOneExcluded = true},
         {"Generalized Cauchy distribution",
          "Generalized Cauchy distribution",
          " Generalized Cauchy distribution",
          {" 65 done"}}),
    Line({.code = kMirroredPoisson,
          .link = Link::MirroredPoisson,
          .scale = kPower,
          .finalGuards = true},
         {"Mirrored Poisson distribution",
          "Generalized mirrored Poisson distribution",
          " Mirrored exponential (Poisson) distribution",
          {" 66 done"}}),
    OwnFormula(kGev,
               {"Generalized extreme value (GEV) distribution",
                "Generalized extreme value (GEV) distribution",
                " GEV distribution",
                {" 67 done"}},
               kGevSlots, OwnForward<&FittedParams::gev, GevF>,
               OwnInverse<&FittedParams::gev, GevInverse>),
    OwnFormula(kLaplace,
               {"Laplace distribution",
                "Composite Laplace distribution",
                " Laplace distribution (standard)",
                {" 68 done"}},
               kLaplaceSlots, OwnForward<&FittedParams::laplace, LaplaceF>,
               OwnInverse<&FittedParams::laplace, LaplaceInverse>),
    OwnFormula(kGeneralizedRayleigh,
               {"Generalized Rayleigh distribution",
                "Generalized Rayleigh distribution",
                " Generalized Rayleigh distribution",
                {" 69 done ..."}},
               kRayleighSlots, OwnForward<&FittedParams::rayleigh, RayleighF>,
               OwnInverse<&FittedParams::rayleigh, RayleighInverse>),
    Generalized(kCompositeGeneralizedLogistic, L, L,
                {"Composite generalized logistic distribution",
                 "Composite generalized logistic distribution",
                 " Composite generalizd logistic distribution",
                 {" 70 done"}}),
    Generalized(kCompositeGeneralizedGumbel, G, G,
                {"Composite generalized Gumbel distribution",
                 "Composite generalized Gumbel distribution",
                 " Composite generalized Gumbel distribution",
                 {" 71 done"}}),
    Generalized(kCompositeGeneralizedPoisson, Q, Q,
                {"Composite generalized Poisson distribution",
                 "Composite generalized Poisson distribution",
                 " Composite generalized exponential (Poisson) distribution",
                 {" 72 done"}}),
    OwnFormula(kGeneralizedLaplace,
               {"Generalized Laplace distribution",
                "Generalized Laplace distribution",
                " Generalized Laplace distribution",
                {" 73 done"}},
               kGeneralizedLaplaceSlots, OwnForward<&FittedParams::laplace, GeneralizedLaplaceF>,
               OwnInverse<&FittedParams::laplace, GeneralizedLaplaceInverse>),
    WithPreference(Generalized(kCompositeGeneralizedMirroredGumbel, M, M,
                               {"Composite generalized Gumbel mirrored",
                                "Composite generalized Gumbel mirrored",
                                " Composite mirrored Gumbel distribution generalized",
                                {" 74 done"}}),
                   90),
    Generalized(kCompositeGeneralizedLogisticGumbel, L, G,
                {"Composite logistic and Gumbel distribution",
                 "Composite logistic + Gumbel distribution",
                 " Generalized logistic + Gumbel distribution",
                 {" 80 done", " Progress 20% ....."}}),
    Generalized(kCompositeGeneralizedLogisticPoisson, L, Q,
                {"Composite logistic and Poisson distribution",
                 "Composite logistic + Poisson distribution",
                 " Generalized Logistic + Poisson distribution",
                 {" 81 done"}}),
    Generalized(kCompositeGeneralizedGumbelLogistic, G, L,
                {"Composite Gumbel and logistic distribution",
                 "Composite Gumbel + logistic distribution",
                 " Generalized Gumbel + logistic distribution",
                 {" 82 done ....."}}),
    Generalized(kCompositeGeneralizedGumbelPoisson, G, Q,
                {"Composite Gumbel and Poisson distribution",
                 "Composite Gumbel + Poisson distribution",
                 " Generalized Gumbel + Poisson distribution",
                 {" 83 done"}}),
    Generalized(kCompositeGeneralizedPoissonLogistic, Q, L,
                {"Composite Poisson and logistic distribution",
                 "Composite Poisson + logistic distribution",
                 " Generalized Poisson + logistic distribution",
                 {" 84 done", " Progress 60% ....."}}),
    Generalized(kCompositeGeneralizedPoissonGumbel, Q, G,
                {"Composite Poisson and Gumbel distribution",
                 "Composite Poisson + Gumbel distribution",
                 " Generalized Poisson + Gumbel distribution",
                 {" 85 done"}}),
};

constexpr int kHighestCode = kCompositeGeneralizedPoissonGumbel;

// kIndex[code]: the place of the code's row in kRows, or -1.
constexpr auto kIndex = [] {
  std::array<int8_t, kHighestCode + 1> index{};
  index.fill(-1);
  for (std::size_t i = 0; i < kRows.size(); ++i) index[kRows[i].code] = static_cast<int8_t>(i);
  return index;
}();

constexpr bool StrictlyAscending() {
  for (std::size_t i = 1; i < kRows.size(); ++i)
    if (!(kRows[i - 1].code < kRows[i].code)) return false;
  return kRows.front().code > kNoDistribution && kRows.back().code == kHighestCode;
}
static_assert(StrictlyAscending(), "rows are kept in ascending code order, one per code");

}  // namespace

std::span<const DistributionRow> AllRows() {
  return kRows;
}

const DistributionRow* FindRow(int code) {
  if (code < 0 || code > kHighestCode || kIndex[code] < 0) return nullptr;
  return &kRows[kIndex[code]];
}

const DistributionRow& RowOf(int code) {
  if (const DistributionRow* row = FindRow(code)) return *row;
  throw std::logic_error("no distribution has code " + std::to_string(code));
}

BoundSide BoundSideOf(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? row->bound : BoundSide::None;
}

Predictor MemberLine(const RegressionMember& member, const LinearParams& line) {
  return Predictor{member.link, member.scale, line.A, member.ratioLine ? 0.0 : line.B,
                   member.scale == Scale::Power ? line.E : 1.0};
}

}  // namespace quarlin
