#include "common/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "fixtures/scoped_locale.h"

namespace quarlin {
namespace {

using testing_support::kCommaLocales;
using testing_support::ScopedLocale;

// Every text form is checked under the C locale and under each comma
// locale: the files travel between machines and must not change.
template <typename Check>
void UnderEachLocale(Check check) {
  check();
  for (const char* name : kCommaLocales) {
    const ScopedLocale locale(name);
    ASSERT_TRUE(locale.Installed()) << name << " is not installed";
    SCOPED_TRACE(name);
    check();
  }
}

struct FixCase {
  long double value;
  int width, decimals;
  std::string expected;
};

class FixTest : public testing::TestWithParam<FixCase> {};

TEST_P(FixTest, Formats) {
  const auto& c = GetParam();
  UnderEachLocale([&] { EXPECT_EQ(Fix(c.value, c.width, c.decimals), c.expected); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, FixTest,
    testing::Values(FixCase{123.456L, 10, 2, "    123.46"},
                    FixCase{1234.5678L, 10, 2, "   1234.57"}, FixCase{1.0L, 10, 2, "      1.00"},
                    FixCase{0.0L, 8, 3, "   0.000"}, FixCase{-1.6L, 8, 3, "  -1.600"},
                    FixCase{9.995L, 6, 2, " 10.00"}, FixCase{9.994L, 6, 2, "  9.99"},
                    FixCase{99.96L, 4, 1, "100.0"}, FixCase{-0.0004L, 7, 3, "  0.000"},
                    FixCase{0.5L, 4, 0, "   1"}, FixCase{0.4L, 4, 0, "   0"},
                    FixCase{12345678.9L, 6, 2, "12345678.90"}, FixCase{41.5L, 7, 2, "  41.50"},
                    FixCase{-2.5L, 5, 0, "   -3"}, FixCase{0.0625L, 6, 3, " 0.063"},
                    FixCase{1e-9L, 8, 4, "  0.0000"}));

struct ExtCase {
  long double value;
  int width;
  std::string expected;
};

class ExtTest : public testing::TestWithParam<ExtCase> {};

TEST_P(ExtTest, Formats) {
  const auto& c = GetParam();
  UnderEachLocale([&] { EXPECT_EQ(Ext(c.value, c.width), c.expected); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExtTest,
    testing::Values(ExtCase{123.45L, 23, " 1.23450000000000E+0002"},
                    ExtCase{-123.45L, 23, "-1.23450000000000E+0002"},
                    ExtCase{0.0L, 23, " 0.00000000000000E+0000"},
                    ExtCase{0.0001L, 23, " 1.00000000000000E-0004"},
                    ExtCase{0.5L, 10, " 5.0E-0001"}, ExtCase{-3.456L, 10, "-3.5E+0000"},
                    ExtCase{0.123L, 10, " 1.2E-0001"}, ExtCase{0.0L, 10, " 0.0E+0000"},
                    ExtCase{0.996L, 10, " 1.0E+0000"}, ExtCase{-0.00125L, 10, "-1.3E-0003"},
                    ExtCase{1e300L, 12, " 1.000E+0300"}, ExtCase{2.5e-12L, 11, " 2.50E-0012"}));

struct SciCase {
  long double value;
  int digits;
  std::string expected;
};

class SciTest : public testing::TestWithParam<SciCase> {};

TEST_P(SciTest, Formats) {
  const auto& c = GetParam();
  UnderEachLocale([&] { EXPECT_EQ(SciDigits(c.value, c.digits), c.expected); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, SciTest,
    testing::Values(SciCase{123.0L, 3, "1.23E+002"}, SciCase{-0.00456L, 3, "-4.56E-003"},
                    SciCase{123.456L, 5, "1.2346E+002"}, SciCase{999.0L, 3, "9.99E+002"},
                    SciCase{999.5L, 3, "1.00E+003"}, SciCase{0.0L, 3, "0.00E+000"},
                    SciCase{-1e-4L, 3, "-1.00E-004"}, SciCase{1.5e123L, 3, "1.50E+123"},
                    SciCase{2.5e-1234L, 3, "2.50E-1234"}, SciCase{1.0L, 1, "  1E+000"}));

TEST(NumberText, Fix3AndIntPad) {
  EXPECT_EQ(Fix3(3.14159L), "   3.142");
  EXPECT_EQ(Fix3(-12345.6789L), "-12345.679");
  EXPECT_EQ(Int(42), "42");
  EXPECT_EQ(Int(-7, 4), "  -7");
  EXPECT_EQ(Int(2500, 4), "2500");
  EXPECT_EQ(Int(12345, 4), "12345");
}

// A slope of 0 divides into an infinity that a report line still prints.
TEST(NumberText, ExponentFormsOfNonFiniteValuesAreWords) {
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(Sci3(inf), "    +Inf");
  EXPECT_EQ(Sci5(-inf), "    -Inf");
  EXPECT_EQ(Sci3(std::numeric_limits<long double>::quiet_NaN()), "     Nan");
  EXPECT_EQ(Ext(-inf), "                   -Inf");
  EXPECT_EQ(Ext(inf, 10), "      +Inf");
}

struct GeneralCase {
  double value;
  std::string expected;
};

class GeneralTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTest, Formats) {
  UnderEachLocale([&] { EXPECT_EQ(General(GetParam().value), GetParam().expected); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, GeneralTest,
    testing::Values(GeneralCase{0.0, "0"}, GeneralCase{0.1, "0.1"}, GeneralCase{-1.6, "-1.6"},
                    GeneralCase{1234.57, "1234.57"}, GeneralCase{100.0, "100"},
                    GeneralCase{1.0 / 3.0, "0.333333333333333"},
                    GeneralCase{2.0 / 3.0, "0.666666666666667"}, GeneralCase{0.00001, "0.00001"},
                    GeneralCase{0.000001, "1E-6"}, GeneralCase{1.5e20, "1.5E20"},
                    GeneralCase{123456789012345.0, "123456789012345"}, GeneralCase{1e15, "1E15"},
                    GeneralCase{-2.5e-7, "-2.5E-7"}));

}  // namespace
}  // namespace quarlin
