#include "engine/report/report_names.h"

#include "engine/catalogue/distribution_table.h"

namespace quarlin {

std::string ReportName(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? std::string(row->reportName) : std::string();
}

}  // namespace quarlin
