// Formula lines of the report: the shift line, the row's formula with and
// without the additional term, the values printed with the formula, and the
// member blocks of the composites.

#include "engine/report/report_formula.h"

#include "common/number_text.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

std::string Pick(const ShiftedLine& text, bool shifted) {
  return std::string(shifted ? text.shifted : text.plain);
}

// Both members with their values; the generalized ones add their exponents.
Lines MemberBlocks(const DistributionRow& row, const ChosenDistribution& d) {
  const CompositeParams& c = d.params.composite;
  const bool generalized = row.composite->generalized;
  Lines lines;
  if (generalized || row.report.emptyLineBeforeMembers) lines.push_back("");
  if (d.HighShift) lines.push_back(ShiftLine(row.report.shiftWord, d.C));
  lines.push_back(Pick(row.report.lowerMember, d.HighShift));
  lines.push_back("          As = " + Sci3(c.As) + "        Bs = " + Sci3(c.Bs));
  if (generalized) lines.push_back("          The value of exponent Es is: " + Sci3(c.Es));
  lines.push_back(Pick(row.report.upperMember, d.HighShift));
  lines.push_back("          Ag = " + Sci3(c.Ag) + "        Bg = " + Sci3(c.Bg));
  if (generalized) lines.push_back("          The value of exponent Eg is: " + Sci3(c.Eg));
  return lines;
}

}  // namespace

std::vector<std::string> FormulaLines(const ChosenDistribution& d) {
  const DistributionRow* row = FindRow(d.code);
  if (!row) return {};
  if (row->IsComposite()) return row->composite->generalized ? MemberBlocks(*row, d) : Lines{};
  const ReportLines& text = row->report;
  Lines lines;
  if (text.formulaOf) {
    text.formulaOf(d, lines);
    return lines;
  }
  if (text.formulaPlain.front().empty()) return lines;
  if (d.HighShift) lines.push_back(ShiftLine(text.shiftWord, d.C));
  for (std::string_view line : d.HighShift ? text.formulaShifted : text.formulaPlain)
    if (!line.empty()) lines.emplace_back(line);
  if (text.formulaValues) text.formulaValues(d, lines);
  return lines;
}

std::vector<std::string> LinearCompositeLines(const ChosenDistribution& d) {
  const DistributionRow* row = FindRow(d.code);
  if (!row || !row->IsComposite() || row->composite->generalized) return {};
  return MemberBlocks(*row, d);
}

}  // namespace quarlin
