// A whole run of a series of very large values, then every graph read back
// from the report it wrote: values wider than their table fields must still
// come back one number each.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "data/number_reading.h"
#include "data/run_doubles.h"
#include "data/run_session.h"
#include "data/run_state.h"
#include "data/save_run.h"
#include "data/temp_dir.h"
#include "graphs/graph_data_reader.h"
#include "graphs/graph_painter.h"

namespace quarlin {
namespace {

using testing_support::Events;
using testing_support::LoggingProgress;
using testing_support::ScriptedDialogs;
using testing_support::TempDir;

const GraphType kTypes[] = {GraphType::kCumulative,        GraphType::kIntervalCalculated,
                            GraphType::kConfidenceBeltOfX, GraphType::kReturnPeriods,
                            GraphType::kPredictedObserved, GraphType::kIntervalObserved};

struct SeriesCase {
  const char* name;
  double first, last;
  int count;
};

std::vector<double> Series(const SeriesCase& c) {
  std::vector<double> values;
  for (int i = 0; i < c.count; ++i)
    values.push_back(c.first + (c.last - c.first) * i / (c.count - 1));
  return values;
}

class RunBackTest : public testing::TestWithParam<SeriesCase> {};

TEST_P(RunBackTest, EveryGraphReadsTheReportBack) {
  TempDir dir;
  Events events;
  ScriptedDialogs dialogs(events);
  dialogs.saveFile = (dir / "s.inp").string();
  LoggingProgress progress(events);
  NumberConversion numbers('.');
  FrontEnd frontEnd{dialogs, progress, numbers};
  RunState state;
  DataModuleCreate(state);
  SaveRunInput input;
  input.Title1 = "large values";
  input.Title2 = GetParam().name;
  const std::vector<double> values = Series(GetParam());
  for (double value : values) input.Cells.push_back(General(value));
  RunSession session;
  ASSERT_EQ(session.SaveRun(state, input, frontEnd).outcome, RunOutcome::Done);

  const long double size = values.back();
  for (GraphType type : kTypes) {
    SCOPED_TRACE(static_cast<int>(type));
    const GraphDataReading reading = ReadGraphData(dir / "s.out", type);
    ASSERT_TRUE(reading.data) << reading.error;
    const GraphData& data = *reading.data;
    EXPECT_EQ(data.nrOfData, GetParam().count);
    EXPECT_TRUE(CanDraw(data, type));
    const std::vector<long double>& x = data.columns.x;
    if (IsIntervalGraph(type)) {
      // Class limits rise, and the classes hold the whole series (to the
      // 18 digits the table prints).
      ASSERT_GE(x.size(), 3u);
      for (size_t i = 1; i < x.size(); ++i) EXPECT_GT(x[i], x[i - 1]);
      EXPECT_LE(x[1] / size, values.front() / size + 1e-15);
      EXPECT_GE(data.columns.observed.back() / size, values.back() / size - 1e-15);
    } else {
      // The ranked values themselves, with the table's whole-number digits.
      ASSERT_EQ(x.size(), values.size());
      for (size_t i = 0; i < x.size(); ++i)
        EXPECT_NEAR(static_cast<double>(x[i] / size), values[i] / size, 1e-9) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Series, RunBackTest,
                         testing::Values(SeriesCase{"billions", 1e9, 3.5e9, 60},
                                         SeriesCase{"near1e150", 1.1e150, 1.3e150, 30}),
                         [](const testing::TestParamInfo<SeriesCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace quarlin
