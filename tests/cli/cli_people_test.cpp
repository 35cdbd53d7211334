// The command line for people and for scripts: distributions by name, the
// list of distributions, --version, --quiet and run --json.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "data/run_session.h"
#include "engine/report/parameter_file_reader.h"

namespace {

using namespace cli_test;
using quarlin::ParameterFileReading;
using quarlin::PreferenceTexts;
using quarlin::ReadParameterFile;

const fs::path kData = fs::path(QUARLIN_SOURCE_DIR) / "Data";

// The text of `key`'s value in a JSON object: up to the comma, brace or
// bracket that closes it, so an object or array value comes whole.
std::string Value(const std::string& json, const std::string& key, size_t from = 0) {
  const std::string label = "\"" + key + "\": ";
  const size_t at = json.find(label, from);
  if (at == std::string::npos) return "<missing " + key + ">";
  size_t end = at + label.size();
  int depth = 0;
  bool quoted = false;
  for (; end < json.size(); ++end) {
    const char c = json[end];
    if (c == '"' && json[end - 1] != '\\') quoted = !quoted;
    if (quoted) continue;
    if (c == '{' || c == '[') ++depth;
    if ((c == '}' || c == ']') && depth-- == 0) break;
    if (c == ',' && depth == 0) break;
  }
  return json.substr(at + label.size(), end - at - label.size());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

class CliPeopleTest : public CliTest {
 protected:
  void CopySeries(const std::string& name) {
    fs::copy_file(kData / (name + ".csv"), work_ / (name + ".csv"));
  }
};

struct NamedPreference {
  std::string name;
  std::string typed;
  std::string options;
  std::string text;
};

class CliNamedPreferenceTest : public CliPeopleTest,
                               public testing::WithParamInterface<NamedPreference> {};

TEST_P(CliNamedPreferenceTest, RunsThePreferenceTheNameStandsFor) {
  CopySeries("sleep");
  const Outcome outcome =
      Run("run sleep.csv --quiet --json --prefer '" + GetParam().typed + "' " + GetParam().options);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(Value(Value(outcome.out, "options"), "prefer"), "\"" + GetParam().text + "\"");
  EXPECT_EQ(Value(outcome.out, "lst"), "null");
}

INSTANTIATE_TEST_SUITE_P(
    Names, CliNamedPreferenceTest,
    testing::Values(NamedPreference{"Whole", "Weibull (standard)", "", "57"},
                    NamedPreference{"AnyCase", "gAMMA (erlang)", "", "61"},
                    NamedPreference{"OddSpelling", "Normal {standard)", "", "20"},
                    NamedPreference{"WholeBeforeBeginning", "Gumbel mirrored", "", "5"},
                    NamedPreference{"Beginning", "kumar", "", "39"},
                    NamedPreference{"Composite", "Gen. Gumbel + gen. Poisson", "--composite", "83"},
                    NamedPreference{"CompositeListOnly", "composite generailzed gumbel m",
                                    "--composite", "90"},
                    NamedPreference{"TwoNamesOneText", "Laplace g", "", "73"},
                    NamedPreference{"Number", "62", "", "62"}),
    [](const auto& info) { return info.param.name; });

struct RefusedName {
  std::string name;
  std::string typed;
  std::string why;
};

class CliRefusedNameTest : public CliPeopleTest, public testing::WithParamInterface<RefusedName> {};

TEST_P(CliRefusedNameTest, ExitsWithTwoAndSaysWhy) {
  CopySeries("sleep");
  const Outcome outcome = Run("run sleep.csv --prefer '" + GetParam().typed + "'");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "quarlin-cli: --prefer: " + GetParam().why +
                             "\nRun with --help for more information.\n");
  EXPECT_EQ(Names(), std::set<std::string>{"sleep.csv"});
}

INSTANTIATE_TEST_SUITE_P(
    Names, CliRefusedNameTest,
    testing::Values(
        RefusedName{"Ambiguous", "frechet",
                    "'frechet' could mean:\n  Frechet (typical)\n  Frechet mirrored"},
        RefusedName{"AmbiguousAcrossLists", "gumbel + ",
                    "'gumbel + ' could mean:\n  Gumbel + Logistic\n  Gumbel + Poisson\n"
                    "  Gumbel + Gumbel mirrored"},
        RefusedName{"Unknown", "Pareto",
                    "unknown distribution 'Pareto' (the distributions command lists them)"},
        RefusedName{"CodeThatIsNoPreference", "36",
                    "unknown distribution '36' (the distributions command lists them)"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliPeopleTest, DistributionsNameEveryPreferenceOnce) {
  const Outcome outcome = Run("distributions");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  std::multiset<std::string> first;
  for (const auto& line : Lines(outcome.out)) first.insert(line.substr(0, line.find(' ')));
  for (const auto& text : PreferenceTexts())
    EXPECT_EQ(first.count(text), text == "1" ? 0u : 1u) << text;
  const auto lines = Lines(outcome.out);
  for (const char* line :
       {"57   57   single    Weibull distribution",
        "39   36   single    Kumaraswamy distribution  (preference 39 selects code 36)",
        "62   62   single    Student t-distribution with 1 d.f.  (preference 62 selects the "
        "Student pair 62 and 63)",
        "-    63   single    Student t-distribution with 2 d.f.  (fitted and preferred with 62)",
        "90   74   composite Composite generalized Gumbel mirrored  (preference 90 selects code "
        "74)"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;

  const Outcome json = Run("distributions --json");
  EXPECT_EQ(json.status, 0);
  const auto objects = Lines(json.out);
  ASSERT_EQ(objects.size(), lines.size());
  EXPECT_EQ(objects.front().front(), '[');
  EXPECT_EQ(objects.back().substr(objects.back().size() - 2), "}]");
  EXPECT_NE(json.out.find("{\"prefer\": \"90\", \"code\": 74, \"name\": \"Composite generalized "
                          "Gumbel mirrored\", \"composite\": true, \"note\": \"preference 90 "
                          "selects code 74\"}"),
            std::string::npos);
}

TEST_F(CliPeopleTest, VersionNamesTheProgram) {
  const Outcome outcome = Run("--version");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  ASSERT_EQ(outcome.out.rfind("quarlin-cli ", 0), 0u) << outcome.out;
  const std::string version = outcome.out.substr(12);
  EXPECT_EQ(version.find_first_not_of("0123456789."), version.size() - 1) << version;
  EXPECT_EQ(version.back(), '\n');
}

struct QuietFailure {
  std::string name;
  std::string options;
  std::string message;
};

class CliQuietFailureTest : public CliPeopleTest,
                            public testing::WithParamInterface<QuietFailure> {};

TEST_P(CliQuietFailureTest, StillSaysWhyOnStderrOnly) {
  WriteAll(work_ / "v.csv", "1\n2\n3\n4\n5\n");
  const Outcome outcome = Run("run v.csv " + GetParam().options);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CliQuietFailureTest,
    testing::Values(QuietFailure{"Quiet", "--quiet", " The minimum number of data is 6\n"},
                    QuietFailure{"Json", "--json", " The minimum number of data is 6\n"},
                    QuietFailure{"QuietJson", "--quiet --json",
                                 " The minimum number of data is 6\n"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliPeopleTest, RunJsonAgreesWithTheRunsFiles) {
  CopySeries("portpirie");
  const Outcome outcome = Run("run portpirie.csv --json");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  ASSERT_EQ(Lines(outcome.out).size(), 1u) << outcome.out;
  const std::string& json = outcome.out;
  const std::string base = (work_ / "portpirie").string();
  EXPECT_NE(outcome.err.find("\nReport: " + base + ".out\n"), std::string::npos) << outcome.err;
  EXPECT_EQ(json.find("Report"), std::string::npos);

  EXPECT_EQ(Value(json, "input"), "\"portpirie.csv\"");
  EXPECT_EQ(Value(json, "outputs"), "{\"inp\": \"" + base + ".inp\", \"out\": \"" + base +
                                        ".out\", \"aux\": \"" + base + ".aux\", \"lst\": \"" +
                                        base + ".Lst\"}");
  const std::string report = ReadAll(work_ / "portpirie.out");
  EXPECT_NE(report.find(" Number of data used: " + Value(json, "n") + "\r\n"), std::string::npos);
  const size_t caption = report.find("Efficiency coefficient (R^2)");
  ASSERT_NE(caption, std::string::npos);
  const size_t colon = report.find(':', caption);
  EXPECT_EQ(std::strtod(Value(json, "efficiency").c_str(), nullptr),
            std::strtod(report.c_str() + colon + 1, nullptr));

  const ParameterFileReading aux = ReadParameterFile(work_ / "portpirie.aux");
  ASSERT_TRUE(aux.contents) << aux.error;
  const std::string chosen = Value(json, "chosen");
  EXPECT_EQ(Value(chosen, "code"), std::to_string(aux.contents->code));
  EXPECT_EQ(std::strtod(Value(json, "shift").c_str(), nullptr), aux.contents->shift);
  const std::string parameters = Value(chosen, "parameters");
  size_t at = 0;
  for (const double value : aux.contents->values) {
    at = parameters.find(": ", at);
    ASSERT_NE(at, std::string::npos) << parameters;
    at += 2;
    EXPECT_EQ(std::strtod(parameters.c_str() + at, nullptr), value) << parameters;
  }
  EXPECT_EQ(parameters.find(": ", at), std::string::npos) << parameters;

  // The ranked list's names and averages, in its order.
  const auto list = Lines(ReadAll(work_ / "portpirie.Lst"));
  const std::string ranked = Value(json, "ranked");
  size_t entry = 0, seen = 0;
  for (size_t i = 1; i < list.size(); ++i) {
    if (list[i].rfind(" Average = ", 0) != 0) continue;
    entry = ranked.find("{\"name\": ", entry);
    ASSERT_NE(entry, std::string::npos) << ranked;
    EXPECT_EQ(Value(ranked, "name", entry), "\"" + list[i - 1].substr(1) + "\"");
    EXPECT_EQ(std::strtod(Value(ranked, "average", entry).c_str(), nullptr),
              std::strtod(list[i].c_str() + 11, nullptr));
    ++entry;
    ++seen;
  }
  EXPECT_GT(seen, 10u);
  EXPECT_EQ(ranked.find("{\"name\": ", entry), std::string::npos);
  EXPECT_EQ(Value(json, "options"), "{\"prefer\": \"1\", \"composite\": false, \"classes\": 5}");
}

TEST_F(CliPeopleTest, RunJsonKeepsAGeneralBlocksLetterOnce) {
  CopySeries("portpirie");
  const Outcome outcome = Run("run portpirie.csv --json --quiet --prefer GEV");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const ParameterFileReading aux = ReadParameterFile(work_ / "portpirie.aux");
  ASSERT_TRUE(aux.contents) << aux.error;
  ASSERT_EQ(aux.contents->values.size(), 5u);
  const std::string parameters = Value(Value(outcome.out, "chosen"), "parameters");
  EXPECT_EQ(std::strtod(Value(parameters, "A").c_str(), nullptr), aux.contents->values[0]);
  EXPECT_EQ(std::strtod(Value(parameters, "B").c_str(), nullptr), aux.contents->values[1]);
  EXPECT_EQ(std::strtod(Value(parameters, "K").c_str(), nullptr), aux.contents->values[2]);
  EXPECT_EQ(std::count(parameters.begin(), parameters.end(), ':'), 3) << parameters;
  EXPECT_EQ(Value(outcome.out, "ranked"), "[]");
}

}  // namespace
