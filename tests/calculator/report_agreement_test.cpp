// Every code a report can carry, through the real path: a run with that
// code preferred writes the report into a fresh folder, the calculator
// reads the .inp and .aux back, and its forward F at every datum must agree
// with the report's calculated column, its inverse must give the datum back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calculator/calculation.h"
#include "calculator/normal_inverse.h"
#include "calculator/report_inputs.h"
#include "common/text_file.h"
#include "data/number_reading.h"
#include "data/run_doubles.h"
#include "data/run_session.h"
#include "data/temp_dir.h"
#include "engine/analysis/observation_table.h"
#include "engine/catalogue/codes.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;
using testing_support::Events;
using testing_support::LoggingProgress;
using testing_support::ScriptedDialogs;
using testing_support::TempDir;

std::vector<std::string> Cells(const std::string& csv) {
  const auto lines = ReadLines(fs::path(QUARLIN_SOURCE_DIR) / "Data" / csv);
  std::vector<std::string> cells;
  if (!lines) return cells;
  for (size_t i = 1; i < lines->size(); ++i)
    if (!(*lines)[i].empty()) cells.push_back((*lines)[i]);
  return cells;
}

// How far the calculator may part from the report: 0.01 percentage points of
// F and X within the inverse's resolution, except where its own formulas
// part from the report's by the differences found (largest over the two
// samples), so that any further drift still shows:
// - 3, 31, 32, 66: 0.1 in the lower tail, where F is not positive: the
//   report shows 0.1%, the calculator 1e-7;
// - 22-24, 26 on data shifted up: 2.4 at the lowest datum, which the
//   calculator takes at x = 0.0001 (F of 1e-7 there);
// - composites: the report chooses the branch by rank, the calculator by
//   X + 0.0001 against P (F up to 13), and its inverse by F against the
//   break-point frequency, which differs where the branches do not meet (X);
// - 73: where the upper side's exponent makes the law turn back above its
//   centre (F there below 0.5, sleep), such an F has an X on either side
//   and the inverse gives the lower one (X).
struct Allowance {
  double percentagePoints = 0.01;
  double x = 0;  // beyond the resolution
};

struct CodeCase {
  int code;
  const char* preference;
  bool composite;
  Allowance allowance = {};
};

std::string CaseName(const testing::TestParamInfo<CodeCase>& info) {
  return "Code" + std::to_string(info.param.code);
}

struct Report {
  ReportInputs inputs;
  std::vector<ObservationRow> rows;
};

class ReportAgreementTest : public testing::TestWithParam<CodeCase> {
 protected:
  // Runs the preferred code on the sample; nothing when the run did not
  // report that code.
  std::optional<Report> RunOn(const std::string& csv) {
    Events events;
    ScriptedDialogs dialogs(events);
    LoggingProgress progress(events);
    NumberConversion numbers;
    const fs::path inp = dir_ / (fs::path(csv).stem().string() + ".inp");
    dialogs.saveFile = inp.string();
    RunState state;
    state.Preference = GetParam().preference;
    state.CompositeAllowed = GetParam().composite;
    state.OptionIndex = GetParam().composite ? 1 : 0;
    SaveRunInput input;
    input.Title1 = "calculator";
    input.Title2 = "agreement";
    input.Cells = Cells(csv);
    RunSession session;
    FrontEnd frontEnd{dialogs, progress, numbers};
    const RunResult result = session.SaveRun(state, input, frontEnd);
    if (result.outcome != RunOutcome::Done) return std::nullopt;
    ReportInputsReading reading = ReadReportInputs(state);
    if (!reading.inputs) return std::nullopt;
    const int code = reading.inputs->values.code;
    // The Student pair is preferred together; either may be reported.
    const bool student = GetParam().code == kStudentOneDf && code == kStudentTwoDf;
    if (code != GetParam().code && !student) return std::nullopt;
    const auto lines = ReadLines(ChangeExtension(inp, ".out"));
    if (!lines) return std::nullopt;
    const int N = static_cast<int>(reading.inputs->data.size());
    auto rows = ParseObservationTable(*lines, N);
    if (!rows) return std::nullopt;
    return Report{std::move(*reading.inputs), std::move(*rows)};
  }

  TempDir dir_;
};

// The X resolution of the inverse: the 0.0001 the forward adds, and for the
// normal family one grid step back-transformed, plus the 0.001 the
// grid's result adds to the data's 0.001.
double Resolution(const WorkingValues& w, const std::vector<long double>& data, double F,
                  double X) {
  double tolerance = 0.0001 + 1e-9 * (1 + std::abs(X));
  if (w.code >= kNormal && w.code <= kGeneralizedNormal) {
    const Extremes e = MaxMin(w, data);
    const auto y = NormalCalc(w, e, F);
    const auto grid = NormalGridFor(w, e);
    if (!y || !grid) return tolerance;
    const auto at = NormalBackTransform(w, *y, Limit::Result);
    // A root or a square has no value below 0: the step begins there.
    auto before = NormalBackTransform(w, *y - grid->step, Limit::Result);
    if (!before) before = NormalBackTransform(w, 0.0, Limit::Result);
    if (at && before) tolerance += std::abs(*at - *before);
    tolerance += 0.002;
  }
  return tolerance;
}

TEST_P(ReportAgreementTest, ForwardMatchesTheReportAndInverseGivesXBack) {
  int samplesRun = 0;
  for (const char* csv : {"portpirie.csv", "sleep.csv"}) {
    SCOPED_TRACE(csv);
    const auto report = RunOn(csv);
    if (!report) continue;
    ++samplesRun;
    const WorkingValues& w = report->inputs.values;
    const int N = static_cast<int>(report->rows.size());
    double worstF = 0, worstX = 0;
    for (int i = 0; i < N; ++i) {
      // The value the report evaluated: zeros became 0.001 there.
      const double X = static_cast<double>(report->rows[i].X);
      const ForwardResult forward = CalcFrequent(w, N, X);
      worstF = std::max(worstF, std::abs(100 * forward.F - report->rows[i].Fk));
      if (w.code == kGamma || forward.F <= 1e-7 || forward.F >= 0.9999999) continue;
      const InverseResult back = CalcVal(w, report->inputs.data, forward.F);
      const double excess =
          back.X ? std::abs(*back.X - X) - Resolution(w, report->inputs.data, forward.F, X)
                 : INFINITY;
      worstX = std::max(worstX, excess);
    }
    EXPECT_LE(worstF, GetParam().allowance.percentagePoints) << "forward against the report";
    EXPECT_LE(worstX, GetParam().allowance.x) << "inverse beyond the resolution";
  }
  EXPECT_GT(samplesRun, 0) << "no sample reported the code";
}

INSTANTIATE_TEST_SUITE_P(
    EveryReportedCode, ReportAgreementTest,
    testing::Values(CodeCase{3, "3", false, {0.1, 0}}, CodeCase{4, "4", false},
                    CodeCase{5, "5", false}, CodeCase{6, "6", false}, CodeCase{7, "7", true},
                    CodeCase{8, "8", true}, CodeCase{9, "9", true}, CodeCase{10, "10", true},
                    CodeCase{11, "11", true}, CodeCase{12, "12", true}, CodeCase{13, "13", true},
                    CodeCase{14, "14", true}, CodeCase{15, "15", true}, CodeCase{16, "16", true},
                    CodeCase{17, "17", true}, CodeCase{18, "18", true}, CodeCase{20, "20", false},
                    CodeCase{21, "21", false}, CodeCase{22, "22", false, {2.4, 0}},
                    CodeCase{23, "23", false, {2.4, 0.22}}, CodeCase{24, "24", false, {2.4, 0}},
                    CodeCase{25, "25", false}, CodeCase{26, "26", false, {2.4, 0}},
                    CodeCase{31, "31", false, {0.1, 0}}, CodeCase{32, "32", false, {0.1, 1e-06}},
                    CodeCase{33, "33", false}, CodeCase{34, "34", false}, CodeCase{35, "35", false},
                    CodeCase{36, "39", false}, CodeCase{51, "51", false}, CodeCase{52, "52", false},
                    CodeCase{53, "53", false}, CodeCase{54, "54", false}, CodeCase{55, "55", false},
                    CodeCase{56, "56", false}, CodeCase{57, "57", false}, CodeCase{58, "58", false},
                    CodeCase{59, "59", false}, CodeCase{60, "60", false}, CodeCase{61, "61", false},
                    CodeCase{62, "62", false}, CodeCase{64, "64", false}, CodeCase{65, "65", false},
                    CodeCase{66, "66", false, {0.1, 0}}, CodeCase{67, "67", false},
                    CodeCase{68, "68", false}, CodeCase{69, "69", false},
                    CodeCase{70, "70", true, {0.01, 0.0015}}, CodeCase{71, "71", true, {0.84, 0}},
                    CodeCase{72, "72", true, {3.1, 1.6}}, CodeCase{73, "73", false, {0.01, 0.16}},
                    CodeCase{74, "90", true, {0.95, 0.019}}, CodeCase{80, "80", true, {2.4, 0.03}},
                    CodeCase{81, "81", true, {1.9, 0.021}}, CodeCase{82, "82", true, {0.01, 1.03}},
                    CodeCase{83, "83", true, {0.01, 2.1}}, CodeCase{84, "84", true, {13.2, 0.44}},
                    CodeCase{85, "85", true, {7.1, 1.24}}),
    CaseName);

}  // namespace
}  // namespace quarlin
