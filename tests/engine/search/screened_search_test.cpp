// The double-precision screen: its elementary functions against long
// double, and the search that must pick exactly the trial a plain long
// double search picks, whatever the screen's errors within its margin.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/catalogue/own_formulas.h"
#include "engine/model/links.h"
#include "engine/model/normal_cdf.h"
#include "engine/search/screen_kernels.h"
#include "engine/search/screen_math.h"
#include "engine/search/screened_search.h"

namespace quarlin {
namespace {

struct FunctionRange {
  const char* name;
  double low, high;
};

void PrintTo(const FunctionRange& r, std::ostream* os) {
  *os << r.name << " over " << r.low << ".." << r.high;
}

ScreenVec Screened(const std::string& name, ScreenVec x) {
  if (name == "exp") return ScreenExp(x);
  if (name == "expm1") return ScreenExpm1(x);
  if (name == "expm1-small") return ScreenExpm1Small(x);
  if (name == "log") return ScreenLog(x);
  if (name == "log-absolute") return ScreenLogAbsolute(x);
  if (name == "log1p") return ScreenLog1p(x);
  if (name == "log1mexp") return ScreenLog1mExp(x);
  return ScreenLog1pSmall(x);
}

// Long double, each in the form that keeps its own precision.
long double Exact(const std::string& name, long double x) {
  if (name == "exp") return std::exp(x);
  if (name == "expm1" || name == "expm1-small") return std::expm1(x);
  if (name == "log" || name == "log-absolute") return std::log(x);
  if (name == "log1mexp") {
    return x < -std::log(2.0L) ? std::log1p(-std::exp(x)) : std::log(-std::expm1(x));
  }
  return std::log1p(x);
}

class ScreenFunctionTest : public ::testing::TestWithParam<FunctionRange> {};

// Relative error against long double over a log-spaced or linear sweep,
// eight lanes at a time.
TEST_P(ScreenFunctionTest, StaysFarInsideTheMargins) {
  const FunctionRange range = GetParam();
  const std::string name = range.name;
  double worst = 0;
  constexpr int kSteps = 4096;
  for (int i = 0; i < kSteps; i += kScreenLanes) {
    ScreenVec x;
    for (int k = 0; k < kScreenLanes; ++k)
      x[k] = range.low + (range.high - range.low) * (i + k) / (kSteps - 1);
    const ScreenVec y = Screened(name, x);
    for (int k = 0; k < kScreenLanes; ++k) {
      const long double exact = Exact(name, x[k]);
      const long double error = std::fabs((y[k] - exact) / exact);
      if (exact != 0) worst = std::fmax(worst, static_cast<double>(error));
    }
  }
  // The margins allow for 1e-10 in a frequency.
  EXPECT_LT(worst, 5e-14) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ScreenFunctionTest,
    ::testing::Values(FunctionRange{"exp", -700, 700}, FunctionRange{"exp", -1, 1},
                      FunctionRange{"log", 1e-300, 1e300}, FunctionRange{"log", 0.5, 2.0},
                      FunctionRange{"log", 0.999, 1.001}, FunctionRange{"log1p", 1e-12, 1e-6},
                      FunctionRange{"log1p", -0.9, 100}, FunctionRange{"log1p-small", -0.28, 0.4},
                      FunctionRange{"log1p-small", 1e-15, 1e-3}, FunctionRange{"expm1", -700, 700},
                      FunctionRange{"expm1", -1, 1}, FunctionRange{"expm1", -1e-3, -1e-15},
                      FunctionRange{"expm1-small", -0.35, 0.35},
                      FunctionRange{"log1mexp", -700, -1e-12}, FunctionRange{"log1mexp", -2, -1e-9},
                      FunctionRange{"log1mexp", -1e-6, -1e-15},
                      // Away from 1, where its error is absolute and the
                      // value at least 0.34.
                      FunctionRange{"log-absolute", 1.41, 65.0},
                      FunctionRange{"log-absolute", 1e-300, 0.7},
                      FunctionRange{"log-absolute", 1.41, 1e300}));

TEST(ScreenFunctionTest, EdgesOfTheDomain) {
  const double inf = std::numeric_limits<double>::infinity();
  ScreenVec x = Splat(0.0);
  x[1] = -1.0;
  x[2] = inf;
  x[3] = std::numeric_limits<double>::quiet_NaN();
  x[4] = std::numeric_limits<double>::denorm_min();
  const ScreenVec y = ScreenLog(x);
  EXPECT_EQ(y[0], -inf);
  for (int k : {1, 2, 3, 4}) EXPECT_TRUE(std::isnan(y[k])) << "lane " << k;

  ScreenVec e = Splat(-1000.0);
  e[1] = 1000.0;
  e[2] = std::numeric_limits<double>::quiet_NaN();
  const ScreenVec f = ScreenExp(e);
  EXPECT_LT(f[0], 1e-300);
  EXPECT_GT(f[1], 1e307);
  EXPECT_TRUE(std::isnan(f[2]));
  const ScreenVec g = ScreenExpm1(e);
  EXPECT_EQ(g[0], -1.0);
  EXPECT_GT(g[1], 1e307);
  EXPECT_TRUE(std::isnan(g[2]));

  // Ln(1 - e^w) has no value from w = 0 up: a transform that meets such a
  // point must not pass for a number.
  ScreenVec w = Splat(-1000.0);
  w[1] = 0.0;
  w[2] = 0.5;
  const ScreenVec l = ScreenLog1mExp(w);
  EXPECT_LE(l[0], 0.0);
  EXPECT_GT(l[0], -1e-300);
  EXPECT_FALSE(std::isfinite(l[1]));
  EXPECT_FALSE(std::isfinite(l[2]));
}

struct CurveCase {
  Link link;
  bool guarded;
  int n;
};

void PrintTo(const CurveCase& c, std::ostream* os) {
  *os << "link " << static_cast<int>(c.link) << (c.guarded ? " guarded" : "") << ", n = " << c.n;
}

class ScreenSumTest : public ::testing::TestWithParam<CurveCase> {};

// The screened sum of squares of every curve, on full vectors and on the
// incomplete last one, against the long double sum it stands in for: the
// difference must stay far inside the margin the search allows it.
TEST_P(ScreenSumTest, StaysWellInsideItsMargin) {
  const CurveCase c = GetParam();
  std::vector<double> Xt(c.n), Fc(c.n);
  for (int i = 0; i < c.n; ++i) {
    Xt[i] = -3.0 + 6.0 * i / c.n + 0.01 * (i % 7);
    Fc[i] = (i + 1.0) / (c.n + 1.0);
  }
  const ScreenMargin margin{c.n};
  for (const double A : {-2.5, -0.7, 0.9, 3.0}) {
    for (const double B : {-1.0, 0.0, 0.4}) {
      long double exact = 0;
      for (int i = 0; i < c.n; ++i) {
        const long double z = A * static_cast<long double>(Xt[i]) + B;
        long double d = Fc[i] - (c.guarded ? GuardedLinkF(c.link, z) : LinkF(c.link, z));
        if (std::fabs(d) > 1) d = 1;
        exact += d * d;
      }
      const double screened =
          c.guarded
              ? ScreenGuardedSumOfSquares(c.link, Fc.data(), Xt.data(), A, B, c.n, margin, 1e300)
              : ScreenSumOfSquares(c.link, Fc.data(), Xt.data(), A, B, c.n, margin, 1e300);
      const double tolerance = margin.Of(static_cast<double>(exact)) / 100;
      EXPECT_NEAR(screened, static_cast<double>(exact), tolerance) << "A = " << A << ", B = " << B;
    }
  }
}

std::vector<CurveCase> CurveCases() {
  std::vector<CurveCase> cases;
  for (int n : {1, 8, 30, 203}) {
    for (Link link : {Link::Weibull, Link::MirroredWeibull, Link::Poisson, Link::MirroredPoisson})
      cases.push_back({link, false, n});
    for (Link link :
         {Link::Gumbel, Link::MirroredGumbel, Link::Logistic, Link::Poisson, Link::MirroredPoisson})
      cases.push_back({link, true, n});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Curves, ScreenSumTest, ::testing::ValuesIn(CurveCases()));

// The normal curve's screen, with z across the pole of its rational part
// (z = -4.317) where the guards take over.
TEST(ScreenNormalSumTest, StaysWellInsideItsMargin) {
  for (int n : {1, 30, 203}) {
    std::vector<double> x(n), Fc(n);
    for (int i = 0; i < n; ++i) {
      x[i] = 10.0 + 12.0 * i / n - 0.003 * (i % 5);
      Fc[i] = (i + 1.0) / (n + 1.0);
    }
    const ScreenMargin margin{n};
    for (const double M : {12.0, 16.0, 20.0}) {
      for (const double S : {0.5, 1.0, 3.0}) {
        long double exact = 0;
        for (int i = 0; i < n; ++i) {
          const long double d = Fc[i] - NormalCdfHastings((x[i] - M) / S);
          exact += d * d;
        }
        const double screened =
            ScreenNormalSumOfSquares(Fc.data(), x.data(), M, S, n, false, margin, 1e300);
        EXPECT_NEAR(screened, static_cast<double>(exact),
                    margin.Of(static_cast<double>(exact)) / 100)
            << "n = " << n << ", M = " << M << ", S = " << S;
      }
    }
  }
}

// The Laplace halves (with their exponent cap) and the Gamma series, each
// against the long double formula the searches use.
TEST(ScreenOtherSumsTest, StayWellInsideTheirMargins) {
  for (int n : {5, 64, 203}) {
    std::vector<double> x(n), Fc(n);
    for (int i = 0; i < n; ++i) {
      x[i] = 0.5 + 40.0 * i / n + 0.01 * (i % 3);
      Fc[i] = (i + 1.0) / (n + 1.0);
    }
    const ScreenMargin margin{n};
    const auto check = [&](double screened, long double exact, const char* what) {
      EXPECT_NEAR(screened, static_cast<double>(exact), margin.Of(static_cast<double>(exact)) / 100)
          << what << ", n = " << n;
    };
    for (const bool above : {false, true}) {
      for (const double A : {-0.3, 0.2, 8.0}) {
        const double B = -A * 20.0;
        long double exact = 0.25L;
        for (int i = 0; i < n; ++i) {
          const long double half = 0.5L * std::exp(std::fmin(100.0L, A * (x[i] - 20.0L)));
          long double d = Fc[i] - (above ? 1.0L - half : half);
          if (std::fabs(d) > 1) d = 1;
          exact += d * d;
        }
        check(ScreenHalfExpSumOfSquares(above, Fc.data(), x.data(), A, B, n, 0.25, margin, 1e300),
              exact, above ? "upper half" : "lower half");
      }
    }
    for (const int order : {1, 4, 20}) {
      for (const double theta : {0.1, 2.5, 30.0}) {
        long double exact = 0;
        for (int i = 0; i < n; ++i) {
          long double d = Fc[i] - GammaF(x[i], GammaParams{theta, static_cast<double>(order)});
          if (std::fabs(d) > 1) d = 1;
          exact += d * d;
        }
        check(ScreenGammaSumOfSquares(Fc.data(), x.data(), theta, order, n, margin, 1e300), exact,
              "Gamma");
      }
    }
  }
}

// Trials with known long double sums; the screen reports them with errors
// up to the margin, the way a double computation may.
struct SyntheticGrid {
  std::vector<long double> exact;
  std::vector<bool> judged, completes;
};

long double PlainArgminSS(const SyntheticGrid& grid, int& trial) {
  long double best = 1e6L;
  trial = -1;
  for (int t = 0; t < static_cast<int>(grid.exact.size()); ++t) {
    if (grid.completes[t] && grid.exact[t] < best) {
      best = grid.exact[t];
      trial = t;
    }
  }
  return best;
}

ScreenedChoice SearchGrid(const SyntheticGrid& grid, const ScreenMargin& margin,
                          std::mt19937& generator, double lieOnFailure) {
  std::uniform_real_distribution<double> noise(-0.999, 0.999);
  std::vector<double> screened(grid.exact.size());
  for (std::size_t t = 0; t < grid.exact.size(); ++t) {
    const double ss = static_cast<double>(grid.exact[t]);
    screened[t] = grid.completes[t] ? ss + noise(generator) * margin.Of(ss) : lieOnFailure;
  }
  return ScreenedSearch(
      static_cast<int>(grid.exact.size()), margin, 1e6L,
      [&](int t, double) { return grid.judged[t] ? ScreenedSS{screened[t]} : NotJudged(); },
      [&](int t, long double) -> std::optional<long double> {
        if (!grid.completes[t]) return std::nullopt;
        return grid.exact[t];
      });
}

struct GridCase {
  const char* name;
  int trials;
  double tieShare;      // share of trials that repeat the smallest sum exactly
  double unjudged;      // share the screen cannot judge
  double failing;       // share long double cannot complete
  double lieOnFailure;  // what the screen says of those
};

void PrintTo(const GridCase& c, std::ostream* os) {
  *os << c.name;
}

class ScreenedSearchTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(ScreenedSearchTest, PicksTheFirstSmallestLongDoubleSum) {
  const GridCase c = GetParam();
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    SyntheticGrid grid;
    const ScreenMargin margin{500, 1e-10};
    // A flat valley: many sums within the margin of one another.
    for (int t = 0; t < c.trials; ++t) {
      const long double x = (t - c.trials * unit(generator)) / c.trials;
      grid.exact.push_back(0.25L + 1e-9L * x * x + 1e-12L * unit(generator));
      grid.judged.push_back(unit(generator) >= c.unjudged);
      grid.completes.push_back(unit(generator) >= c.failing);
    }
    int plain = -1;
    const long double smallest = PlainArgminSS(grid, plain);
    for (int t = 0; t < c.trials; ++t) {
      if (unit(generator) < c.tieShare) grid.exact[t] = smallest;
    }
    PlainArgminSS(grid, plain);

    const ScreenedChoice choice = SearchGrid(grid, margin, generator, c.lieOnFailure);
    EXPECT_EQ(choice.trial, plain) << c.name << ", seed " << seed;
    if (plain >= 0) {
      EXPECT_EQ(choice.SS, grid.exact[plain]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grids, ScreenedSearchTest,
    ::testing::Values(GridCase{"plain valley", 1000, 0, 0, 0, 0},
                      GridCase{"exact ties", 1000, 0.01, 0, 0, 0},
                      GridCase{"unjudged trials", 300, 0, 0.2, 0, 0},
                      GridCase{"failing trials screened high", 300, 0, 0, 0.3, 10.0},
                      GridCase{"failing trials screened as the best", 300, 0, 0, 0.3, 0.1},
                      GridCase{"nothing completes", 50, 0, 0, 1.0, 0.1},
                      GridCase{"one trial", 1, 0, 0, 0, 0}));

}  // namespace
}  // namespace quarlin
