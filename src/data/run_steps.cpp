#include "data/run_steps.h"

#include <sstream>
#include <vector>

#include "common/number_text.h"
#include "common/text_file.h"
#include "data/messages.h"
#include "data/number_reading.h"

namespace quarlin {
namespace {

bool IsFamilyPairCode(int code) {
  return (code >= 20 && code <= 26) || code == 61 || code == 69;
}

bool IsLineCode(int code) {
  if (code == 61 || code == 67 || code == 68 || code == 69 || code == 73) return false;
  return code < 6 || code > 50;
}

std::string TableError(const std::filesystem::path& report) {
  return ProgramErrorMessage("The observation table in the file \"" + report.string() +
                             "\" is incomplete");
}

}  // namespace

std::string TempParameterText(int n, int chosenCode, double c, const ChosenParameters& p) {
  TextBuilder text;
  text.Line(Int(n, 4)).Line(Int(chosenCode, 3)).Line(Ext(c));
  if (chosenCode == 62 || chosenCode == 63) {
    text.Line(Ext(1.0)).Line(Ext(1.0));
  } else if (IsLineCode(chosenCode)) {
    text.Line(Ext(p.A)).Line(Ext(p.B));
  } else if (chosenCode == 6) {
    text.Line(Ext(p.A));
  } else if (IsFamilyPairCode(chosenCode)) {
    text.Line(Ext(p.First)).Line(Ext(p.Second));
  }
  return text.Text();
}

Status LoadObservationTable(const std::filesystem::path& report, EngineData& engine) {
  const auto lines = ReadLines(report);
  if (!lines) return Status::Error(CouldNotOpenMessage(report.string()));
  size_t head = 0;
  while (head < lines->size() && (*lines)[head].substr(0, 4) != " Obs") ++head;
  const int n = engine.sample.N;
  if (head + 4 + n >= lines->size()) return Status::Error(TableError(report));
  std::vector<double> calc(n + 1, 0.0), sd(n + 1, 0.0), lower(n + 1, 0.0);
  for (int i = 1; i <= n; ++i) {
    std::istringstream row((*lines)[head + 4 + i]);
    double numbers[6];
    for (double& number : numbers) {
      std::string token;
      row >> token;
      const auto value = ParseReal(token);
      if (!value) return Status::Error(TableError(report));
      number = static_cast<double>(*value);
    }
    calc[i] = numbers[3];
    sd[i] = numbers[4] / 100;
    lower[i] = numbers[5];
    if (sd[i] > 0) {
      calc[i] /= 100;
      lower[i] /= 100;
    } else {
      sd[i] = 0.2 * i / n;
      calc[i] = 0.4 * i / n;
      lower[i] = static_cast<double>(i) / n;
    }
  }
  engine.ObsCalc = std::move(calc);
  engine.ObsSd = std::move(sd);
  engine.ObsLower = std::move(lower);
  return Status::Ok();
}

Status AssembleOutput(const RunFiles& files, int chosenCode) {
  TextBuilder text;
  const auto copy = [&](const std::filesystem::path& path) {
    const auto lines = ReadLines(path);
    if (lines)
      for (const auto& line : *lines) text.Line(line);
    return lines.has_value();
  };
  if (!copy(files.Report)) return Status::Error(CouldNotOpenMessage(files.Report.string()));
  if (chosenCode != 61 && !copy(files.Values))
    return Status::Error(CouldNotOpenMessage(files.Values.string()));
  if (!WriteFileAtomically(files.Output, text.Text()))
    return Status::Error(CouldNotOpenMessage(files.Output.string()));
  return Status::Ok();
}

}  // namespace quarlin
