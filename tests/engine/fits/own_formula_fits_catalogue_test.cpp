// Each own-formula fit leaves its parameters in the slots and letters of the
// catalogue: the catalogue's F at every datum must be the fit's own
// calculated value, and its inverse must lead back to the datum.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/catalogue/catalogue.h"
#include "engine/fits/own_formula_fits.h"
#include "fixtures/own_formula_samples.h"

namespace quarlin {
namespace {

using testing::QuantileSample;

struct CodeCase {
  int code;
  std::function<FitResult(const Sample&)> fit;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
  *os << "code " << c.code;
}

// Skewed positive data that no family fits exactly, with a largest datum near
// 12 (Burr step 0.1, about 120 trial scales).
Sample SkewedSample() {
  return QuantileSample(
      15, [](long double F) { return 5.0L + 3.5L * std::pow(-std::log(1.0L - F), 1.0L / 1.5L); });
}

// With E1 different from E2 the generalized Laplace law takes its side from
// Y^E1 but its upper value from Y^E2, so an upper-side value can fall below
// 0.5, where the inverse reads the lower side: such a point cannot be found
// back, and the evaluation's monotone correction deals with it later.
bool InvertibleAt(int code, long double Y, long double F, const FittedParams& params) {
  if (code != 73) return true;
  const LaplaceParams& p = params.laplace;
  const bool lowerSide = std::exp(p.E1 * std::log(Y)) <= p.L;
  return lowerSide == (F < 0.5L);
}

class OwnFormulaFitCatalogueTest : public ::testing::TestWithParam<CodeCase> {
 protected:
  static void SetUpTestSuite() { sample_ = new Sample(SkewedSample()); }
  static void TearDownTestSuite() {
    delete sample_;
    sample_ = nullptr;
  }
  static Sample* sample_;
};

Sample* OwnFormulaFitCatalogueTest::sample_ = nullptr;

TEST_P(OwnFormulaFitCatalogueTest, CatalogueReproducesFittedCurve) {
  const CodeCase c = GetParam();
  const Sample& s = *sample_;
  const FitResult fit = c.fit(s);
  ASSERT_TRUE(fit.fitted);
  ASSERT_EQ(fit.code, c.code);
  ASSERT_EQ(static_cast<int>(fit.Fcalc.size()), s.N + 1);
  long double sad = 0;
  for (int i = 1; i <= s.N; ++i) {
    const auto value = Evaluate(c.code, s.X[i], fit.params, EvalSite::DataPoint(i));
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(value->F, fit.Fcalc[i], 1e-9) << "rank " << i;
    EXPECT_FALSE(value->boundWarning) << "rank " << i;
    sad += std::fabs(s.Fc[i] - fit.Fcalc[i]);
  }
  EXPECT_NEAR(fit.SAD, sad, 1e-15);

  if (!HasInverse(c.code)) return;
  for (int i = 1; i <= s.N; ++i) {
    const long double F = fit.Fcalc[i];
    if (!(F > 1e-6L && F < 1.0L - 1e-6L)) continue;  // too flat to invert precisely
    if (!InvertibleAt(c.code, s.X[i], F, fit.params)) continue;
    const auto Y = Invert(c.code, F, fit.params, Member::Lower);
    ASSERT_TRUE(Y.has_value()) << "rank " << i;
    EXPECT_NEAR(*Y, s.X[i], 1e-6 * s.X[i]) << "rank " << i;
  }
}

FitResult Bound(const Sample& s, int code) {
  return FitBoundFamily(s, code);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OwnFormulaFitCatalogueTest,
    ::testing::Values(CodeCase{31, FitBurr}, CodeCase{32, FitDagum}, CodeCase{34, FitGompertz},
                      CodeCase{36, FitKumaraswamy}, CodeCase{56, FitAdjustedFisk},
                      CodeCase{58, [](const Sample& s) { return Bound(s, 58); }},
                      CodeCase{35, [](const Sample& s) { return Bound(s, 35); }},
                      CodeCase{59, [](const Sample& s) { return Bound(s, 59); }},
                      CodeCase{33, [](const Sample& s) { return Bound(s, 33); }},
                      CodeCase{61, FitGamma},
                      CodeCase{62, [](const Sample& s) { return FitStudent(s).oneDf; }},
                      CodeCase{63, [](const Sample& s) { return FitStudent(s).twoDf; }},
                      CodeCase{67, FitGev}, CodeCase{68, FitLaplace},
                      CodeCase{73, FitGeneralizedLaplace}, CodeCase{69, FitGeneralizedRayleigh}));

}  // namespace
}  // namespace quarlin
