#pragma once
// What the graphs take from a finished report and its parameter file.

#include <optional>
#include <string>
#include <vector>

#include "engine/report/parameter_file_reader.h"

namespace quarlin {

// One report table read for one graph type. The columns are named by the
// role the painter gives them; what each holds depends on the table:
//
//   type        x                 observed          calculated     upper          lower
//   1, 5        X                 observed %        calculated %   upper limit %  lower limit %
//   2           lower class limit upper class limit observed %     calculated %   -
//   6           lower class limit upper class limit calculated %   observed %     -
//   3           observed X        serial number     calculated X   upper limit    lower limit
//   4           X                 observed period   calculated     upper limit    lower limit
//
// Columns not filled by a table stay empty; the others hold one value per
// table row.
struct GraphColumns {
  std::vector<long double> x;
  std::vector<long double> observed;
  std::vector<long double> calculated;
  std::vector<long double> upper;
  std::vector<long double> lower;

  size_t Rows() const { return x.size(); }
};

struct GraphData {
  // The parameter file beside the report: the distribution code and what
  // the evaluation needs for the curves the report does not tabulate.
  ParameterFileContents parameters;
  std::string title1;
  std::string title2;
  // The number of data of the report's heading (line 7).
  int nrOfData = 0;
  // P of a composite distribution, as the report prints it.
  std::optional<long double> separationPoint;
  GraphColumns columns;
  // Cumulative graph only: the report's AvAbsDiff in %, and the calculated
  // frequency where the separation line ends.
  double avAbsDiff = 0;
  std::optional<long double> frequencyPastSeparation;
  // Cumulative graph only: the observed points are too few or too unevenly
  // spread to be joined, so the curve is evaluated from the parameters.
  bool sparseData = false;

  int DistrCode() const { return parameters.code; }
  // The interval graphs' number of classes.
  int NrOfClasses() const { return static_cast<int>(columns.Rows()); }
};

// Either the data or an error that names the file and says what is missing;
// never a part of the data.
struct GraphDataReading {
  std::optional<GraphData> data;
  std::string error;
};

}  // namespace quarlin
