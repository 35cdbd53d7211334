#include "engine/report/report_names.h"

#include <map>

#include "engine/catalogue/catalogue.h"

namespace quarlin {
namespace {

const std::map<int, std::string>& ReportNames() {
  static const std::map<int, std::string> names = {
      {3, "Generalized exponential (Poisson)"},
      {4, "Gumbel distribution"},
      {5, "Mirrored Gumbel distribution"},
      {6, "Simple exponential (Poisson)"},
      {7, "Composite mirrored Gumbel distribution"},
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
      {18, "Composite logistic + Poisson distribution"},
      {20, "Normal distribution (standard)"},
      {21, "Normal distribution optimized"},
      {22, "Log-normal distribution"},
      {23, "Log-normal distribution optimized"},
      {24, "Root-normal distribution"},
      {25, "Square-normal distribution"},
      {26, "Generalized normal distribution"},
      {31, "Burr distribution"},
      {32, "Dagum distribution"},
      {33, "Mirrored Fisher-Tippett III distribution"},
      {34, "Generalized Gompertz distribution"},
      {35, "Mirrored Frechet distribution"},
      {36, "Kumaraswamy distribution"},
      {51, "Generalized Gumbel distribution"},
      {52, "Generalized mirrored Gumbel distribution"},
      {53, "Logistic distribution"},
      {54, "Log-logistic distribution"},
      {55, "Generalized logistic distribution"},
      {56, "Ajusted Fisk distribution"},
      {57, "Weibull distribution"},
      {58, "Frechet distribution"},
      {59, "Fisher-Tippett type 3 distribution"},
      {60, "Mirrored Weibull distribution"},
      {61, "Gamma (Erlang) distribution"},
      {62, "Student distribution with 1 d.f."},
      {63, "Student distribution with 2 d.f."},
      {64, "Cauchy distribution"},
      {65, "Generalized Cauchy distribution"},
      {66, "Generalized mirrored Poisson distribution"},
      {67, "Generalized extreme value (GEV) distribution"},
      {68, "Composite Laplace distribution"},
      {69, "Generalized Rayleigh distribution"},
      {70, "Composite generalized logistic distribution"},
      {71, "Composite generalized Gumbel distribution"},
      {72, "Composite generalized Poisson distribution"},
      {73, "Generalized Laplace distribution"},
      {74, "Composite generalized Gumbel mirrored"},
      {80, "Composite logistic + Gumbel distribution"},
      {81, "Composite logistic + Poisson distribution"},
      {82, "Composite Gumbel + logistic distribution"},
      {83, "Composite Gumbel + Poisson distribution"},
      {84, "Composite Poisson + logistic distribution"},
      {85, "Composite Poisson + Gumbel distribution"},
  };
  return names;
}

}  // namespace

std::string ReportName(int code) {
  const auto& names = ReportNames();
  const auto found = names.find(code);
  return found != names.end() ? found->second : ListName(code);
}

}  // namespace quarlin
