#include "data/pipeline_steps.h"

#include <vector>

#include "common/number_text.h"
#include "common/text_file.h"
#include "data/messages.h"
#include "engine/analysis/observation_table.h"

namespace quarlin {
namespace {

bool IsFamilyPairCode(int code) {
  return (code >= 20 && code <= 26) || code == 61 || code == 69;
}

bool IsLineCode(int code) {
  if (code == 61 || code == 67 || code == 68 || code == 69 || code == 73) return false;
  return code < 6 || code > 50;
}

Status Replace(const std::filesystem::path& earlier, const std::filesystem::path& made,
               bool wasMade) {
  std::error_code error;
  if (wasMade)
    std::filesystem::rename(made, earlier, error);
  else
    std::filesystem::remove(earlier, error);
  if (error) return Status::Error(CouldNotOpenMessage(earlier.string()));
  return Status::Ok();
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
  const int n = engine.sample.N;
  const auto rows = ParseObservationTable(*lines, n);
  if (!rows) return Status::Error(TableError(report));
  std::vector<double> calc(n + 1, 0.0), sd(n + 1, 0.0), lower(n + 1, 0.0);
  for (int i = 1; i <= n; ++i) {
    const ObservationRow& row = (*rows)[i - 1];
    sd[i] = row.SdFc / 100;
    if (sd[i] > 0) {
      calc[i] = row.Fk / 100;
      lower[i] = row.Lower / 100;
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

Status ReplaceEarlierOutputs(const RunFiles& files, bool withAux, bool withRankedList) {
  if (Status s = Replace(files.Aux, files.NewAux, withAux); !s.ok()) return s;
  return Replace(files.RankedList, files.NewRankedList, withRankedList);
}

}  // namespace quarlin
