// Every row that can be fitted must carry all that the later stages read
// from it; a row added without one of its facts fails here by name.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/catalogue/distribution_table.h"
#include "engine/report/report_formula.h"

namespace quarlin {
namespace {

bool Fitted(const DistributionRow& row) {
  return row.kind != DistributionKind::NameOnly;
}

bool Complete(const ShiftedLine& line) {
  return !line.shifted.empty() && !line.plain.empty();
}

// Lines the same in number with and without the shift.
bool SameShape(const std::array<std::string_view, 2>& a, const std::array<std::string_view, 2>& b) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].empty() != b[i].empty()) return false;
  return true;
}

TEST(RowCompletenessTest, EveryFittedRowHasItsNamesAndLayout) {
  for (const DistributionRow& row : AllRows()) {
    SCOPED_TRACE(row.code);
    EXPECT_FALSE(row.listName.empty());
    EXPECT_FALSE(row.reportName.empty());
    ASSERT_FALSE(row.parameters.empty());
    for (const ParameterSlot& slot : row.parameters) {
      EXPECT_FALSE(slot.letter.empty());
      EXPECT_NE(slot.get, nullptr);
    }
    if (!Fitted(row)) continue;
    EXPECT_FALSE(row.nameLine.empty());
    EXPECT_TRUE(row.HasFunction());
    EXPECT_EQ(row.regression.has_value(), row.kind == DistributionKind::RegressionMember);
    EXPECT_EQ(row.IsComposite(), row.kind == DistributionKind::SimpleComposite ||
                                     row.kind == DistributionKind::GeneralizedComposite);
    if (row.IsComposite()) {
      EXPECT_EQ(row.composite->generalized, row.kind == DistributionKind::GeneralizedComposite);
    }
    if (row.tempValues == TempValues::FamilyPair) {
      EXPECT_GE(row.parameters.size(), 2u);
    }
    if (row.tempValues == TempValues::Slope) {
      EXPECT_TRUE(row.regression && row.regression->ratioLine);
    }
  }
}

TEST(RowCompletenessTest, EveryFittedRowHasItsReportTexts) {
  for (const DistributionRow& row : AllRows()) {
    if (!Fitted(row)) continue;
    SCOPED_TRACE(row.code);
    const ReportLines& r = row.report;
    EXPECT_FALSE(r.description.front().empty());
    if (row.IsComposite()) {
      EXPECT_TRUE(Complete(r.lowerMember));
      EXPECT_TRUE(Complete(r.upperMember));
      EXPECT_NE(r.descriptionValues, nullptr) << "no separation line";
      continue;
    }
    if (row.IsNormalFamily()) {
      EXPECT_NE(r.descriptionValues, nullptr) << "no mean and spread lines";
      continue;
    }
    EXPECT_TRUE(r.formulaOf || !r.formulaPlain.front().empty()) << "no formula";
    EXPECT_TRUE(SameShape(r.formulaShifted, r.formulaPlain));
  }
}

// What the report prints of every fitted row: a description, and with
// shifted data the shift somewhere in the distribution's lines.
TEST(RowCompletenessTest, EveryFittedRowReportsItsShift) {
  for (const DistributionRow& row : AllRows()) {
    if (!Fitted(row)) continue;
    SCOPED_TRACE(row.code);
    ChosenDistribution d;
    d.code = row.code;
    d.params.line = {0.5, 1.0, 1.5};
    d.params.gompertz.flag = true;  // without it code 34 names no shift
    d.C = 30;
    d.HighShift = true;
    const std::vector<std::string> lines = DistributionLines(d);
    EXPECT_FALSE(DescriptionLines(d).empty());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
      return line.find("C = -3.00E+001") != std::string::npos ||
             line.find("T = -3.00E+001") != std::string::npos;
    }));
  }
}

}  // namespace
}  // namespace quarlin
