#include "data/pipeline_steps.h"

#include <vector>

#include "common/file_writing.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "data/file_reading.h"
#include "data/messages.h"
#include "engine/analysis/observation_table.h"
#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

// A file the run did not make goes; a link there goes, not the file it
// ends at, which may belong to something else.
Status Replace(const std::filesystem::path& earlier, const std::filesystem::path& made,
               bool wasMade) {
  if (wasMade) {
    if (std::string reason; !MoveIntoPlace(made, earlier, &reason))
      return Status::Error(CouldNotOpenMessage(earlier.string(), reason));
    return Status::Ok();
  }
  std::error_code error;
  std::filesystem::remove(earlier, error);
  if (error) return Status::Error(CouldNotOpenMessage(earlier.string(), error.message()));
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
  // No distribution found: a line of zeros, as the list always held then.
  const DistributionRow* row = FindRow(chosenCode);
  switch (row ? row->tempValues : TempValues::SlopeIntercept) {
    case TempValues::Ones:
      text.Line(Ext(1.0)).Line(Ext(1.0));
      break;
    case TempValues::SlopeIntercept:
      text.Line(Ext(p.A)).Line(Ext(p.B));
      break;
    case TempValues::Slope:
      text.Line(Ext(p.A));
      break;
    case TempValues::FamilyPair:
      text.Line(Ext(p.First)).Line(Ext(p.Second));
      break;
    case TempValues::None:
      break;
  }
  return text.Text();
}

Status LoadObservationTable(const std::filesystem::path& report, EngineData& engine) {
  std::vector<std::string> lines;
  if (Status s = ReadFileLines(report, lines); !s.ok()) return s;
  const int n = engine.sample.N;
  const auto rows = ParseObservationTable(lines, n);
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
    std::vector<std::string> lines;
    Status read = ReadFileLines(path, lines);
    for (const auto& line : lines) text.Line(line);
    return read;
  };
  if (Status s = copy(files.Report); !s.ok()) return s;
  if (chosenCode != kGamma)
    if (Status s = copy(files.Values); !s.ok()) return s;
  if (std::string reason; !WriteFileAtomically(files.NewOutput, text.Text(), &reason))
    return Status::Error(CouldNotOpenMessage(files.Output.string(), reason));
  return Status::Ok();
}

Status ReplaceEarlierOutputs(const RunFiles& files, bool withAux, bool withRankedList) {
  if (Status s = Replace(files.Output, files.NewOutput, true); !s.ok()) return s;
  if (Status s = Replace(files.Aux, files.NewAux, withAux); !s.ok()) return s;
  if (Status s = Replace(files.RankedList, files.NewRankedList, withRankedList); !s.ok()) return s;
  return Replace(files.Input, files.NewInput, true);
}

}  // namespace quarlin
