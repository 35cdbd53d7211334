#include "engine/driver/fit_all.h"
#include "engine/model/kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quarlin {
namespace {

struct RecordingSink : ProgressSink {
  void Line(const std::string& text) override { lines.push_back(text); }
  std::vector<std::string> lines;
};

// Fits that cost nothing: every candidate is fitted with a SAD of 5 unless
// the test sets another, and every exponent is 2 unless set.
class FakeFits : public CandidateFits {
 public:
  std::map<int, long double> sad;
  std::map<int, double> exponent;
  std::set<int> unfitted;
  std::map<int, int> breakIndex;
  long double every = 5.0L;  // the SAD of a candidate without one of its own
  mutable std::vector<int> calls;

  FitResult Regression(const Sample& s, const RegressionMember& m) const override {
    FitResult r = Make(s, m.code);
    r.params.line = {2.0, 1.0, exponent.count(m.code) ? exponent.at(m.code) : 2.0};
    return r;
  }
  FitResult OwnFormula(const Sample& s, int code) const override {
    FitResult r = Make(s, code);
    if (code == 31) r.extraProgress = {" Burr is busy ....."};
    r.params.kumaraswamy = {10.0, exponent.count(code) ? exponent.at(code) : 2.0, 0.64};
    return r;
  }
  StudentFits Student(const Sample& s) const override { return {Make(s, 62), Make(s, 63)}; }
  FitResult Composite(const Sample& s, int code) const override {
    FitResult r = Make(s, code);
    r.params.composite.K = breakIndex.count(code) ? breakIndex.at(code) : 10;
    return r;
  }
  NormalFit Normal(const Sample& s, int code) const override {
    calls.push_back(code);
    NormalFit fit;
    fit.code = code;
    fit.fitted = !unfitted.count(code);
    fit.SAD = SadOf(code);
    fit.params.S = 0.1 * code;
    fit.params.E = exponent.count(code) ? exponent.at(code) : 2.0;
    fit.Fcalc.assign(s.N + 1, 0.5L);
    return fit;
  }

 private:
  long double SadOf(int code) const { return sad.count(code) ? sad.at(code) : every; }
  FitResult Make(const Sample& s, int code) const {
    calls.push_back(code);
    FitResult r;
    r.code = code;
    r.fitted = !unfitted.count(code);
    r.SAD = SadOf(code);
    r.Fcalc.assign(s.N + 1, 0.5L);
    return r;
  }
};

Sample SampleOf(int N) {
  std::vector<long double> values;
  for (int i = 1; i <= N; ++i) values.push_back(10.0L + i * 0.5L);
  return RankValues(values);
}

struct DriverRun {
  FitAllOutcome outcome;
  std::vector<std::string> progress;
  std::vector<std::string> names;
};

DriverRun RunWith(const FakeFits& fits, int N, const std::string& pref = "1",
                  bool fitStarted = true, bool composites = false, int threads = 1) {
  RecordingSink sink;
  RankedList list("/tmp/fit-all-test.inp");
  DriverRun run;
  FitAllRequest request;
  request.PrefCode = pref;
  request.FitStarted = fitStarted;
  request.CompositeWanted = composites;
  request.threads = threads;
  run.outcome = FitAll(SampleOf(N), request, sink, &list, fits);
  run.progress = sink.lines;
  for (const auto& e : list.Entries()) run.names.push_back(e.nameLine);
  return run;
}

const std::vector<std::string> kProgressHead{" 3 done",
                                             " 4 done",
                                             " 5 done",
                                             " please wait ...",
                                             " Burr is busy .....",
                                             " 31 done",
                                             " 34 done",
                                             " 36 done",
                                             " 32 done",
                                             " 51 done",
                                             " 52 done",
                                             " 53 done",
                                             " 54 done",
                                             " 69 done ...",
                                             " 50% completed ..",
                                             " 68 done",
                                             " 73 done",
                                             " 57 done",
                                             " 58 done",
                                             " 59 done",
                                             " 33 done",
                                             " progressing ...",
                                             " 60 done",
                                             " Advancing ...",
                                             " 62 done",
                                             " 64 done",
                                             " 65 done",
                                             " 66 done",
                                             " 67 done",
                                             " 90 done",
                                             " 91 done",
                                             " 92 done",
                                             " Still working ......",
                                             " 93 done"};

const std::vector<std::string> kListNames{" Generalized exponential (Poisson-type) distribution",
                                          " Gumbel distribution",
                                          " Mirrored Gumbel distribution",
                                          " Exponential distribution (Poisson type)",
                                          " Burr distribution generalized",
                                          " Gompertz distribution generalized",
                                          " Kumaraswamy distribution",
                                          " Dagum distribution generalized",
                                          " Gumbel distribution generalized",
                                          " Generalized Mirrored Gumbel distribution",
                                          " Logistic distribution",
                                          " Log-logistic distribution",
                                          " Generalized Rayleigh distribution",
                                          " Generalized logistic distribution",
                                          " Laplace distribution (standard)",
                                          " Generalized Laplace distribution",
                                          " Adjusted Fisk distribution",
                                          " Weibull distribution",
                                          " Frechet (Fisher-Tippet Type 2) distribution",
                                          " Frechet (Fisher-Tippet Type 2) mirrored",
                                          " Fisher-Tippett type 3 mirrorered",
                                          " Fisher-Tippett type 3 distribution",
                                          " mirrored Weibull distribution",
                                          " Gamma (Erlang) distribution",
                                          " Student distribution with 1 d.f.",
                                          " Cauchy distribution",
                                          " Generalized Cauchy distribution",
                                          " Mirrored exponential (Poisson) distribution",
                                          " GEV distribution",
                                          " Normal distribution standard",
                                          " Normal distribution optimized",
                                          " Log-normal distribution standard",
                                          " Log-normal distribution optimized",
                                          " Root-normal distribution optimized",
                                          " Square normal distribution optimized",
                                          " Generalized normal distribution"};

struct OrderCase {
  int N;
  bool fitStarted;
  std::vector<std::string> tail;  // the lines after " 93 done"
};

class FitAllOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(FitAllOrderTest, ProgressLinesAndListEntriesFollowTheFixedOrder) {
  const auto& c = GetParam();
  const DriverRun run = RunWith(FakeFits(), c.N, "1", c.fitStarted);
  std::vector<std::string> expected = kProgressHead;
  expected.insert(expected.end(), c.tail.begin(), c.tail.end());
  EXPECT_EQ(run.progress, expected);
  EXPECT_EQ(run.names, kListNames);
}

INSTANTIATE_TEST_SUITE_P(
    SampleSizes, FitAllOrderTest,
    testing::Values(OrderCase{20, true, {" 94 done", " 95 done", " Iterations ....", " 96 done"}},
                    OrderCase{201,
                              true,
                              {" 94 done", " 95 done", " Iterations ....", " 96 done",
                               " Continuing ....."}},
                    OrderCase{201, false, {" 94 done", " 95 done", " Iterations ....", " 96 done"}},
                    OrderCase{600,
                              true,
                              {" Progressing ......", " 94 done", " 95 done", " Iterations ....",
                               " 96 done", " Continuing ....."}}));

TEST(FitAllTest, CompositesTakeTheirPlacesWhenWanted) {
  const DriverRun run = RunWith(FakeFits(), 20, "1", true, true);
  std::vector<std::string> progress{" 3 done", " 4 done", " 5 done", " please wait ..."};
  for (int code = 7; code <= 18; ++code) progress.push_back(" " + std::to_string(code) + " done");
  const std::vector<std::string> afterSimple(kProgressHead.begin() + 4, kProgressHead.begin() + 17);
  progress.insert(progress.end(), afterSimple.begin(), afterSimple.end());
  for (const char* line :
       {" 70 done", " 71 done", " 72 done", " 74 done", " 80 done", " Progress 20% .....",
        " 81 done", " 82 done .....", " 83 done", " 84 done", " Progress 60% .....", " 85 done"})
    progress.push_back(line);
  progress.insert(progress.end(), kProgressHead.begin() + 17, kProgressHead.end());
  for (const char* line : {" 94 done", " 95 done", " Iterations ....", " 96 done"})
    progress.push_back(line);
  EXPECT_EQ(run.progress, progress);

  ASSERT_EQ(run.names.size(), kListNames.size() + 22);
  EXPECT_EQ(run.names[4], " Composite Gumbel distribution mirrored");
  EXPECT_EQ(run.names[8], " Gumbel mirrored  + Gumbel standard distribution ");
  EXPECT_EQ(run.names[15], " Logistic + Poisson distribution");
  EXPECT_EQ(run.names[16], " Burr distribution generalized");
  EXPECT_EQ(run.names[27], " Generalized Laplace distribution");
  EXPECT_EQ(run.names[28], " Composite generalizd logistic distribution");
  EXPECT_EQ(run.names[37], " Generalized Poisson + Gumbel distribution");
  EXPECT_EQ(run.names[38], " Adjusted Fisk distribution");
}

TEST(FitAllTest, UnfittedCompositeIsShownButNotListed) {
  FakeFits fits;
  fits.unfitted = {12};
  const DriverRun run = RunWith(fits, 20, "1", true, true);
  EXPECT_EQ(std::count(run.progress.begin(), run.progress.end(), " 12 done"), 1);
  EXPECT_EQ(std::count(run.names.begin(), run.names.end(), " Gumbel + Logistic distribution"), 0);
  EXPECT_EQ(run.names.size(), kListNames.size() + 21);
}

struct CompositeChoiceCase {
  const char* name;
  std::map<int, long double> sad;
  std::map<int, int> breakIndex;
  bool wanted;
  int chosen;
};

class FitAllCompositeChoiceTest : public testing::TestWithParam<CompositeChoiceCase> {};

TEST_P(FitAllCompositeChoiceTest, CompositeMustBeatTheBestAndKeepPointsBesideItsBreak) {
  const auto& c = GetParam();
  FakeFits fits;
  fits.sad = c.sad;
  fits.breakIndex = c.breakIndex;
  EXPECT_EQ(RunWith(fits, 20, "1", true, c.wanted).outcome.ChosenCode, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FitAllCompositeChoiceTest,
    testing::Values(CompositeChoiceCase{"Better", {{8, 1}}, {}, true, 8},
                    CompositeChoiceCase{"NotWanted", {{8, 1}}, {}, false, 20},
                    CompositeChoiceCase{"EqualRefused", {{8, 1}, {57, 1}}, {}, true, 57},
                    CompositeChoiceCase{"BreakAtFiveRefused", {{8, 1}}, {{8, 5}}, true, 20},
                    CompositeChoiceCase{"BreakAtFiveOf70", {{70, 1}}, {{70, 5}}, true, 70},
                    CompositeChoiceCase{"TooFewAbove", {{8, 1}}, {{8, 15}}, true, 20},
                    CompositeChoiceCase{"LaterMustBeatEarlier", {{8, 1}, {85, 1}}, {}, true, 8},
                    CompositeChoiceCase{"LaterBetter", {{8, 1}, {85, 0.5L}}, {}, true, 85}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FitAllTest, NoVariationStopsBeforeAnyFit) {
  FakeFits fits;
  RecordingSink sink;
  RankedList list("/tmp/fit-all-test.inp");
  const Sample same = RankValues(std::vector<long double>(6, 5.0L));
  const FitAllOutcome outcome = FitAll(same, FitAllRequest{}, sink, &list, fits);
  EXPECT_TRUE(outcome.StopRun);
  EXPECT_TRUE(fits.calls.empty());
  EXPECT_TRUE(sink.lines.empty());
  EXPECT_TRUE(list.Entries().empty());
}

// Scores of fits whose sums overflowed or underflowed.
constexpr long double kNoScore = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInfinite = std::numeric_limits<long double>::infinity();

struct ChoiceCase {
  const char* name;
  std::map<int, long double> sad;
  std::map<int, double> exponent;
  std::set<int> unfitted;
  int chosen;
};

class FitAllChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(FitAllChoiceTest, ChoosesBySadInTheFixedOrder) {
  FakeFits fits;
  fits.sad = GetParam().sad;
  fits.exponent = GetParam().exponent;
  fits.unfitted = GetParam().unfitted;
  const DriverRun run = RunWith(fits, 20);
  EXPECT_EQ(run.outcome.ChosenCode, GetParam().chosen);
  EXPECT_EQ(run.outcome.chosen.code, GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FitAllChoiceTest,
    testing::Values(ChoiceCase{"AllEqualKeepsCode20", {}, {}, {}, 20},
                    ChoiceCase{"SmallestWins", {{57, 1}}, {}, {}, 57},
                    ChoiceCase{"EarlierWinsTie", {{57, 1}, {4, 1}}, {}, {}, 4},
                    ChoiceCase{"TieWithNormalKeepsNormal", {{21, 1}, {3, 1}}, {}, {}, 21},
                    ChoiceCase{"GammaNeverChosen", {{61, 0.1L}}, {}, {}, 20},
                    ChoiceCase{"ExponentOneExcludes", {{51, 0.1L}}, {{51, 1.0}}, {}, 20},
                    ChoiceCase{"ExponentOneOf66Stays", {{66, 0.1L}}, {{66, 1.0}}, {}, 66},
                    ChoiceCase{"ExponentOneOfKumaraswamyStays", {{36, 0.1L}}, {{36, 1.0}}, {}, 36},
                    ChoiceCase{"UnfittedNormalCountsAs1000", {}, {}, {20}, 21},
                    ChoiceCase{"NearZeroNormalSlotCountsAs1000", {{20, 0.0005L}}, {}, {}, 21},
                    ChoiceCase{"UnfittedCandidateSkipped", {{57, 1}}, {}, {57}, 20},
                    ChoiceCase{"StudentsEnterSeparately", {{62, 2}, {63, 1}}, {}, {}, 63},
                    ChoiceCase{"LastCandidate73", {{73, 0.5L}, {68, 0.6L}}, {}, {}, 73},
                    ChoiceCase{"NormalWithoutAScoreSkipped", {{20, kNoScore}}, {}, {}, 21},
                    ChoiceCase{
                        "InfiniteScoreSkipped", {{20, kNoScore}, {21, kInfinite}}, {}, {}, 22}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FitAllTest, ExponentOneMembersAreNotListed) {
  FakeFits fits;
  fits.exponent = {{3, 1.0}, {66, 1.0}, {36, 1.0}};
  const DriverRun run = RunWith(fits, 20);
  const auto listed = [&](const std::string& n) {
    return std::count(run.names.begin(), run.names.end(), n) > 0;
  };
  EXPECT_FALSE(listed(" Generalized exponential (Poisson-type) distribution"));
  EXPECT_FALSE(listed(" Mirrored exponential (Poisson) distribution"));
  EXPECT_FALSE(listed(" Kumaraswamy distribution"));
  EXPECT_EQ(run.names.size(), kListNames.size() - 3);
}

// A fit without a finite score is neither listed nor chosen; when no fit
// has one, nothing is chosen.
TEST(FitAllTest, FitsWithoutAScoreAreLeftOut) {
  FakeFits fits;
  fits.sad = {{4, kNoScore}, {57, kInfinite}, {62, kNoScore}, {63, kNoScore}, {21, kNoScore}};
  const DriverRun run = RunWith(fits, 20);
  EXPECT_EQ(run.names.size(), kListNames.size() - 4);
  for (const char* name : {" Gumbel distribution", " Normal distribution optimized"})
    EXPECT_EQ(std::count(run.names.begin(), run.names.end(), name), 0) << name;
  EXPECT_EQ(run.outcome.ChosenCode, 20);
  fits.every = kNoScore;
  EXPECT_EQ(RunWith(fits, 20).outcome.ChosenCode, 0);
}

TEST(FitAllTest, OnlyTheBetterStudentIsListed) {
  FakeFits fits;
  fits.sad = {{62, 3}, {63, 2}};
  const DriverRun run = RunWith(fits, 20);
  EXPECT_EQ(std::count(run.names.begin(), run.names.end(), " Student distribution with 2 d.f."), 1);
  EXPECT_EQ(std::count(run.names.begin(), run.names.end(), " Student distribution with 1 d.f."), 0);
}

TEST(FitAllTest, ListsAverageOfEachEntry) {
  FakeFits fits;
  fits.sad = {{4, 1.5L}};
  RecordingSink sink;
  RankedList list("/tmp/fit-all-test.inp");
  FitAllRequest request;
  request.threads = 1;
  FitAll(SampleOf(20), request, sink, &list, fits);
  EXPECT_DOUBLE_EQ(list.Entries()[1].AvAbsDiff, 7.5);  // 100 * 1.5 / 20
}

struct PreferenceCase {
  std::string text;
  std::vector<int> fitted;  // the fits called, in order
  int chosen;
  std::vector<std::string> progress;
};

class FitAllPreferenceTest : public testing::TestWithParam<PreferenceCase> {};

TEST_P(FitAllPreferenceTest, FitsThePreferredDistributionAlone) {
  const auto& c = GetParam();
  FakeFits fits;
  fits.sad = {{63, 1}};
  const DriverRun run = RunWith(fits, 20, c.text);
  EXPECT_EQ(fits.calls, c.fitted);
  EXPECT_EQ(run.outcome.ChosenCode, c.chosen);
  EXPECT_EQ(run.progress, c.progress);
  EXPECT_TRUE(run.names.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FitAllPreferenceTest,
    testing::Values(PreferenceCase{"39", {36}, 36, {" 36 done"}},
                    PreferenceCase{"62", {62, 63}, 63, {" 62 done"}},
                    PreferenceCase{"3", {3}, 3, {" 3 done"}}, PreferenceCase{"56", {56}, 56, {}},
                    PreferenceCase{"35", {35}, 35, {" 59 done"}},
                    PreferenceCase{"22", {22}, 22, {" 92 done"}},
                    PreferenceCase{"61", {61}, 61, {" Advancing ..."}},
                    PreferenceCase{"31", {31}, 31, {" Burr is busy .....", " 31 done"}},
                    PreferenceCase{"7", {7}, 7, {" 7 done"}},
                    PreferenceCase{"90", {74}, 74, {" 74 done"}},
                    PreferenceCase{"80", {80}, 80, {" 80 done", " Progress 20% ....."}},
                    PreferenceCase{"36", {}, 0, {}}, PreferenceCase{"63", {}, 0, {}},
                    PreferenceCase{"74", {}, 0, {}}, PreferenceCase{"19", {}, 0, {}},
                    PreferenceCase{"abc", {}, 0, {}}, PreferenceCase{"", {}, 0, {}},
                    PreferenceCase{"03", {}, 0, {}}));

TEST(FitAllTest, PreferredSpreadFollowsTheMember) {
  FakeFits fits;
  EXPECT_DOUBLE_EQ(RunWith(fits, 20, "4").outcome.spreadS, 1.28 / 2.0);
  EXPECT_DOUBLE_EQ(RunWith(fits, 20, "39").outcome.spreadS, 1.28 / 0.64);
  EXPECT_DOUBLE_EQ(RunWith(fits, 20, "23").outcome.spreadS, 2.3);
  EXPECT_DOUBLE_EQ(RunWith(fits, 20, "1").outcome.spreadS, 2.0);  // S of code 20
}

TEST(FitAllTest, PreferredButUnfittedChoosesNothing) {
  FakeFits fits;
  fits.unfitted = {57};
  EXPECT_EQ(RunWith(fits, 20, "57").outcome.ChosenCode, 0);
}

struct CodeCase {
  std::string text;
  int code;
};

class PreferredCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(PreferredCodeTest, MapsTextToCode) {
  EXPECT_EQ(PreferredCode(GetParam().text), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, PreferredCodeTest,
                         testing::Values(CodeCase{"3", 3}, CodeCase{"18", 18}, CodeCase{"7", 7},
                                         CodeCase{"2", 0}, CodeCase{"20", 20}, CodeCase{"26", 26},
                                         CodeCase{"27", 0}, CodeCase{"31", 31}, CodeCase{"35", 35},
                                         CodeCase{"36", 0}, CodeCase{"39", 36}, CodeCase{"51", 51},
                                         CodeCase{"61", 61}, CodeCase{"62", 62}, CodeCase{"63", 0},
                                         CodeCase{"73", 73}, CodeCase{"74", 0}, CodeCase{"90", 74},
                                         CodeCase{"80", 80}, CodeCase{"85", 85}, CodeCase{"86", 0},
                                         CodeCase{"1", 0}, CodeCase{"-3", 0}, CodeCase{" 3", 0},
                                         CodeCase{"123", 0}));

// The real fits on a small sample: the chosen distribution is the listed one
// with the smallest average (Gamma aside), whatever the families make of it.
TEST(FitAllIntegrationTest, ChoosesTheSmallestListedAverage) {
  std::vector<long double> values;
  for (int i = 1; i <= 20; ++i) {
    const long double F = i / 21.0L;
    values.push_back(100.0L - 30.0L * std::log(-std::log(F)) + (i % 3) * 2.0L);
  }
  RecordingSink sink;
  RankedList list("/tmp/fit-all-test.inp");
  const FitAllOutcome outcome = FitAll(RankValues(values), FitAllRequest{}, sink, &list);
  ASSERT_FALSE(outcome.StopRun);
  double best = 1e9;
  for (const auto& e : list.Entries())
    if (e.nameLine != " Gamma (Erlang) distribution") best = std::min(best, e.AvAbsDiff);
  EXPECT_NEAR(AvAbsDiff(outcome.chosen.SAD, 20), best, 5e-5);
  EXPECT_EQ(outcome.chosen.code, outcome.ChosenCode);
  EXPECT_EQ(static_cast<int>(outcome.chosen.Fcalc.size()), 21);
}

// Fitting ahead on several threads changes nothing a run shows: the same
// lines in the same order, the same list and the same chosen parameters.
TEST(FitAllIntegrationTest, ThreadsGiveTheSameRunAsOne) {
  std::vector<long double> values;
  for (int i = 1; i <= 25; ++i) values.push_back(10.0L + std::pow(1.0L * (i * 7 % 25), 1.5L));
  const Sample sample = RankValues(values);
  const auto run = [&](int threads) {
    RecordingSink sink;
    RankedList list("/tmp/fit-all-test.inp");
    FitAllRequest request;
    request.CompositeWanted = true;
    request.threads = threads;
    const FitAllOutcome outcome = FitAll(sample, request, sink, &list);
    return std::make_tuple(sink.lines, list.Text(), outcome.ChosenCode, outcome.chosen.SAD,
                           outcome.chosen.Fcalc);
  };
  EXPECT_EQ(run(1), run(2));
  EXPECT_EQ(run(1), run(3));
}

}  // namespace
}  // namespace quarlin
