#include "reference/reference_fits.h"

#include "engine/fits/normal_family.h"
#include "engine/fits/own_formula_fits.h"
#include "engine/fits/regression_members.h"

namespace quarlin {

FitResult ReferenceFits::Regression(const Sample& s, const RegressionMember& m) const {
  return FitRegressionMember(s, m, SearchMode::Reference);
}

FitResult ReferenceFits::OwnFormula(const Sample& s, int code) const {
  return FitOwnFormulaFamily(s, code, SearchMode::Reference);
}

NormalFit ReferenceFits::Normal(const Sample& s, int code) const {
  return FitNormalFamily(code, s, SearchMode::Reference);
}

FitResult ReferenceFits::Composite(const Sample& s, int code) const {
  return FitCompositeFamily(s, code, SearchMode::Reference);
}

}  // namespace quarlin
