// Every row carries what the calculator needs to evaluate and invert its
// code: a row added without one of these facts fails here by code, instead
// of the calculator giving no answer for it.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calculator/forward_table.h"
#include "calculator/inverse_table.h"
#include "calculator/working_values.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

using Form = CalculatorForm;

bool OwnForm(Form form) {
  return form != Form::Catalogue && form != Form::UnguardedRoot && form != Form::Weibull &&
         form != Form::MirroredWeibull;
}

TEST(CalculatorRowsTest, EveryRowNamesHowTheCalculatorEvaluatesIt) {
  for (const DistributionRow& row : AllRows()) {
    SCOPED_TRACE(row.code);
    ASSERT_FALSE(row.parameters.empty()) << "no layout of the parameter file";
    if (row.IsComposite() || row.IsNormalFamily()) {
      EXPECT_EQ(row.calculator, Form::Catalogue);
    } else if (row.regression) {
      EXPECT_FALSE(OwnForm(row.calculator)) << "a line takes the line's forms";
    } else if (!OwnForm(row.calculator) || row.calculator == Form::Laplace ||
               row.calculator == Form::GeneralizedLaplace) {
      // The catalogue's own formula, forward and (unless the form has its
      // own) inverse.
      EXPECT_TRUE(row.HasFunction()) << "neither the calculator's nor the catalogue's forward";
      if (row.calculator == Form::Catalogue) {
        EXPECT_EQ(row.HasInverse(), row.HasCalculatorInverse()) << "say there is no inverse";
      }
    }
    if (row.calculator == Form::Bound || row.calculator == Form::MirroredBound) {
      EXPECT_NE(row.bound, BoundSide::None) << "a bounded form needs its side";
    }
    if (row.IsNormalFamily()) {
      // Only the member in Y^E carries its exponent in the file.
      EXPECT_EQ(row.parameters.size(), row.normalForm == NormalForm::Power ? 3u : 2u);
    } else {
      EXPECT_EQ(row.normalForm, NormalForm::Plain);
    }
  }
}

// The calculator says "no inverse" exactly where the catalogue has none of
// its own and the calculator has no other way (the normal family has its
// grid search).
TEST(CalculatorRowsTest, NoInverseIsSaidWhereTheCatalogueHasNone) {
  for (const DistributionRow& row : AllRows()) {
    if (!row.HasFunction()) continue;
    SCOPED_TRACE(row.code);
    if (!row.HasCalculatorInverse()) {
      EXPECT_FALSE(row.HasInverse());
    }
    if (!row.HasInverse() && !row.IsNormalFamily()) {
      EXPECT_FALSE(row.HasCalculatorInverse());
    }
  }
}

// With the parameters of a plain law in every slot, every code's forward gives
// a number, and where it inverts, the inverse gives one back: no row falls
// through the calculator's tables.
TEST(CalculatorRowsTest, EveryRowGivesAnAnswerEitherWay) {
  for (const DistributionRow& row : AllRows()) {
    if (row.IsNormalFamily()) continue;  // inverted by the grid over the data
    SCOPED_TRACE(row.code);
    std::vector<double> values(row.parameters.size(), 1.0);
    const WorkingValues w = MakeWorkingValues(row.code, values, 0);
    const double x = 0.5;
    const ForwardValue F = ForwardF(w, x, x);
    EXPECT_FALSE(std::isnan(F.F));
    if (!row.HasCalculatorInverse()) {
      EXPECT_FALSE(InverseX(w, 0.5, Limit::Result, Branch::Lower));
      continue;
    }
    EXPECT_TRUE(InverseX(w, 0.5, Limit::Result, Branch::Lower) ||
                InverseX(w, 0.5, Limit::Result, Branch::Upper) ||
                InverseX(w, 0.3, Limit::Result, Branch::Lower));
  }
}

}  // namespace
}  // namespace quarlin
