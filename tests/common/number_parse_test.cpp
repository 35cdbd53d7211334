#include "common/number_parse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fixtures/scoped_locale.h"

namespace quarlin {
namespace {

struct LeadingCase {
  std::string text;
  std::optional<double> expected;
};

class LeadingRealTest : public testing::TestWithParam<LeadingCase> {};

// strtod would stop at the full stop under a decimal comma and read
// " 1.2612" as 1; the ranked list would then be sorted by whole numbers.
TEST_P(LeadingRealTest, ReadsTheSameUnderEveryLocale) {
  const auto& c = GetParam();
  EXPECT_EQ(LeadingReal(c.text), c.expected);
  for (const char* name : testing_support::kCommaLocales) {
    const testing_support::ScopedLocale locale(name);
    ASSERT_TRUE(locale.Installed()) << name << " is not installed";
    EXPECT_EQ(LeadingReal(c.text), c.expected) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingRealTest,
    testing::Values(LeadingCase{" 1.2612", 1.2612}, LeadingCase{"1.2612 %", 1.2612},
                    LeadingCase{"   0.99650", 0.9965}, LeadingCase{"-3.5E+0002x", -350.0},
                    LeadingCase{"+.5", 0.5}, LeadingCase{"7", 7.0}, LeadingCase{"1,5", 1.0},
                    LeadingCase{"", std::nullopt}, LeadingCase{"   ", std::nullopt},
                    LeadingCase{"abc", std::nullopt}, LeadingCase{"inf", std::nullopt},
                    LeadingCase{"nan", std::nullopt}, LeadingCase{"-", std::nullopt},
                    LeadingCase{"1e999", std::nullopt}));

}  // namespace
}  // namespace quarlin
