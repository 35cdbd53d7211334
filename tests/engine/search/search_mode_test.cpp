// The searches that give up losing trials early must choose exactly what the
// plain searches choose: same parameters, same SAD, same Fcalc to the bit.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/fits/generalized_composite.h"
#include "engine/fits/normal_family.h"
#include "engine/fits/regression_members.h"
#include "engine/fits/simple_composite.h"

namespace quarlin {
namespace {

enum class Kind { Positive, WithZeros, ShiftedNegative, Unshifted, BelowOne, HeavyTailed };

struct SampleCase {
  Kind kind;
  int N;
};

std::string Name(const testing::TestParamInfo<SampleCase>& info) {
  static constexpr const char* kNames[] = {"Positive",  "WithZeros", "ShiftedNegative",
                                           "Unshifted", "BelowOne",  "HeavyTailed"};
  return std::string(kNames[static_cast<int>(info.param.kind)]) + "_N" +
         std::to_string(info.param.N);
}

// Uniform variates from the raw generator, so that the samples do not
// depend on the standard library's distributions.
std::vector<long double> Uniforms(int N, unsigned seed) {
  std::mt19937 generator(seed);
  std::vector<long double> u(N);
  for (long double& value : u) value = (generator() + 0.5L) / 4294967296.0L;
  return u;
}

long double Gumbel(long double u, long double mode, long double scale) {
  return mode - scale * std::log(-std::log(u));
}

// A log-normal variate with median 1000 and log-sd 1.5 from two uniforms
// (Box-Muller).
long double LogNormal(long double u1, long double u2) {
  const long double z = std::sqrt(-2 * std::log(u1)) * std::cos(2 * 3.14159265358979L * u2);
  return 1000 * std::exp(1.5L * z);
}

Sample Generated(const SampleCase& c) {
  const std::vector<long double> u = Uniforms(c.N, 7919u * c.N + static_cast<unsigned>(c.kind));
  const std::vector<long double> v = Uniforms(c.N, 104729u * c.N + 1);
  std::vector<long double> values(c.N);
  for (int i = 0; i < c.N; ++i) {
    switch (c.kind) {
      case Kind::Positive:
        values[i] = Gumbel(u[i], 100, 30);
        break;
      case Kind::WithZeros:
        values[i] = i % 4 == 0 ? 0.001L : Gumbel(u[i], 10, 3);
        break;
      case Kind::ShiftedNegative:
      case Kind::Unshifted:
        values[i] = Gumbel(u[i], -20, 15);
        break;
      case Kind::BelowOne:
        values[i] = 0.05L + 0.9L * u[i] * u[i];
        break;
      case Kind::HeavyTailed:
        values[i] = LogNormal(u[i], v[i]);
        break;
    }
  }
  if (c.kind == Kind::ShiftedNegative) {
    const long double lowest = *std::min_element(values.begin(), values.end());
    for (long double& value : values) value = value - lowest + 0.001L;
  }
  return RankValues(values);
}

// Bit for bit, NaN included.
void ExpectSame(double fast, double reference, const char* what) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(reference))
      << what << ": " << fast << " vs " << reference;
}

void ExpectSame(long double fast, long double reference, const char* what) {
  const bool same = std::isnan(fast)
                        ? std::isnan(reference)
                        : fast == reference && std::signbit(fast) == std::signbit(reference);
  EXPECT_TRUE(same) << what << ": " << fast << " vs " << reference;
}

void ExpectSameCalculated(const std::vector<long double>& fast,
                          const std::vector<long double>& reference) {
  ASSERT_EQ(fast.size(), reference.size());
  for (std::size_t i = 1; i < fast.size(); ++i) ExpectSame(fast[i], reference[i], "Fcalc");
}

void ExpectSameFit(const FitResult& fast, const FitResult& reference) {
  EXPECT_EQ(fast.fitted, reference.fitted);
  ExpectSame(fast.SAD, reference.SAD, "SAD");
  ExpectSameCalculated(fast.Fcalc, reference.Fcalc);
}

void ExpectSameLine(const LinearParams& fast, const LinearParams& reference) {
  ExpectSame(fast.A, reference.A, "A");
  ExpectSame(fast.B, reference.B, "B");
  ExpectSame(fast.E, reference.E, "E");
}

void ExpectSameComposite(const CompositeParams& fast, const CompositeParams& reference) {
  for (auto slot :
       {&CompositeParams::As, &CompositeParams::Bs, &CompositeParams::Es, &CompositeParams::Ag,
        &CompositeParams::Bg, &CompositeParams::Eg, &CompositeParams::P})
    ExpectSame(fast.*slot, reference.*slot, "composite slot");
  EXPECT_EQ(fast.K, reference.K);
}

class SearchModeTest : public testing::TestWithParam<SampleCase> {
 protected:
  const Sample sample_ = Generated(GetParam());
};

TEST_P(SearchModeTest, NormalFamilyChoosesAsTheReference) {
  for (int code : {21, 23, 24, 25, 26}) {
    SCOPED_TRACE(code);
    const NormalFit fast = FitNormalFamily(code, sample_, SearchMode::Fast);
    const NormalFit reference = FitNormalFamily(code, sample_, SearchMode::Reference);
    EXPECT_EQ(fast.fitted, reference.fitted);
    for (auto slot : {&NormalParams::M, &NormalParams::S, &NormalParams::M0, &NormalParams::S0,
                      &NormalParams::E})
      ExpectSame(fast.params.*slot, reference.params.*slot, "normal slot");
    ExpectSame(fast.SAD, reference.SAD, "SAD");
    ExpectSameCalculated(fast.Fcalc, reference.Fcalc);
  }
}

TEST_P(SearchModeTest, RegressionExponentChoosesAsTheReference) {
  for (int code : {3, 51, 52, 55, 65, 66}) {
    SCOPED_TRACE(code);
    const RegressionMember member = *RegressionMemberOf(code);
    const FitResult fast = FitRegressionMember(sample_, member, SearchMode::Fast);
    const FitResult reference = FitRegressionMember(sample_, member, SearchMode::Reference);
    ExpectSameFit(fast, reference);
    ExpectSameLine(fast.params.line, reference.params.line);
  }
}

TEST_P(SearchModeTest, SimpleCompositeChoosesAsTheReference) {
  for (int code = 7; code <= 18; ++code) {
    SCOPED_TRACE(code);
    const FitResult fast = FitSimpleComposite(sample_, code, SearchMode::Fast);
    const FitResult reference = FitSimpleComposite(sample_, code, SearchMode::Reference);
    ExpectSameFit(fast, reference);
    ExpectSameComposite(fast.params.composite, reference.params.composite);
  }
}

TEST_P(SearchModeTest, GeneralizedCompositeChoosesAsTheReference) {
  for (int code : {70, 71, 72, 74, 80, 81, 82, 83, 84, 85}) {
    SCOPED_TRACE(code);
    const FitResult fast = FitGeneralizedComposite(sample_, code, SearchMode::Fast);
    const FitResult reference = FitGeneralizedComposite(sample_, code, SearchMode::Reference);
    ExpectSameFit(fast, reference);
    ExpectSameComposite(fast.params.composite, reference.params.composite);
  }
}

std::vector<SampleCase> Cases() {
  std::vector<SampleCase> cases;
  for (Kind kind :
       {Kind::Positive, Kind::WithZeros, Kind::ShiftedNegative, Kind::BelowOne, Kind::HeavyTailed})
    for (int N : {6, 50, 250}) cases.push_back({kind, N});
  // Logarithms of negative data are NaN: no trial may be given up on them
  // either way.
  cases.push_back({Kind::Unshifted, 50});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Samples, SearchModeTest, testing::ValuesIn(Cases()), Name);

}  // namespace
}  // namespace quarlin
