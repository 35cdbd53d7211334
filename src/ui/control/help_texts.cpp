#include "ui/control/help_texts.h"

namespace quarlin::ui {
namespace {

constexpr std::string_view kIntroduction =
    R"(Quarlin fits a cumulative (non-exceedance) probability distribution to a
series of observed values of one variable: yearly rainfall, peak river
flows, hydraulic conductivity samples, crop yields and the like.

How it works
The values (6 to 2500) are ranked in ascending order. The value of rank
R receives the plotting position
      Fr = R / (N+1)
where N is the number of data. Fr, also called Fc, is the observed
cumulative frequency: the estimated chance that a value is not exceeded.

Quarlin then fits about sixty distributions to the ranked data. It tests
linear, logarithmic, exponential and double-exponential functions of the
value X and of a power X^E of it, normal distributions of X, Ln(X),
sqrt(X) and X^2, and distributions with a lower or upper bound. Each
candidate gives a calculated cumulative frequency for every value, and is
scored by AvAbsDiff, the average of the absolute differences between
observed and calculated frequencies in %.

Unless you select a preferred distribution on the Input page, the best
fitting of all is chosen. The report gives its formula and parameters,
observed and calculated frequencies with a 90% confidence belt, return
periods, an interval analysis (histogram) and confidence limits of X. A
list of all distributions ranked by their fit is saved beside the report.

Data below zero are shifted temporarily by a constant so that every value
the fits see is positive; zero values are replaced by 0.001. The report
states the shift where it applies.

Use the buttons on the right for more about the distributions, composite
distributions, confidence intervals and the interval analysis.)";

constexpr std::string_view kDistributions =
    R"(Distributions and how they are fitted

Most distributions are made straight by a transformation of the frequency
(Ft = a function of Fc) and of the value (Xt = X, Ln X or X^E). A linear
regression of Ft on Xt then gives
      Ft = A*Xt + B
with the slope A and the intercept B. Where a power X^E is used, the
exponent E is found by trying a range of exponents and keeping the one
that fits best.

  Logistic            F = 1/(1+exp(A*X+B))          Ft = Ln(1/Fc - 1)
  Log-logistic        F = 1/(1+exp(A*Ln X+B))       Xt = Ln X
  Gen. logistic       F = 1/(1+exp(A*X^E+B))        Xt = X^E
  Gumbel              F = exp(-exp(-(A*X+B)))       Ft = -Ln(-Ln Fc)
  Gumbel mirrored     F = 1-exp(-exp(-(A*X+B)))     Ft = Ln(-Ln(1-Fc))
  Gen. Gumbel         as Gumbel, with X^E for X
  Exponential         F = 1-exp(-A*X)               Ft = -Ln(1-Fc)
  Gen. exponential    F = 1-exp(-(A*X^E+B))         (Poisson type)
  Exp. mirrored       F = exp(-(A*X^E+B))
  Weibull             F = 1-exp(-(X/c)^A)           Ft = Ln(-Ln(1-Fc))
                                                    Xt = Ln X
  Weibull mirrored    F = exp(-(X/c)^A)
  Cauchy              F = 0.5+arctan(A*X+B)/pi      Ft = tan(pi*(Fc-0.5))
  Gen. Cauchy         as Cauchy, with X^E for X
  Fisk (adjusted)     F = 1-1/(1+(X/B)^A)
  Rayleigh (gen.)     F = 1-exp(-X^E/S)

Normal family: the normal distribution of X, Ln X (log-normal), sqrt(X)
(root-normal), X^2 (square-normal) and X^E (generalized normal). The
"standard" forms use the mean and standard deviation of the data; the
"optimized" forms search the mean and standard deviation that fit the
plotting positions best.

Distributions with a bound: Frechet and mirrored Frechet (lower bound C),
Fisher-Tippett type III and its mirror image (upper bound C), Kumaraswamy
(upper end M), Burr and Dagum (with an added term D), generalized extreme
value (GEV: shape K, location A, scale B), generalized Gompertz, Gamma
(Erlang), Student with 1 or 2 degrees of freedom, and the Laplace
distribution and its generalized form (centre L, divisors D1 and D2,
exponents E1 and E2). Their parameters are found by searching the bound,
shape or exponent and fitting the rest, again by the smallest sum of
squared differences between observed and calculated frequencies.

Notes
- A distribution is only as good as its fit: compare AvAbsDiff in the report
  and in the list of all distributions.
- Bounded distributions warn in the report when data lie beyond the bound.
- Extrapolating far beyond the observed range is always uncertain, whatever
  the fit.)";

constexpr std::string_view kComposition =
    R"(Composite distributions

Some data series follow one law for low values and another for high
values: river discharges that are fed by ground water at low flow and by
storm runoff at high flow, rainfall in a climate with a dry and a wet
season, or soil properties of two layers sampled together. One
distribution then fits poorly; two distributions joined at a break point
fit much better.

A composite distribution consists of a distribution below the break point
P and another above it, each with its own parameters A and B (and, for the
generalized forms, its own exponent E). The members are logistic, Gumbel,
mirrored Gumbel and Poisson-type (exponential) laws, in pairs of the same
or of different kinds.

The break point is found by best fit: breaks in fifty equal steps over the
range of the data are tried, both members are fitted on their side, and
the break with the smallest sum of squared differences between observed
and calculated frequencies is kept. A composite is only accepted when it
fits better than the best single distribution and leaves enough data on
both sides of its break. The report states the break point P.

To use them, choose "Allow a composite distribution, if it can be
detected" on the Input page. Quarlin then compares the composite
distributions with all the others and chooses a composite one only when it
fits best. You can also select one composite type yourself from the list
that appears.)";

constexpr std::string_view kConfidence =
    R"(Confidence intervals

The observed cumulative frequency Fc of a value is itself uncertain:
another series of the same length would give other frequencies. Quarlin
uses the binomial standard deviation
      Sd = sqrt{Fc(1-Fc)/N}
of a frequency Fc estimated from N data. The 90% confidence limits of the
frequency lie t*Sd below and above it, with t = 1.7, the value of
Student's t-distribution for 90% two-sided limits. Near 0% and 100% each
side of the belt is narrowed in proportion to the room left, so that the
limits stay between 0 and 100%.

The report gives these limits around the calculated frequency of every
value (the confidence belt) and the return periods that belong to them. It
also gives the confidence limits of X: the values that belong to the upper
and lower frequency limits, found with the inverse of the fitted
distribution.

With few data the belt is wide: take the limits seriously when you use a
return period far beyond the length of the series.)";

constexpr std::string_view kIntervals =
    R"(Intervals (histogram)

Besides the cumulative frequencies, Quarlin compares observed and
calculated frequencies per interval. The range of X from the smallest to
the largest value is divided into equal intervals; you set their number on
the Input page (2, 5, 10 or 20 are recommended; 10 or 20 only with more
than 50 resp. 100 data).

For each interval the calculated frequency is
      Fi = F(upper end) - F(lower end)
the difference of the fitted cumulative frequency at the two ends of the
interval. The relative observed frequency is
      Fr = Nr/Nt
with Nr the number of data in the interval and Nt the total number of
data.

The report lists both per interval, and the graphs show them as
histograms.)";

constexpr std::string_view kPasteHelp =
    "Pasting data from a spreadsheet\n\n"
    "1. In the spreadsheet, select the column of values and copy it (Ctrl+C). When the copy "
    "holds several columns (years and values, say), the last column that holds numbers is "
    "taken, and a message says so.\n"
    "2. Here, click the first cell of the \"Data value\" column (serial 1).\n"
    "3. Paste with Ctrl+V or with Paste in the Edit menu.\n\n"
    "The number of data is set to the number of pasted lines, the last line too when it has no "
    "line end. Blanks and a unit or a word before or after a number are dropped (a heading "
    "without digits leaves its cell empty), and so are thousands separators before groups of "
    "three digits (1,234 or 1 234). Numbers in exponent notation (1.5E+03) are kept as they "
    "are. Where the decimal separator is a full stop, commas are read as decimal commas when "
    "every pasted value has one and none stands before a group of three digits.\n\n"
    "A cell in which other characters stand between the digits (13x7, 1.2.3, or 14,2 when the "
    "decimal separator is a full stop), or letters right before them (m3), is not taken as a "
    "number: a message names its row, the cell is marked in red, and \"Save-Run\" refuses the "
    "data until you correct or empty it. A typed cell that is no number is marked too.\n\n"
    "To remove a datum, empty its cell: empty cells are left out when you press \"Save-Run\".";

constexpr std::string_view kOptimization =
    R"(Optimized normal distributions

The normal distribution has no cumulative function in closed form. Quarlin
computes its cumulative frequency with the Hastings approximation, a short
polynomial formula.

The usual ("standard") normal distribution takes the mean and standard
deviation of the data. The optimized normal distribution takes instead the
mean and standard deviation that make the calculated cumulative frequencies
fit the plotting positions i/(n+1) of the ranked data best: a range of means
and of standard deviations around those of the data is searched, and the
pair with the smallest sum of squared differences between calculated and
observed frequencies is kept.

The same is done for the root-normal, square-normal and log-normal
distributions, with sqrt(X), X^2 or Ln(X) taking the place of X, and for the
generalized normal distribution with X^E, whose exponent E is searched as
well.

Optimized distributions therefore usually fit the data better than the
standard ones, above all when a few outlying values pull the mean and
standard deviation of the data away from the bulk of them.)";

}  // namespace

std::string_view OptimizationText() {
  return kOptimization;
}

std::string_view HelpTextOf(HelpText text) {
  switch (text) {
    case HelpText::Introduction:
      return kIntroduction;
    case HelpText::Distributions:
      return kDistributions;
    case HelpText::Composition:
      return kComposition;
    case HelpText::Confidence:
      return kConfidence;
    case HelpText::Intervals:
      return kIntervals;
  }
  return kIntroduction;
}

std::string_view PasteHelpText() {
  return kPasteHelp;
}

}  // namespace quarlin::ui
