#include "data/number_reading.h"

#include <gtest/gtest.h>

namespace quarlin {
namespace {

struct RealCase {
  std::string text;
  std::optional<long double> value;
};

class ParseRealTest : public testing::TestWithParam<RealCase> {};

TEST_P(ParseRealTest, Reads) {
  EXPECT_EQ(ParseReal(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRealTest,
    testing::Values(RealCase{"12", 12.0L}, RealCase{"  -3.5 ", -3.5L}, RealCase{"+7", 7.0L},
                    RealCase{".5", 0.5L}, RealCase{"5.", 5.0L}, RealCase{" 5.0E-0001", 0.5L},
                    RealCase{"-3.5E+0000", -3.5L}, RealCase{"1.5e3", 1500.0L},
                    RealCase{"1234.57", 1234.57L}, RealCase{"", std::nullopt},
                    RealCase{"   ", std::nullopt}, RealCase{".", std::nullopt},
                    RealCase{"1,5", std::nullopt}, RealCase{"1.5E", std::nullopt},
                    RealCase{"E5", std::nullopt}, RealCase{"inf", std::nullopt},
                    RealCase{"nan", std::nullopt}, RealCase{"12abc", std::nullopt},
                    RealCase{"1 2", std::nullopt}, RealCase{"--1", std::nullopt},
                    RealCase{"1e99999", std::nullopt}));

TEST(ParseInteger, WholeTextOnly) {
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_EQ(ParseInteger("-7"), -7);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("7x"), std::nullopt);
  EXPECT_EQ(ParseInteger("1.5"), std::nullopt);
  EXPECT_EQ(ParseInteger("++7"), std::nullopt);
  EXPECT_EQ(ParseInteger(""), std::nullopt);
  EXPECT_EQ(ParseInteger("99999999999"), std::nullopt);
}

TEST(StringToFloat, FullStopSeparator) {
  NumberConversion numbers('.');
  EXPECT_EQ(numbers.StringToFloat("2.5"), 2.5);
  EXPECT_EQ(numbers.StringToFloat(" 1E3 "), 1000.0);
  EXPECT_EQ(numbers.StringToFloat("2,5"), std::nullopt);
  EXPECT_EQ(numbers.StringToFloat("1e400"), std::nullopt) << "beyond 64-bit range";
  EXPECT_EQ(numbers.DecimalSeparator(), '.');
}

TEST(StringToFloat, CommaSwitchesToFullStopForGoodAfterOneFailure) {
  NumberConversion numbers(',');
  EXPECT_EQ(numbers.StringToFloat("2,5"), 2.5);
  EXPECT_EQ(numbers.DecimalSeparator(), ',');
  EXPECT_EQ(numbers.StringToFloat("3.5"), 3.5) << "retried under a full stop";
  EXPECT_EQ(numbers.DecimalSeparator(), '.');
  EXPECT_EQ(numbers.StringToFloat("2,5"), std::nullopt) << "the comma is no longer taken";
}

TEST(StringToFloat, SecondFailureReachesTheCaller) {
  NumberConversion numbers(',');
  EXPECT_EQ(numbers.StringToFloat("abc"), std::nullopt);
  EXPECT_EQ(numbers.DecimalSeparator(), '.');
}

TEST(ReadEntry, SwitchesOnlyForATextTheFullStopReads) {
  NumberConversion numbers(',');
  EXPECT_FALSE(numbers.Reads("abc"));
  EXPECT_EQ(numbers.ReadEntry("abc"), std::nullopt);
  EXPECT_EQ(numbers.ReadEntry("1,2.5"), std::nullopt);
  EXPECT_EQ(numbers.DecimalSeparator(), ',') << "no number: the commas stay readable";
  EXPECT_EQ(numbers.ReadEntry("2,5"), 2.5);
  EXPECT_TRUE(numbers.Reads("3.5"));
  EXPECT_EQ(numbers.DecimalSeparator(), ',') << "asking changes nothing";
  EXPECT_EQ(numbers.ReadEntry("3.5"), 3.5);
  EXPECT_EQ(numbers.DecimalSeparator(), '.');
  EXPECT_FALSE(numbers.Reads("2,5"));
}

}  // namespace
}  // namespace quarlin
