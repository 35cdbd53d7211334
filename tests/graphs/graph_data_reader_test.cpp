#include "graphs/graph_data_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/text_file.h"

namespace quarlin {
namespace {

constexpr GraphType kAllTypes[] = {GraphType::kCumulative,        GraphType::kIntervalCalculated,
                                   GraphType::kConfidenceBeltOfX, GraphType::kReturnPeriods,
                                   GraphType::kPredictedObserved, GraphType::kIntervalObserved};

std::filesystem::path DataFile(const std::string& name) {
  return std::filesystem::path(QUARLIN_SOURCE_DIR) / "Data" / name;
}

std::vector<std::string> Lines(const std::filesystem::path& path) {
  auto lines = ReadLines(path);
  EXPECT_TRUE(lines) << path;
  return lines.value_or(std::vector<std::string>{});
}

ParameterFileContents Parameters(int code = 1) {
  ParameterFileContents contents;
  contents.code = code;
  return contents;
}

// A report in the writer's layout with one observation table of `x`, the
// separation line at `separationLine` (10 or 11, 0 for none).
std::vector<std::string> CumulativeReport(const std::vector<double>& x, int separationLine = 0,
                                          const std::string& avAbsDiff = "      3.10%") {
  std::vector<std::string> lines = {" RESULTS OF Quarlin PROGRAM",
                                    " Cumulative frequency analysis",
                                    "",
                                    " First title",
                                    " Second title",
                                    " Name of input file used: a.inp",
                                    " Number of data used: " + std::to_string(x.size()),
                                    "",
                                    " Cumulative frequency of something :",
                                    " more description"};
  if (separationLine) {
    lines.resize(separationLine - 1);
    lines.push_back(" The separation point is : P = 40.000");
  }
  lines.insert(lines.end(), {"", " Observed and calculated cumulative frequencies", " ---", " h1",
                             " h2", " ---"});
  for (size_t i = 0; i < x.size(); ++i) {
    std::ostringstream row;
    row << "  " << x[i] << "  " << i + 1 << "  " << (i + 1) * 100.0 / (x.size() + 1) << "  "
        << i + 0.5 << "  1.0  " << i << "  " << i + 1.0;
    lines.push_back(row.str());
  }
  lines.insert(lines.end(), {" -----", " Average of absolute differences between calculated and",
                             " observed frequencies :" + avAbsDiff, " Efficiency"});
  return lines;
}

std::vector<double> Spread(int count, int repeats = 0) {
  std::vector<double> x;
  for (int i = 0; i < count; ++i) x.push_back(i < repeats ? 1.0 : i);
  return x;
}

struct CellCase {
  GraphType type;
  size_t row;
  std::vector<long double> GraphColumns::*column;
  double value;
};

// Cells of each table of sleep.out in the column each type puts them in.
TEST(GraphDataReaderTest, ReadsEachTableOfTheBundledReport) {
  using C = GraphColumns;
  using enum GraphType;
  const auto report = Lines(DataFile("sleep.out"));
  for (const CellCase& c : std::vector<CellCase>{{kCumulative, 0, &C::x, -1.6},
                                                 {kCumulative, 0, &C::observed, 4.76},
                                                 {kCumulative, 0, &C::calculated, 5.06},
                                                 {kCumulative, 0, &C::lower, 4.22},
                                                 {kCumulative, 0, &C::upper, 20.875},
                                                 {kPredictedObserved, 19, &C::observed, 95.24},
                                                 {kIntervalCalculated, 1, &C::x, -1.6},
                                                 {kIntervalCalculated, 1, &C::observed, -0.18},
                                                 {kIntervalCalculated, 1, &C::calculated, 15.0},
                                                 {kIntervalCalculated, 1, &C::upper, 15.7},
                                                 {kIntervalObserved, 1, &C::calculated, 15.7},
                                                 {kIntervalObserved, 1, &C::upper, 15.0},
                                                 {kConfidenceBeltOfX, 10, &C::observed, 13},
                                                 {kConfidenceBeltOfX, 10, &C::calculated, 0.946},
                                                 {kConfidenceBeltOfX, 10, &C::lower, 0.316},
                                                 {kConfidenceBeltOfX, 10, &C::upper, 2.392},
                                                 {kReturnPeriods, 12, &C::observed, 2.6},
                                                 {kReturnPeriods, 19, &C::calculated, 9.0},
                                                 {kReturnPeriods, 19, &C::lower, 6.1},
                                                 {kReturnPeriods, 19, &C::upper, 14.8}}) {
    const auto reading = ReadGraphDataLines(report, "sleep.out", Parameters(73), c.type);
    ASSERT_TRUE(reading.data) << reading.error;
    const auto& column = reading.data->columns.*c.column;
    ASSERT_LT(c.row, column.size());
    EXPECT_DOUBLE_EQ(column[c.row], c.value) << static_cast<int>(c.type) << " row " << c.row;
  }
  const auto cumulative = ReadGraphDataLines(report, "sleep.out", Parameters(73), kCumulative);
  const GraphData& data = *cumulative.data;
  EXPECT_EQ(data.DistrCode(), 73);
  EXPECT_EQ(data.title1, "Increase in hours of sleep of 10 patients under two drugs");
  EXPECT_EQ(data.title2, "hours");
  EXPECT_EQ(data.nrOfData, 20);
  EXPECT_DOUBLE_EQ(data.avAbsDiff, 3.10);
  EXPECT_FALSE(data.separationPoint);
  EXPECT_FALSE(data.sparseData);
  EXPECT_EQ(
      ReadGraphDataLines(report, "sleep.out", Parameters(), kIntervalObserved).data->NrOfClasses(),
      7);
}

class BundledReportTest : public testing::TestWithParam<std::string> {};

// Every table of every bundled report reads whole, from the files on disk.
TEST_P(BundledReportTest, ReadsEveryGraphType) {
  for (GraphType type : kAllTypes) {
    const GraphDataReading reading = ReadGraphData(DataFile(GetParam() + ".inp"), type);
    ASSERT_TRUE(reading.data) << reading.error;
    const GraphData& data = *reading.data;
    EXPECT_GT(data.DistrCode(), 0);
    if (IsIntervalGraph(type)) {
      EXPECT_GE(data.NrOfClasses(), 3);
    } else {
      EXPECT_EQ(data.columns.Rows(), static_cast<size_t>(data.nrOfData));
      EXPECT_TRUE(std::is_sorted(data.columns.x.begin(), data.columns.x.end()));
    }
  }
}

// A report cut short after any line gives either the whole table (the cut
// came after it) or an error naming the report; never a part of the data.
TEST_P(BundledReportTest, TruncatedReportFailsWithTheFileName) {
  const auto report = Lines(DataFile(GetParam() + ".out"));
  for (GraphType type : kAllTypes) {
    const auto whole = ReadGraphDataLines(report, "r.out", Parameters(), type);
    ASSERT_TRUE(whole.data);
    size_t firstWhole = report.size();
    for (size_t cut = 0; cut < report.size(); ++cut) {
      const std::vector<std::string> head(report.begin(), report.begin() + cut);
      const auto reading = ReadGraphDataLines(head, "r.out", Parameters(), type);
      if (reading.data) {
        firstWhole = std::min(firstWhole, cut);
        EXPECT_EQ(reading.data->columns.x, whole.data->columns.x) << cut;
      } else {
        EXPECT_EQ(reading.error.rfind("r.out: ", 0), 0u) << reading.error;
        EXPECT_LT(cut, firstWhole) << "a longer cut failed after a shorter one read: " << cut;
      }
    }
    EXPECT_LT(firstWhole, report.size());
  }
}

// A graph of a report cut before its table names the part it misses in the
// report's words; a part that is whole is read from the same cut report.
struct MissingTableCase {
  GraphType type;
  const char* cutBefore;  // the report ends before the first line beginning so
  std::string what;       // "" when the graph is still read
};

class MissingTableTest : public testing::TestWithParam<MissingTableCase> {};

TEST_P(MissingTableTest, SaysWhatTheGraphMisses) {
  const auto report = Lines(DataFile("portpirie.out"));
  size_t end = 0;
  while (end < report.size() && !report[end].starts_with(GetParam().cutBefore)) ++end;
  ASSERT_LT(end, report.size());
  const std::vector<std::string> head(report.begin(), report.begin() + end);
  const auto reading = ReadGraphDataLines(head, "r.out", Parameters(), GetParam().type);
  if (GetParam().what.empty()) {
    EXPECT_TRUE(reading.data) << reading.error;
  } else {
    EXPECT_FALSE(reading.data);
    EXPECT_EQ(reading.error, "r.out: " + GetParam().what);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, MissingTableTest,
    testing::Values(
        MissingTableCase{GraphType::kCumulative, " Name of input",
                         "the report ends before its number of data"},
        MissingTableCase{GraphType::kIntervalObserved, " Interval analysis",
                         "the report ends before its table of the interval analysis"},
        MissingTableCase{GraphType::kCumulative, " Observed and calculated",
                         "the report ends before its table of observed and calculated "
                         "cumulative frequencies"},
        MissingTableCase{GraphType::kCumulative, " Average of absolute",
                         "the report ends before its average of absolute differences between "
                         "calculated and observed frequencies"},
        MissingTableCase{GraphType::kPredictedObserved, " Average of absolute", ""},
        MissingTableCase{GraphType::kReturnPeriods, " Return period",
                         "the report ends before its table of return periods"},
        MissingTableCase{GraphType::kIntervalCalculated, " Return period", ""},
        MissingTableCase{GraphType::kConfidenceBeltOfX, " Confidence limits",
                         "the report ends before its table of confidence limits of calculated "
                         "X-values"}));

// A line of garbage anywhere either leaves the table alone or makes the read
// fail with the report's name.
TEST_P(BundledReportTest, GarbageLineNeverGivesPartOfATable) {
  const auto report = Lines(DataFile(GetParam() + ".out"));
  const size_t step = std::max<size_t>(1, report.size() / 400);
  for (GraphType type : kAllTypes) {
    const auto whole = ReadGraphDataLines(report, "r.out", Parameters(), type);
    for (size_t line = 0; line < report.size(); line += step) {
      auto damaged = report;
      damaged[line] = "  1.5 x@% ,,";
      const auto reading = ReadGraphDataLines(damaged, "r.out", Parameters(), type);
      if (!reading.data) {
        EXPECT_EQ(reading.error.rfind("r.out: ", 0), 0u) << reading.error;
      } else if (line > 9 && reading.data->columns.Rows() == whole.data->columns.Rows()) {
        EXPECT_EQ(reading.data->columns.calculated, whole.data->columns.calculated) << line;
      }
    }
  }
}

// The largest bundled report, too long to cut at every line.
TEST(GraphDataReaderTest, ReadsTheLargestBundledReport) {
  for (GraphType type : kAllTypes) {
    const GraphDataReading reading = ReadGraphData(DataFile("lossalae_Loss.out"), type);
    ASSERT_TRUE(reading.data) << reading.error;
    EXPECT_EQ(reading.data->nrOfData, 1500);
    if (!IsIntervalGraph(type)) {
      EXPECT_EQ(reading.data->columns.Rows(), 1500u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Data, BundledReportTest,
                         testing::Values("Nile", "portpirie", "precip", "rivers", "sleep"));

TEST(GraphDataReaderTest, TableShorterThanTheDataIsAnError) {
  auto report = Lines(DataFile("sleep.out"));
  for (GraphType type : kAllTypes) {
    auto damaged = report;
    // A closing line after two rows of each table.
    for (size_t i = 0; i < damaged.size(); ++i)
      if (damaged[i].starts_with(" Con"))
        damaged[i + 8] = " ---";
      else if (damaged[i].starts_with(" Obs") || damaged[i].starts_with(" Int") ||
               damaged[i].starts_with(" Ret"))
        damaged[i + 7] = " ---";
    const auto reading = ReadGraphDataLines(damaged, "r.out", Parameters(), type);
    if (IsIntervalGraph(type)) {
      ASSERT_TRUE(reading.data) << reading.error;
      EXPECT_EQ(reading.data->NrOfClasses(), 2);
    } else {
      EXPECT_FALSE(reading.data);
      EXPECT_NE(reading.error.find("rows for 20 data"), std::string::npos) << reading.error;
    }
  }
}

TEST(GraphDataReaderTest, SeparationPointOnLineTenOrEleven) {
  for (int line : {10, 11}) {
    const auto reading = ReadGraphDataLines(CumulativeReport(Spread(20), line), "r.out",
                                            Parameters(7), GraphType::kCumulative);
    ASSERT_TRUE(reading.data) << reading.error;
    ASSERT_TRUE(reading.data->separationPoint) << line;
    EXPECT_DOUBLE_EQ(*reading.data->separationPoint, 40.0);
    // X 0..19 are all below P: the line ends at the last row.
    EXPECT_DOUBLE_EQ(*reading.data->frequencyPastSeparation, 19.5);
  }
  const auto none = ReadGraphDataLines(CumulativeReport(Spread(20)), "r.out", Parameters(),
                                       GraphType::kCumulative);
  EXPECT_FALSE(none.data->separationPoint);
  EXPECT_FALSE(none.data->frequencyPastSeparation);
}

TEST(GraphDataReaderTest, FrequencyPastSeparationIsTwoRowsPastP) {
  auto x = Spread(60);  // 0..59 with P = 40: rows 0..39 lie below it
  const auto reading =
      ReadGraphDataLines(CumulativeReport(x, 10), "r.out", Parameters(7), GraphType::kCumulative);
  ASSERT_TRUE(reading.data);
  EXPECT_DOUBLE_EQ(*reading.data->frequencyPastSeparation, 42.5);
}

struct SparseCase {
  int count;
  int repeats;
  double gapAfterLast;  // added to the last value
  int separationLine;
  bool sparse;
};

class SparseDataTest : public testing::TestWithParam<SparseCase> {};

TEST_P(SparseDataTest, DecidesWhetherPointsAreJoined) {
  const SparseCase& c = GetParam();
  auto x = Spread(c.count, c.repeats);
  x.back() += c.gapAfterLast;
  const auto reading = ReadGraphDataLines(CumulativeReport(x, c.separationLine), "r.out",
                                          Parameters(), GraphType::kCumulative);
  ASSERT_TRUE(reading.data) << reading.error;
  EXPECT_EQ(reading.data->sparseData, c.sparse);
}

INSTANTIATE_TEST_SUITE_P(Cases, SparseDataTest,
                         testing::Values(SparseCase{12, 5, 0, 0, true},  // 8 distinct values
                                         SparseCase{12, 3, 0, 0, false},
                                         SparseCase{12, 5, 0, 10, false},  // a composite
                                         SparseCase{20, 0, 20, 0, true},   // one wide gap
                                         SparseCase{20, 0, 20, 11, false},
                                         SparseCase{50, 45, 0, 0, true},
                                         SparseCase{51, 45, 0, 0, false},  // rows enough
                                         SparseCase{60, 0, 500, 0, false}));

TEST(GraphDataReaderTest, SparseDataIsJudgedOnTrueRangeOfLargeValues) {
  // Values from 2000000 to 3000000 with a gap of 0.4 of their range.
  std::vector<double> x;
  for (int i = 0; i < 20; ++i) x.push_back(2e6 + i * 0.6e6 / 19);
  x.back() = 3e6;
  x[18] = 2.6e6;
  const auto reading =
      ReadGraphDataLines(CumulativeReport(x), "r.out", Parameters(), GraphType::kCumulative);
  ASSERT_TRUE(reading.data);
  EXPECT_TRUE(reading.data->sparseData);
}

TEST(GraphDataReaderTest, AvAbsDiffFieldForms) {
  for (const auto& [field, value] : std::vector<std::pair<std::string, double>>{
           {"      3.10%", 3.10}, {"   1.23 %", 1.23}, {"  12.5", 12.5}}) {
    const auto reading = ReadGraphDataLines(CumulativeReport(Spread(20), 0, field), "r.out",
                                            Parameters(), GraphType::kCumulative);
    ASSERT_TRUE(reading.data) << field << reading.error;
    EXPECT_DOUBLE_EQ(reading.data->avAbsDiff, value) << field;
  }
  const auto bad = ReadGraphDataLines(CumulativeReport(Spread(20), 0, "   n/a"), "r.out",
                                      Parameters(), GraphType::kCumulative);
  EXPECT_FALSE(bad.data);
  EXPECT_NE(bad.error.find("average absolute difference"), std::string::npos);
}

TEST(GraphDataReaderTest, MissingFilesAreNamed) {
  const auto folder = std::filesystem::temp_directory_path() / "quarlin_graph_reader_test";
  std::filesystem::create_directories(folder);
  const auto base = folder / "run";
  std::filesystem::remove(base.string() + ".out");
  std::filesystem::remove(base.string() + ".aux");
  const auto noAux = ReadGraphData(base.string() + ".inp", GraphType::kCumulative);
  EXPECT_FALSE(noAux.data);
  EXPECT_NE(noAux.error.find("run.aux"), std::string::npos) << noAux.error;

  std::filesystem::copy_file(DataFile("sleep.aux"), base.string() + ".aux");
  const auto noReport = ReadGraphData(base.string() + ".inp", GraphType::kCumulative);
  EXPECT_EQ(noReport.error, ReportNotOpenedMessage(base.string() + ".out"));
  EXPECT_EQ(ReportNotOpenedMessage("a.out"),
            "The file \"a.out\"could not be opened. It may be damaged,  not created due to "
            "inadequate input data,  in use by another program,  or the programmer should "
            "incorporate more time.");
  std::filesystem::remove_all(folder);
}

TEST(GraphDataReaderTest, TextFormReadsTheCodeFromTheParameterFile) {
  std::string report;
  for (const auto& line : CumulativeReport(Spread(20))) report += line + "\r\n";
  const auto reading = ReadGraphDataText(report, "r.out", "1\r\n 2.0\r\n 3.0\r\n 0.0001\r\n",
                                         "r.aux", GraphType::kCumulative);
  ASSERT_TRUE(reading.data) << reading.error;
  EXPECT_EQ(reading.data->DistrCode(), 1);
  const auto damaged =
      ReadGraphDataText(report, "r.out", "garbage\r\n", "r.aux", GraphType::kCumulative);
  EXPECT_FALSE(damaged.data);
  EXPECT_NE(damaged.error.find("r.aux"), std::string::npos);
}

}  // namespace
}  // namespace quarlin
