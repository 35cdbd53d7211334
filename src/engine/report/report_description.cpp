// Description lines of the report: the row's fixed lines, then its lines
// with values (a composite's break point, the normal family's mean and
// spread).

#include "engine/catalogue/distribution_table.h"
#include "engine/report/report_formula.h"

namespace quarlin {

std::vector<std::string> DescriptionLines(const ChosenDistribution& d) {
  Lines lines;
  const DistributionRow* row = FindRow(d.code);
  if (!row) return lines;
  for (std::string_view line : row->report.description)
    if (!line.empty()) lines.emplace_back(line);
  if (row->report.descriptionValues) row->report.descriptionValues(d, lines);
  return lines;
}

}  // namespace quarlin
