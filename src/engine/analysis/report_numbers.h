#pragma once
// The numbers a report prints besides the fitted formula, as the analysis
// computes them and the report text lays them out. X values are in data
// units; frequencies in per cent.

#include <vector>

namespace quarlin {

// One row of the observation table, in rank order.
struct ObservationRow {
  long double X = 0;  // ranked value in data units
  int serial = 0;     // position in the input file
  double Fo = 0;      // observed cumulative frequency
  double Fk = 0;      // calculated cumulative frequency
  double SdFc = 0;    // its standard deviation
  double Lower = 0;   // 90% confidence belt
  double Upper = 0;
};

// One row of the return-period table, in rank order.
struct ReturnPeriodRow {
  long double X = 0;
  int serial = 0;
  double To = 0;  // observed return period
  double Tk = 0;  // calculated return period
  double lower = 0, upper = 0;
  int decimals = 2;  // of the four numbers of the row
};

// One row of the interval (histogram) table: NC + 2 rows, the first below
// the first class limit, the last above the last.
struct IntervalRow {
  double lower = 0, upper = 0;  // class limits in data units
  double observed = 0;          // per cent of the data in the class
  double calculated = 0;        // per cent by the chosen distribution
};

struct SummaryStatistics {
  double average = 0, median = 0, stdev = 0;
  int decimals = 3;  // dI: decimals of the summary and interval table
};

// Everything the report writer prints below the formula.
struct ReportNumbers {
  int dX = 0;  // decimals of X in the observation and return-period tables
  SummaryStatistics summary;
  std::vector<IntervalRow> intervals;
  std::vector<ObservationRow> observations;
  double AvAbsDiff = 0;  // per cent
  double R2 = 0;
  std::vector<ReturnPeriodRow> returnPeriods;
  double returnPeriodAvAbsDiff = 0;
};

// One row of the confidence limits of calculated X values.
struct XLimitRow {
  long double X = 0;  // as read back from the printed observation table
  int serial = 0;
  double CalcX = 0, LowerX = 0, UpperX = 0;  // data units, before the print adjustments
};

// The second phase of a run: confidence limits of X and their efficiency.
struct XConfidence {
  int dX = 0;
  bool smallestDatumNegative = false;  // a negative LowerX is printed as is
  std::vector<XLimitRow> rows;
  double RX = 0;
};

}  // namespace quarlin
