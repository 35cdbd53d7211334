#pragma once
// The variable in which each member of the normal family (codes 20-26) is
// normal: x = Y (20, 21), ln Y (22, 23), sqrt Y (24), Y^2 (25), Y^E (26). The
// row of each member names its form.

#include <cmath>
#include <concepts>
#include <optional>

#include "engine/catalogue/codes.h"
#include "engine/model/fitted_params.h"

namespace quarlin {

enum class NormalForm { Plain, Log, Root, Square, Power };

// x of Y in the caller's precision; power(Y, E) takes Y^E the caller's way
// (the engine as exp(E*ln Y) in long double, the calculator by std::pow in
// double).
template <std::floating_point Real, class Power>
Real NormalVariableIn(NormalForm form, Real Y, double E, Power power) {
  switch (form) {
    case NormalForm::Log:
      return std::log(Y);
    case NormalForm::Root:
      return std::sqrt(Y);
    case NormalForm::Square:
      return Y * Y;
    case NormalForm::Power:
      return power(Y, E);
    case NormalForm::Plain:
      break;
  }
  return Y;
}

// Y of x; nothing for an x that no Y can give (a negative x of the root and
// square forms) or that is not finite. root(x, E) takes x^(1/E) the caller's
// way and says when it has no value.
template <std::floating_point Real, class Root>
std::optional<Real> NormalVariableInverseIn(NormalForm form, Real x, double E, Root root) {
  const auto finite = [](Real y) -> std::optional<Real> {
    if (!std::isfinite(y)) return std::nullopt;
    return y;
  };
  switch (form) {
    case NormalForm::Log:
      return finite(std::exp(x));
    case NormalForm::Root:
      if (!(x >= 0)) return std::nullopt;
      return finite(x * x);
    case NormalForm::Square:
      if (!(x >= 0)) return std::nullopt;
      return finite(std::sqrt(x));
    case NormalForm::Power:
      return root(x, E);
    case NormalForm::Plain:
      break;
  }
  return finite(x);
}

// The form of `code`; Plain for codes outside the family.
NormalForm NormalFormOf(int code);

// x of a value Y for a member; Y itself for other codes.
long double NormalVariable(int code, long double Y, double E);
// The same for a form looked up once, for loops over the data.
long double NormalVariable(NormalForm form, long double Y, double E);

// Y of a member's variable x; nothing for an x that no Y can give (a
// negative x of 24 or 25) or whose root 1/E is not defined (x <= 0 for 26).
std::optional<long double> NormalVariableInverse(int code, long double x, double E);

// F = NormalCdfHastings((x - M)/S) with the member's final M and S.
long double NormalMemberF(int code, long double Y, const NormalParams& p);

}  // namespace quarlin
