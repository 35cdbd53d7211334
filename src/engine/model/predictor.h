#pragma once
// A link of a linear predictor A*Xt + B in the value Y, where Xt is Y itself,
// ln Y or Y^E. The single-line families (codes 3-6, 51-55, 57, 60, 64-66)
// and every composite member are one of these; their rows in the catalogue
// say which.

#include <optional>

#include "engine/model/fitted_params.h"
#include "engine/model/links.h"

namespace quarlin {

enum class Scale {
  Plain,  // Xt = Y
  Log,    // Xt = ln Y
  Power,  // Xt = Y^E
};

struct Predictor {
  Link link = Link::Gumbel;
  Scale scale = Scale::Plain;
  double A = 0, B = 0, E = 1;
};

// Xt of a value Y.
long double ScaledValue(Scale scale, long double Y, double E);

// F(Y) = link of A*Xt + B.
long double PredictorF(const Predictor& p, long double Y);

// Y with F(Y) = F: Xt = (Ft(F) - B)/A taken back to Y. Nothing when Xt is not
// finite or, for Y^E, not positive.
std::optional<long double> PredictorInverse(const Predictor& p, long double F);

}  // namespace quarlin
