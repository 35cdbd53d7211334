#include <array>
#include <string_view>

#include "engine/catalogue/catalogue.h"

namespace quarlin {
namespace {

struct NamedCode {
  int code;
  std::string_view name;
};

// The names exactly as lists and graph captions have always shown them,
// spelling included.
constexpr std::array<NamedCode, 61> kListNames{{
    {1, "Generalized linear"},
    {2, "Generalized linear exponential"},
    {3, "Generalized exponential (Poisson) distribution"},
    {4, "Gumbel distribution"},
    {5, "Mirrored Gumbel distribution"},
    {6, "Simple exponential (Poisson) distribution"},
    {7, "Composite Gumbel mirrored distribution"},
    {8, "Composite logistic distribution"},
    {9, "Composite Gumbel distribution"},
    {10, "Composite Gumbel mirrored + logistic distribution"},
    {11, "Mirrored Gumbel + standard Gumbel distribution"},
    {12, "Composite Gumbel + logistic distribution"},
    {13, "Standard Gumbel + mirrored Gumbel distribution"},
    {14, "Composite logistic + mirrored Gumbel distribution"},
    {15, "Composite logistic + Gumbel distribution"},
    {16, "Composite Gumbel + Poisson distribution"},
    {17, "Composite Gumbel mirrored + Poisson distribution"},
    {18, "Composite lLogistic + Poisson distribution"},
    {20, "Normal distribution usual"},
    {21, "Normal distribution optimized"},
    {22, "Log-normal distribution usual"},
    {23, "Log-normal distribution optimized"},
    {24, "Root-normal distribution"},
    {25, "Square-normal distribution"},
    {26, "Generalized normal distribution"},
    {31, "Burr (generalized Pareto-Lomax) distribution"},
    {32, "Dagum (mirrorred Burr) distribution"},
    {33, "Fisher-Tippett type 3 mirrored"},
    {34, "Generalized Gompertz distribution"},
    {35, "Mirrored Frechet distribution"},
    {36, "Kumaraswamy distribution"},
    {51, "Generalized Gumbel distribution"},
    {52, "Generalized mirrored Gumbel distribution"},
    {53, "Logistic distribution"},
    {54, "Log-logistic distribution"},
    {55, "Generalized logistic distribution"},
    {56, "Adjusted Fisk distribution"},
    {57, "Weibull distribution"},
    {58, "Frechet distribution"},
    {59, "Fisher-Tippett type 3 distribution"},
    {60, "Mirrored Weibull distribution"},
    {61, "Gamma (Erlang) distribution"},
    {62, "Student t-distribution with 1 d.f."},
    {63, "Student t-distribution with 2 d.f."},
    {64, "Cauchy distribution"},
    {65, "Generalized Cauchy distribution"},
    {66, "Mirrored Poisson distribution"},
    {67, "Generalized extreme value (GEV) distribution"},
    {68, "Laplace distribution"},
    {69, "Generalized Rayleigh distribution"},
    {70, "Composite generalized logistic distribution"},
    {71, "Composite generalized Gumbel distribution"},
    {72, "Composite generalized Poisson distribution"},
    {73, "Generalized Laplace distribution"},
    {74, "Composite generalized Gumbel mirrored"},
    {80, "Composite logistic and Gumbel distribution"},
    {81, "Composite logistic and Poisson distribution"},
    {82, "Composite Gumbel and logistic distribution"},
    {83, "Composite Gumbel and Poisson distribution"},
    {84, "Composite Poisson and logistic distribution"},
    {85, "Composite Poisson and Gumbel distribution"},
}};

}  // namespace

std::string ListName(int code) {
  for (const NamedCode& entry : kListNames) {
    if (entry.code == code) return std::string(entry.name);
  }
  return {};
}

}  // namespace quarlin
