#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "engine/catalogue/catalogue.h"
#include "engine/model/links.h"

namespace quarlin {
namespace {

constexpr long double kPiL = std::numbers::pi_v<long double>;
using Fn = std::function<long double(long double)>;

struct LinkCase {
  const char* name;
  Link link;
  Fn F;   // of the predictor z
  Fn Ft;  // the transform of an observed frequency that the fits regress on
};

void PrintTo(const LinkCase& c, std::ostream* os) {
  *os << c.name;
}

class LinkTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkTest, FIsTheClosedForm) {
  for (const long double z : {-2.0L, -0.3L, 0.0L, 0.7L, 2.5L}) {
    EXPECT_NEAR(static_cast<double>(LinkF(GetParam().link, z)),
                static_cast<double>(GetParam().F(z)), 1e-16)
        << static_cast<double>(z);
  }
}

TEST_P(LinkTest, FtIsTheFitTransform) {
  for (const long double Fc : {0.05L, 0.3L, 0.5L, 0.8L, 0.97L}) {
    EXPECT_NEAR(static_cast<double>(LinkFt(GetParam().link, Fc)),
                static_cast<double>(GetParam().Ft(Fc)), 1e-15)
        << static_cast<double>(Fc);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkTest,
    ::testing::Values(
        LinkCase{"Gumbel", Link::Gumbel, [](long double z) { return std::exp(-std::exp(-z)); },
                 [](long double F) { return -std::log(-std::log(F)); }},
        LinkCase{"MirroredGumbel", Link::MirroredGumbel,
                 [](long double z) { return 1 - std::exp(-std::exp(-z)); },
                 [](long double F) { return -std::log(-std::log(1 - F)); }},
        LinkCase{"Logistic", Link::Logistic, [](long double z) { return 1 / (1 + std::exp(z)); },
                 [](long double F) { return std::log(1 / F - 1); }},
        LinkCase{"Poisson", Link::Poisson, [](long double z) { return 1 - std::exp(-z); },
                 [](long double F) { return -std::log(1 - F); }},
        LinkCase{"Weibull", Link::Weibull, [](long double z) { return 1 - std::exp(-std::exp(z)); },
                 [](long double F) { return std::log(-std::log(1 - F)); }},
        LinkCase{"MirroredWeibull", Link::MirroredWeibull,
                 [](long double z) { return std::exp(-std::exp(z)); },
                 [](long double F) { return std::log(-std::log(F)); }},
        LinkCase{"Cauchy", Link::Cauchy, [](long double z) { return 0.5L + std::atan(z) / kPiL; },
                 [](long double F) { return std::tan(kPiL * (F - 0.5L)); }},
        LinkCase{"MirroredPoisson", Link::MirroredPoisson,
                 [](long double z) { return std::exp(-z); },
                 [](long double F) { return -std::log(F); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GuardedLinkTest, DoubleExponentialsSeeThePredictorWithinMinus8To8) {
  for (const Link link :
       {Link::Gumbel, Link::MirroredGumbel, Link::Weibull, Link::MirroredWeibull}) {
    EXPECT_EQ(GuardedLinkF(link, 12.0L), LinkF(link, 8.0L));
    EXPECT_EQ(GuardedLinkF(link, -12.0L), LinkF(link, -8.0L));
    EXPECT_EQ(GuardedLinkF(link, 7.5L), LinkF(link, 7.5L));
  }
}

TEST(GuardedLinkTest, ExponentialFormsGive8OnceTheExponentReaches8) {
  for (const Link link : {Link::Poisson, Link::MirroredPoisson}) {
    EXPECT_EQ(GuardedLinkF(link, -8.0L), 8.0L);
    EXPECT_EQ(GuardedLinkF(link, -20.0L), 8.0L);
    EXPECT_EQ(GuardedLinkF(link, -7.9L), LinkF(link, -7.9L));
  }
}

TEST(GuardedLinkTest, LogisticAndCauchyAreUnguarded) {
  for (const Link link : {Link::Logistic, Link::Cauchy}) {
    EXPECT_EQ(GuardedLinkF(link, 12.0L), LinkF(link, 12.0L));
    EXPECT_EQ(GuardedLinkF(link, -12.0L), LinkF(link, -12.0L));
  }
}

// What each single-line code regresses: Ft of the observed frequency on Xt of
// the data value, as the fits define them.
struct LineCase {
  int code;
  Fn Ft;
  std::function<long double(long double, double)> Xt;
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << "code" << c.code;
}

class LinePredictorTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LinePredictorTest, RegressesTheFitTransformOnTheFitVariable) {
  const LinearParams line{0.9, -0.4, 1.7};
  const auto predictor = LinePredictor(GetParam().code, line);
  ASSERT_TRUE(predictor.has_value());
  for (const long double Fc : {0.1L, 0.6L}) {
    EXPECT_NEAR(static_cast<double>(LinkFt(predictor->link, Fc)),
                static_cast<double>(GetParam().Ft(Fc)), 1e-15);
  }
  for (const long double X : {0.5L, 3.0L}) {
    EXPECT_NEAR(static_cast<double>(ScaledValue(predictor->scale, X, predictor->E)),
                static_cast<double>(GetParam().Xt(X, line.E)), 1e-15);
  }
}

long double Same(long double X, double) {
  return X;
}
long double LogOf(long double X, double) {
  return std::log(X);
}
long double PowerOf(long double X, double E) {
  return std::pow(X, static_cast<long double>(E));
}
long double Gumbel(long double F) {
  return -std::log(-std::log(F));
}
long double Mirrored(long double F) {
  return -std::log(-std::log(1 - F));
}
long double Logistic(long double F) {
  return std::log(1 / F - 1);
}
long double Poisson(long double F) {
  return -std::log(1 - F);
}
long double Cauchy(long double F) {
  return std::tan(kPiL * (F - 0.5L));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LinePredictorTest,
    ::testing::Values(LineCase{3, Poisson, PowerOf}, LineCase{4, Gumbel, Same},
                      LineCase{5, Mirrored, Same}, LineCase{6, Poisson, Same},
                      LineCase{51, Gumbel, PowerOf}, LineCase{52, Mirrored, PowerOf},
                      LineCase{53, Logistic, Same}, LineCase{54, Logistic, LogOf},
                      LineCase{55, Logistic, PowerOf},
                      LineCase{57, [](long double F) { return std::log(-std::log(1 - F)); }, LogOf},
                      LineCase{60, [](long double F) { return std::log(-std::log(F)); }, LogOf},
                      LineCase{64, Cauchy, Same}, LineCase{65, Cauchy, PowerOf},
                      LineCase{66, [](long double F) { return -std::log(F); }, PowerOf}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(LinePredictorTest, OtherCodesHaveNoSingleLine) {
  for (const int code : {0, 1, 2, 7, 20, 31, 56, 58, 61, 62, 67, 68, 70, 73}) {
    EXPECT_FALSE(LinePredictor(code, LinearParams{}).has_value()) << code;
  }
}

}  // namespace
}  // namespace quarlin
