#pragma once
// The main report of a run: header, the chosen distribution, the summary,
// the interval table, the observed and calculated frequencies and the
// return periods. The observation table's header line beginning " Obs" is
// the landmark by which the second phase of a run reads its rows back.

#include <filesystem>
#include <string>
#include <vector>

#include "engine/analysis/report_numbers.h"
#include "engine/report/report_formula.h"

namespace quarlin {

struct ReportInput {
  std::string EngTitle1, EngTitle2;
  // The run's current file; the report names it with the extension ".inp".
  std::filesystem::path FileName;
  int NrOfData = 0;
  // "1" is best of all; anything else is a preferred distribution.
  std::string PrefCode = "1";
  // code 0: no distribution was found, the report ends after the header.
  ChosenDistribution chosen;
  ReportNumbers numbers;
};

// The X value and serial number at the start of every table row: X in 8
// characters with dX decimals, six blanks, the serial, then two blanks below
// 10, one below 100 and none from 100 on.
std::string SerialColumn(long double X, int dX, int serial);

// The report, line by line.
std::vector<std::string> ReportLines(const ReportInput& input);

// The report as the file holds it, with CR LF line ends.
std::string ReportText(const ReportInput& input);

}  // namespace quarlin
