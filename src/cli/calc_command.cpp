#include "cli/calc_command.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "calculator/calc_controller.h"
#include "calculator/calculation.h"
#include "calculator/report_inputs.h"
#include "cli/json.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "data/number_reading.h"

namespace quarlin {
namespace {

using Field = std::pair<const char*, std::optional<double>>;

// `message`, when there is one, closes the object as a string.
std::string JsonObject(const char* query, const std::vector<Field>& fields,
                       const std::string& message = "") {
  std::string text = std::string("{\"query\": \"") + query + "\"";
  for (const auto& [name, value] : fields)
    text += std::string(", \"") + name + "\": " + JsonNumber(value);
  if (!message.empty()) text += ", \"message\": " + JsonString(message);
  return text + "}";
}

std::string TextLine(const std::vector<std::pair<std::string, std::optional<double>>>& fields) {
  std::string line;
  for (const auto& [label, value] : fields) {
    if (!line.empty()) line += "  ";
    line += label + " " + ResultText(value);
  }
  return line;
}

// The window's check of an inverse input: F in (0, 1) or a message.
std::optional<double> FrequencyOf(const CalcQuery& query, NumberConversion& numbers,
                                  std::string& message, double& typed) {
  const auto value = numbers.StringToFloat(query.text);
  if (value) typed = *value;
  if (query.kind == CalcQueryKind::Freq) {
    if (!value)
      message = kFrequencyNotValid;
    else if (!(*value > 0.000001 && *value < 0.999999))
      message = kFrequencyRange;
    else
      return *value;
    return std::nullopt;
  }
  if (!value)
    message = kReturnPeriodNotReal;
  else if (!(*value > 0.000001 && *value < 100000))
    message = kReturnPeriodRange;
  else if (*value <= 1)
    message = kReturnPeriodAboveOne;
  else
    return 1 - 1 / *value;
  return std::nullopt;
}

std::string ReportName(const std::string& base) {
  const auto extension = std::filesystem::path(base).extension();
  if (extension == ".out" || extension == ".aux" || extension == ".inp") return base;
  return base + ".out";
}

}  // namespace

int CalcCommand(const CalcOptions& options, std::ostream& out, std::ostream& err) {
  RunState state;
  state.FileName = ReportName(options.base);
  NumberConversion numbers;
  std::vector<std::string> answers;
  int status = 0;
  for (const CalcQuery& query : options.queries) {
    std::string message;
    std::optional<double> X, F;
    double typed = 0;
    if (query.kind == CalcQueryKind::X) {
      X = numbers.StringToFloat(query.text);
      if (!X) message = kValueNotReal;
    } else {
      F = FrequencyOf(query, numbers, message, typed);
    }
    if (!message.empty()) {
      err << message << '\n';
      status = 1;
      continue;
    }
    // Each answer reads the files afresh, as each calculation of the window does.
    const ReportInputsReading reading = ReadReportInputs(state);
    if (!reading.inputs) {
      err << reading.error << '\n';
      return 1;
    }
    const auto& inputs = *reading.inputs;
    if (X) {
      const ForwardResult r = CalcFrequent(inputs.values, static_cast<int>(inputs.data.size()), *X);
      // An answer beyond the fitted law's range says so as the window does.
      const std::string beyond =
          r.beyond == Beyond::None
              ? ""
              : BeyondBoundMessage(r.beyond, r.bound ? ResultText(r.bound) : "");
      if (options.json) {
        answers.push_back(JsonObject("x",
                                     {{"x", *X},
                                      {"F", r.F},
                                      {"T", r.T},
                                      {"F_lower", r.limits.lower},
                                      {"F_upper", r.limits.upper},
                                      {"T_lower", r.TLower},
                                      {"T_upper", r.TUpper}},
                                     beyond));
      } else {
        answers.push_back(TextLine({{"X-value", *X},
                                    {"Cum. Freq.", r.F},
                                    {"Ret. Per.", r.T},
                                    {"Cum. Freq. Lower", r.limits.lower},
                                    {"Cum. Freq. Upper", r.limits.upper},
                                    {"Ret. Per. Lower", r.TLower},
                                    {"Ret. Per. Upper", r.TUpper}}) +
                          (beyond.empty() ? "" : "  " + beyond));
      }
      continue;
    }
    const InverseResult r = CalcVal(inputs.values, inputs.data, *F);
    const double T = query.kind == CalcQueryKind::Period ? typed : 1 / (1 - *F);
    if (options.json) {
      answers.push_back(JsonObject(
          query.kind == CalcQueryKind::Freq ? "freq" : "period",
          {{"F", *F}, {"T", T}, {"x", r.X}, {"x_lower", r.XLower}, {"x_upper", r.XUpper}}));
    } else {
      answers.push_back(TextLine({{"Cum. Freq.", *F},
                                  {"Ret. Per.", T},
                                  {"X-value", r.X},
                                  {"X-Value Lower", r.XLower},
                                  {"X-Value Upper", r.XUpper}}));
    }
  }
  if (options.json) {
    out << "[";
    for (size_t i = 0; i < answers.size(); ++i) out << (i ? ",\n " : "") << answers[i];
    out << "]\n";
  } else {
    for (const auto& line : answers) out << line << '\n';
  }
  return status;
}

}  // namespace quarlin
