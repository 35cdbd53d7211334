#include "engine/catalogue/distribution_table.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/catalogue/rows/composite_rows.h"
#include "engine/catalogue/rows/line_rows.h"
#include "engine/catalogue/rows/normal_rows.h"
#include "engine/catalogue/rows/own_rows.h"

namespace quarlin {
namespace {

// The rows of every kind, in ascending code order.
constexpr auto kRows = [] {
  using namespace row_making;
  constexpr std::size_t count =
      kLineRows.size() + kCompositeRows.size() + kNormalRows.size() + kOwnFormulaRows.size();
  std::array<DistributionRow, count> rows{};
  std::size_t n = 0;
  for (const auto& part : {std::span<const DistributionRow>(kLineRows),
                           std::span<const DistributionRow>(kCompositeRows),
                           std::span<const DistributionRow>(kNormalRows),
                           std::span<const DistributionRow>(kOwnFormulaRows)})
    for (const DistributionRow& row : part) {
      std::size_t i = n++;
      for (; i > 0 && rows[i - 1].code > row.code; --i) rows[i] = rows[i - 1];
      rows[i] = row;
    }
  return rows;
}();

constexpr int kHighestCode = kCompositeGeneralizedPoissonGumbel;

// kIndex[code]: the place of the code's row in kRows, or -1.
constexpr auto kIndex = [] {
  std::array<int8_t, kHighestCode + 1> index{};
  index.fill(-1);
  for (std::size_t i = 0; i < kRows.size(); ++i) index[kRows[i].code] = static_cast<int8_t>(i);
  return index;
}();

constexpr bool StrictlyAscending() {
  for (std::size_t i = 1; i < kRows.size(); ++i)
    if (!(kRows[i - 1].code < kRows[i].code)) return false;
  return kRows.front().code > kNoDistribution && kRows.back().code == kHighestCode;
}
static_assert(StrictlyAscending(), "rows are kept in ascending code order, one per code");

}  // namespace

std::span<const DistributionRow> AllRows() {
  return kRows;
}

const DistributionRow* FindRow(int code) {
  if (code < 0 || code > kHighestCode || kIndex[code] < 0) return nullptr;
  return &kRows[kIndex[code]];
}

const DistributionRow& RowOf(int code) {
  if (const DistributionRow* row = FindRow(code)) return *row;
  throw std::logic_error("no distribution has code " + std::to_string(code));
}

bool IsNormalFamily(int code) {
  const DistributionRow* row = FindRow(code);
  return row && row->IsNormalFamily();
}

BoundSide BoundSideOf(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? row->bound : BoundSide::None;
}

Predictor MemberLine(const RegressionMember& member, const LinearParams& line) {
  return Predictor{member.link, member.scale, line.A, member.ratioLine ? 0.0 : line.B,
                   member.scale == Scale::Power ? line.E : 1.0};
}

}  // namespace quarlin
