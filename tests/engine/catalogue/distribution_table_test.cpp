#include "engine/catalogue/distribution_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/driver/fit_all.h"
#include "fixtures/catalogue_cases.h"

namespace quarlin {
namespace {

// The assigned codes, written out apart from the table.
bool Assigned(int code) {
  return (code >= 1 && code <= 18) || (code >= 20 && code <= 26) || (code >= 31 && code <= 36) ||
         (code >= 51 && code <= 74) || (code >= 80 && code <= 85);
}

TEST(DistributionTableTest, HoldsOneRowPerAssignedCodeInAscendingOrder) {
  std::vector<int> assigned, rows;
  for (int code = -5; code <= 120; ++code)
    if (Assigned(code)) assigned.push_back(code);
  for (const DistributionRow& row : AllRows()) rows.push_back(row.code);
  EXPECT_EQ(rows, assigned);
  for (int code = -5; code <= 120; ++code) {
    const DistributionRow* row = FindRow(code);
    ASSERT_EQ(row != nullptr, Assigned(code)) << code;
    if (row) {
      EXPECT_EQ(row->code, code);
    }
  }
}

TEST(DistributionTableTest, ACodeWithoutARowFailsLoudly) {
  for (const int code : {0, -1, 19, 27, 37, 50, 75, 79, 86, 1000}) {
    EXPECT_EQ(FindRow(code), nullptr) << code;
    EXPECT_THROW(RowOf(code), std::logic_error) << code;
  }
  EXPECT_EQ(RowOf(kKumaraswamy).code, kKumaraswamy);
}

// What the driver fits by a row must have one that says how: a code missing
// there was once read through a null entry.
TEST(DistributionTableTest, EveryCodeTheDriverFitsHasAFittableRow) {
  for (const int code : FitSequence(true)) {
    const DistributionRow* row = FindRow(code);
    ASSERT_NE(row, nullptr) << code;
    EXPECT_NE(row->kind, DistributionKind::NameOnly) << code;
    EXPECT_FALSE(row->nameLine.empty()) << code;
  }
}

// Every row with a function is evaluated through the row's own pointers at
// the closed forms of the fixtures, and inverted back where it has an
// inverse; a row with a function but no case here fails.
TEST(DistributionTableTest, EveryRowWithAFunctionEvaluatesThroughItsRow) {
  std::map<int, testing::CodeCase> single;
  for (const testing::CodeCase& c : testing::SingleFormulaCases()) single.emplace(c.code, c);
  std::map<int, testing::CompositeCase> composites;
  for (const testing::CompositeCase& c : testing::CompositeCases()) composites.emplace(c.code, c);
  const FittedParams compositeParams = testing::CompositeParamsForTest();

  for (const DistributionRow& row : AllRows()) {
    SCOPED_TRACE(row.code);
    if (!row.HasFunction()) {
      EXPECT_EQ(row.kind, DistributionKind::NameOnly);
      continue;
    }
    EXPECT_EQ(row.HasInverse(), row.kind != DistributionKind::NormalMember && row.code != kGamma);
    long double Y = 0, expected = 0;
    FittedParams params;
    if (row.IsComposite()) {
      const testing::CompositeCase& c = composites.at(row.code);
      const CompositeParams& p = compositeParams.composite;
      Y = 2;  // below the break point: the lower member
      expected = c.lower(p.As * (c.generalized ? std::pow(Y, p.Es) : Y) + p.Bs);
      params = compositeParams;
    } else {
      ASSERT_TRUE(single.count(row.code));
      const testing::CodeCase& c = single.at(row.code);
      Y = c.Ys.front();
      expected = c.F(c.params, Y);
      params = c.params;
    }
    const Evaluation value = row.forward(row, Y, params, EvalSite::FreeValue());
    EXPECT_NEAR(static_cast<double>(value.F), static_cast<double>(expected), 1e-14);
    if (!row.HasInverse()) continue;
    const auto back = row.inverse(row, value.F, params, Member::Lower);
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(static_cast<double>(*back), static_cast<double>(Y), 1e-9 * static_cast<double>(Y));
  }
}

// The ranked-list line and the progress lines of a row.
struct TextCase {
  int code;
  std::string nameLine;
  std::vector<std::string> progressLines;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << "code" << c.code;
}

std::vector<std::string> ShownLines(const DistributionRow& row) {
  std::vector<std::string> lines;
  for (std::string_view line : row.progressLines)
    if (!line.empty()) lines.emplace_back(line);
  return lines;
}

class RowTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(RowTextTest, WritesItsLinesExactly) {
  const TextCase& c = GetParam();
  const DistributionRow& row = RowOf(c.code);
  EXPECT_EQ(std::string(row.nameLine), c.nameLine);
  EXPECT_EQ(ShownLines(row), c.progressLines);
}

INSTANTIATE_TEST_SUITE_P(
    Composites, RowTextTest,
    ::testing::Values(
        TextCase{7, " Composite Gumbel distribution mirrored", {" 7 done"}},
        TextCase{8, " Composite logistic distribution", {" 8 done"}},
        TextCase{9, " Composite Gumbel distribution", {" 9 done"}},
        TextCase{10, " Gumbel mirrored + Logistic distribution", {" 10 done"}},
        TextCase{11, " Gumbel mirrored  + Gumbel standard distribution ", {" 11 done"}},
        TextCase{12, " Gumbel + Logistic distribution", {" 12 done"}},
        TextCase{13, " Gumbel + Gumbel Mirrored  distribution", {" 13 done"}},
        TextCase{14, " Logistic + Gumbel mirrored distribution", {" 14 done"}},
        TextCase{15, " Logistic + Gumbel distribution", {" 15 done"}},
        TextCase{16, " Gumbel + Poisson distribution", {" 16 done"}},
        TextCase{17, " Gumbel mirrored + Poisson distribution", {" 17 done"}},
        TextCase{18, " Logistic + Poisson distribution", {" 18 done"}},
        TextCase{70, " Composite generalizd logistic distribution", {" 70 done"}},
        TextCase{71, " Composite generalized Gumbel distribution", {" 71 done"}},
        TextCase{72, " Composite generalized exponential (Poisson) distribution", {" 72 done"}},
        TextCase{74, " Composite mirrored Gumbel distribution generalized", {" 74 done"}},
        TextCase{
            80, " Generalized logistic + Gumbel distribution", {" 80 done", " Progress 20% ....."}},
        TextCase{81, " Generalized Logistic + Poisson distribution", {" 81 done"}},
        TextCase{82, " Generalized Gumbel + logistic distribution", {" 82 done ....."}},
        TextCase{83, " Generalized Gumbel + Poisson distribution", {" 83 done"}},
        TextCase{84,
                 " Generalized Poisson + logistic distribution",
                 {" 84 done", " Progress 60% ....."}},
        TextCase{85, " Generalized Poisson + Gumbel distribution", {" 85 done"}}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

INSTANTIATE_TEST_SUITE_P(
    NormalFamily, RowTextTest,
    ::testing::Values(TextCase{20, " Normal distribution standard", {" 90 done"}},
                      TextCase{21, " Normal distribution optimized", {" 91 done"}},
                      TextCase{22, " Log-normal distribution standard", {" 92 done"}},
                      TextCase{23, " Log-normal distribution optimized", {" 93 done"}},
                      TextCase{24, " Root-normal distribution optimized", {" 94 done"}},
                      TextCase{25, " Square normal distribution optimized", {" 95 done"}},
                      TextCase{26, " Generalized normal distribution", {" 96 done"}}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

}  // namespace
}  // namespace quarlin
