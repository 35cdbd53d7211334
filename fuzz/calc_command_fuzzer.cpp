// `quarlin-cli calc` over a report's files (see report_sections.h for the
// input's layout), run in process through the command's own function, once
// printing lines and once JSON. The queries section holds requests such as
// "x 4.5", "freq 0.99", "period 100" (the text after the first blank is the
// value as typed) and "base .inp" (the extension the report is named by:
// none, .out, .aux or .inp); without it a few fixed queries are asked.
//
// Beyond running without a crash, undefined behaviour or a hang, the target
// holds the command to what it promises its user:
// - the exit status is 0 or 1, and 1 exactly when something was refused,
//   with the refusal on stderr;
// - an answered query is one line (one JSON object), in the order asked;
//   with status 0 every query is answered;
// - every value is a number that reads back, finite, or the calculator's
//   " n.a" (JSON null) — never text such as NAN or INF;
// - a frequency shown lies in (0, 1) and its limits around it within
//   [0, 1], a return period shown is at least 1;
// - the lines and the JSON give the same values (15 and 17 digits).

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_command.h"
#include "report_sections.h"
#include "scratch_folder.h"

using namespace quarlin;
using quarlin::fuzz::Require;

namespace {

// Enough to reach every direction and refusal; more only slows the fuzzer
// (each inverse of the normal family is a grid search).
constexpr size_t kMostQueries = 8;

struct Request {
  std::vector<CalcQuery> queries;
  std::string extension = ".out";
};

Request RequestOf(const std::optional<std::string_view>& section) {
  Request request;
  if (!section) {
    request.queries = {{CalcQueryKind::X, "0"},
                       {CalcQueryKind::X, "1E300"},
                       {CalcQueryKind::Freq, "0.5"},
                       {CalcQueryKind::Period, "100"}};
    return request;
  }
  for (const std::string_view line : fuzz::SectionLines(*section)) {
    const size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    const std::string text(blank == std::string_view::npos ? "" : line.substr(blank + 1));
    if (word == "base") {
      // Only names inside the scratch folder: letters and dots.
      if (text.size() <= 8 &&
          text.find_first_not_of(".abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") ==
              std::string::npos)
        request.extension = text;
      continue;
    }
    if (request.queries.size() == kMostQueries) continue;
    if (word == "x")
      request.queries.push_back({CalcQueryKind::X, text});
    else if (word == "freq")
      request.queries.push_back({CalcQueryKind::Freq, text});
    else if (word == "period")
      request.queries.push_back({CalcQueryKind::Period, text});
  }
  return request;
}

// A value as printed: nothing for " n.a" (null), else the number, which
// must read back whole and be finite.
std::optional<double> ValueOf(std::string_view text, std::string_view missing) {
  if (text == missing) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  Require(!text.empty() && end == text.data() + text.size() &&
              (error == std::errc() || error == std::errc::result_out_of_range),
          "a value printed is a number or the calculator's n.a");
  // 15 digits of a double next to the largest round beyond it, and the
  // smallest subnormals below what reads back: both are the value shown.
  if (error == std::errc::result_out_of_range)
    value = text.find_first_of("Ee") != std::string_view::npos &&
                    text[text.find_first_of("Ee") + 1] == '-'
                ? 0.0
                : std::copysign(std::numeric_limits<double>::max(), text[0] == '-' ? -1.0 : 1.0);
  Require(std::isfinite(value), "a number printed is finite");
  return value;
}

const std::vector<std::string> kForwardLabels = {
    "X-value",          "Cum. Freq.",      "Ret. Per.",      "Cum. Freq. Lower",
    "Cum. Freq. Upper", "Ret. Per. Lower", "Ret. Per. Upper"};
const std::vector<std::string> kInverseLabels = {"Cum. Freq.", "Ret. Per.", "X-value",
                                                 "X-Value Lower", "X-Value Upper"};

// The values of an answer line "LABEL VALUE  LABEL VALUE ...".
std::vector<std::optional<double>> LineValues(std::string_view line,
                                              const std::vector<std::string>& labels) {
  std::vector<std::optional<double>> values;
  size_t at = 0;
  for (size_t i = 0; i < labels.size(); ++i) {
    const std::string head = labels[i] + " ";
    Require(line.compare(at, head.size(), head) == 0, "an answer line has its labels in order");
    at += head.size();
    size_t end = line.size();
    if (i + 1 < labels.size()) {
      end = line.find("  " + labels[i + 1] + " ", at);
      Require(end != std::string_view::npos, "an answer line has its labels in order");
    }
    values.push_back(ValueOf(line.substr(at, end - at), " n.a"));
    at = end + 2;
  }
  return values;
}

// The values of one JSON answer object, in order, after its "query".
std::vector<std::optional<double>> ObjectValues(std::string_view object) {
  std::vector<std::optional<double>> values;
  size_t at = object.find("\", \"");  // past the query's name
  while (at != std::string_view::npos) {
    const size_t colon = object.find("\": ", at);
    Require(colon != std::string_view::npos, "a JSON answer holds named values");
    const size_t start = colon + 3;
    const size_t end = object.find_first_of(",}", start);
    Require(end != std::string_view::npos, "a JSON answer is closed");
    values.push_back(ValueOf(object.substr(start, end - start), "null"));
    at = object[end] == ',' ? end : std::string_view::npos;
  }
  return values;
}

std::vector<std::string_view> JsonObjects(std::string_view json) {
  Require(json.size() >= 3 && json.substr(0, 1) == "[" && json.substr(json.size() - 2) == "]\n",
          "the JSON answer is one array");
  std::vector<std::string_view> objects;
  size_t at = 1;
  while (at < json.size() - 2) {
    Require(json[at] == '{', "the array holds objects");
    const size_t end = json.find('}', at);
    Require(end != std::string_view::npos, "a JSON answer is closed");
    objects.push_back(json.substr(at, end + 1 - at));
    at = end + 1;
    if (json.compare(at, 3, ",\n ") == 0) at += 3;
  }
  return objects;
}

void RequireFrequency(const std::optional<double>& F) {
  if (F) Require(*F > 0 && *F < 1, "a frequency shown lies between 0 and 1");
}

void RequireForward(const std::vector<std::optional<double>>& v) {
  const auto &F = v[1], &T = v[2], &lower = v[3], &upper = v[4];
  RequireFrequency(F);
  if (T) Require(*T >= 1, "a return period shown is at least 1");
  if (lower) Require(*lower >= 0 && (!F || *lower <= *F), "the lower limit of F lies below F");
  if (upper) Require(*upper <= 1 && (!F || *upper >= *F), "the upper limit of F lies above F");
}

void RequireInverse(const std::vector<std::optional<double>>& v) {
  RequireFrequency(v[0]);
  if (v[1]) Require(*v[1] >= 1, "a return period shown is at least 1");
}

bool Agree(const std::optional<double>& text, const std::optional<double>& json) {
  if (!text || !json) return !text && !json;
  // 15 significant digits against 17: half a unit of the 15th digit apart,
  // or both below what 15 digits resolve among subnormals.
  return std::fabs(*text - *json) <= 1e-14 * std::fabs(*json) + 1e-300;
}

struct Run {
  int status = 0;
  std::string out;
  std::string err;
};

Run RunCalc(const CalcOptions& options) {
  std::ostringstream out, err;
  Run run;
  run.status = CalcCommand(options, out, err);
  run.out = out.str();
  run.err = err.str();
  Require(run.status == 0 || run.status == 1, "the exit status is 0 or 1");
  Require((run.status == 1) == !run.err.empty(), "status 1 exactly when something is refused");
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::ReportSections sections = fuzz::SplitReportSections(fuzz::Bytes(data, size));
  const Request request = RequestOf(sections.queries);
  const auto report = fuzz::WriteReportFiles(fuzz::Scratch(), sections);

  CalcOptions options;
  options.base = (report.parent_path() / ("report" + request.extension)).string();
  options.queries = request.queries;
  const Run text = RunCalc(options);
  options.json = true;
  const Run json = RunCalc(options);
  Require(text.status == json.status && text.err == json.err,
          "lines and JSON refuse the same queries");

  const std::vector<std::string_view> lines = fuzz::SectionLines(text.out);
  Require(text.out.empty() || text.out.back() == '\n', "every answer line ends");
  if (text.status == 0) Require(lines.size() == options.queries.size(), "every query is answered");
  // A report that cannot be read stops the command before any answer.
  if (!json.out.empty()) {
    const std::vector<std::string_view> objects = JsonObjects(json.out);
    Require(objects.size() == lines.size(), "lines and JSON answer alike");
    size_t query = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      const bool forward = lines[i].rfind("X-value ", 0) == 0;
      // The answers keep the order of the queries, refused ones left out.
      while (query < options.queries.size() &&
             (options.queries[query].kind == CalcQueryKind::X) != forward)
        ++query;
      Require(query < options.queries.size(), "answers come in the order of the queries");
      ++query;
      const auto values = LineValues(lines[i], forward ? kForwardLabels : kInverseLabels);
      if (forward)
        RequireForward(values);
      else
        RequireInverse(values);
      const auto jsonValues = ObjectValues(objects[i]);
      Require(jsonValues.size() == values.size(), "lines and JSON answer alike");
      for (size_t k = 0; k < values.size(); ++k)
        Require(Agree(values[k], jsonValues[k]), "lines and JSON give the same values");
    }
  } else {
    Require(text.out.empty() && text.status == 1, "no JSON answer only when refused");
  }
  return 0;
}
