#include "engine/report/parameter_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "common/text_file.h"
#include "engine/report/parameter_file_reader.h"
#include "engine/report/report_params.h"
#include "fixtures/distinct_params.h"

namespace quarlin {
namespace {

using testing::DistinctParams;

// The values the calculator reads after the code line, in its reading order,
// then the shift. Slots where the shared A and B mean nothing for a code hold
// the nearest values of its own family, or 0.
std::vector<double> ReadingOrder(int code, const FittedParams& p, double C) {
  const LinearParams& l = p.line;
  const CompositeParams& c = p.composite;
  std::vector<double> v;
  if (code == 1 || code == 2 || code == 4 || code == 5 || code == 53 || code == 54 || code == 57 ||
      code == 60 || code == 64)
    v = {l.A, l.B};
  else if (code == 3 || code == 51 || code == 52 || code == 55 || code == 65 || code == 66)
    v = {l.A, l.B, l.E};
  else if (code == 56)
    v = {p.fisk.A, p.fisk.B};
  else if (code == 6)
    v = {l.A};
  else if (code == 33 || code == 35 || code == 58 || code == 59)
    v = {p.bound.A, p.bound.B, p.bound.C};
  else if (code == 67)
    v = {p.gev.A, p.gev.B, p.gev.K, p.gev.A, p.gev.B};
  else if (code == 68)
    v = {0.0, 0.0, p.laplace.L, p.laplace.D1, p.laplace.D2};
  else if (code == 69)
    v = {p.rayleigh.E, p.rayleigh.S, p.rayleigh.E, p.rayleigh.S};
  else if (code >= 7 && code <= 18)
    v = {c.As, c.Bs, c.Ag, c.Bg, c.P + C};
  else if (code >= 20 && code <= 25)
    v = {p.normal.M, p.normal.S};
  else if (code == 26)
    v = {p.normal.M, p.normal.S, p.normal.E};
  else if (code == 31 || code == 32)
    v = {p.burr.B, p.burr.A, p.burr.E, p.burr.K, p.burr.D};
  else if (code == 34)
    v = {p.gompertz.flag ? 1.0 : 0.0, p.gompertz.B, p.gompertz.E, p.gompertz.A};
  else if (code == 36)
    v = {p.kumaraswamy.M, p.kumaraswamy.A, p.kumaraswamy.B};
  else if (code == 61)
    v = {p.gamma.a, p.gamma.b};
  else if (code == 62 || code == 63)
    v = {p.student.mean, p.student.sd};
  else if (code == 73)
    v = {p.laplace.L, p.laplace.D1, p.laplace.D2, p.laplace.E1, p.laplace.E2};
  else if (code >= 70)
    v = {c.Es, c.Eg, c.As, c.Bs, c.Ag, c.Bg, c.P + C};
  v.push_back(C);
  return v;
}

std::vector<int> ReportableCodes() {
  std::vector<int> codes = {0};
  for (int code = 3; code <= 85; ++code)
    if (code <= 18 || (code >= 20 && code <= 26) || (code >= 31 && code <= 36) ||
        (code >= 51 && code <= 74) || code >= 80)
      codes.push_back(code);
  return codes;
}

const std::regex kExtForm(R"([ -]\d\.\d{14}E[+-]\d{4})");

class ParameterFileTest : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(ParameterFileTest, ValuesReadBackInTheCalculatorsOrder) {
  const auto [code, shift] = GetParam();
  const double C = shift ? 30.0 : 0.0001;
  const FittedParams reported = ReportedParams(code, DistinctParams(), C, shift);
  const auto lines = ParameterFileLines(code, reported, C);
  const std::vector<double> expected = ReadingOrder(code, reported, C);
  ASSERT_EQ(lines.size(), expected.size() + 2);
  EXPECT_EQ(lines[0], " Parameters for internal use, do not remove.");
  EXPECT_EQ(lines[1], std::to_string(code));
  for (size_t i = 0; i + 2 < lines.size(); ++i) {
    const bool flagLine = code == 34 && i == 0;
    if (!flagLine) {
      EXPECT_TRUE(std::regex_match(lines[i + 2], kExtForm)) << lines[i + 2];
    }
  }
  const ParameterFileReading read = ParseParameterFile(lines, "rain.aux");
  // Code 0 (no distribution found) has no parameters to read back.
  ASSERT_EQ(read.contents.has_value(), code != 0) << read.error;
  if (code == 0) return;
  std::vector<double> values = read.contents->values;
  values.push_back(read.contents->shift);
  ASSERT_EQ(values.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(values[i], expected[i], 1e-13 * std::max(1.0, std::abs(expected[i])))
        << "code " << code << " value " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ParameterFileTest,
                         ::testing::Combine(::testing::ValuesIn(ReportableCodes()),
                                            ::testing::Bool()));

TEST(ParameterFile, GumbelFileIsExact) {
  FittedParams p;
  p.line = {123.45, -0.5, 1.0};
  const std::vector<std::string> expected = {" Parameters for internal use, do not remove.", "4",
                                             " 1.23450000000000E+0002", "-5.00000000000000E-0001",
                                             " 1.00000000000000E-0004"};
  EXPECT_EQ(ParameterFileLines(4, p, 0.0001), expected);
}

TEST(ParameterFile, GompertzWithoutTheShiftedVariableHasZeroOnItsThirdLine) {
  FittedParams p = DistinctParams();
  p.gompertz.flag = false;
  EXPECT_EQ(ParameterFileLines(34, p, 0.0001)[2], "0");
  p.gompertz.flag = true;
  EXPECT_EQ(ParameterFileLines(34, p, 0.0001)[2], "1");
}

TEST(ParameterFile, LastLineIsTheShiftItself) {
  const FittedParams p = DistinctParams();
  EXPECT_EQ(ParameterFileLines(57, p, 0.0001).back(), " 1.00000000000000E-0004");
  EXPECT_EQ(ParameterFileLines(57, p, -1.6).back(), "-1.60000000000000E+0000");
}

// A composite's break point is its own, moved into data units.
TEST(ParameterFile, CompositeBreakPointInDataUnits) {
  FittedParams p;
  p.composite.P = 12.5;
  EXPECT_EQ(ParameterFileLines(16, p, -1.6)[6], " 1.09000000000000E+0001");
  EXPECT_EQ(ParameterFileLines(85, p, 30.0)[8], " 4.25000000000000E+0001");
}

class ParameterFileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("quarlin-engine-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(ParameterFileWriteTest, ReplacesAnOlderFileWithCarriageReturnLineFeedLines) {
  const auto path = folder_ / "rain.aux";
  std::ofstream(path) << "old contents\n";
  FittedParams p;
  p.line = {1.0, 2.0, 1.0};
  ASSERT_TRUE(WriteParameterFile(path, 5, p, 0.0001));
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), ParameterFileText(5, p, 0.0001));
  EXPECT_EQ(text.str().substr(0, 46), " Parameters for internal use, do not remove.\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(ParameterFileWriteTest, ReportsAFolderThatCannotBeWritten) {
  const auto path = folder_ / "missing" / "rain.aux";
  EXPECT_FALSE(WriteParameterFile(path, 4, FittedParams{}, 0.0001));
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace quarlin
