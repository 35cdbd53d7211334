#include "engine/catalogue/normal_variable.h"

#include "engine/catalogue/distribution_table.h"
#include "engine/model/normal_cdf.h"
#include "engine/model/real_power.h"

namespace quarlin {
namespace {

long double Power(long double Y, double E) {
  return RealPower(Y, E);
}

std::optional<long double> Root(long double x, double E) {
  return RealRoot(x, E);
}

}  // namespace

NormalForm NormalFormOf(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? row->normalForm : NormalForm::Plain;
}

long double NormalVariable(int code, long double Y, double E) {
  return NormalVariable(NormalFormOf(code), Y, E);
}

long double NormalVariable(NormalForm form, long double Y, double E) {
  return NormalVariableIn(form, Y, E, Power);
}

std::optional<long double> NormalVariableInverse(int code, long double x, double E) {
  return NormalVariableInverseIn(NormalFormOf(code), x, E, Root);
}

long double NormalMemberF(int code, long double Y, const NormalParams& p) {
  return NormalCdfHastings((NormalVariable(code, Y, p.E) - p.M) / p.S);
}

}  // namespace quarlin
