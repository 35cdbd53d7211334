#include "cli/run_json.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "cli/json.h"
#include "common/number_parse.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/report/parameter_file_reader.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The letters the report prints with the values the file holds. General
// blocks that repeat a letter (GEV, Rayleigh) only copy the slot that owns
// it, so the owner's value is the one kept.
std::string Parameters(const ParameterFileContents& contents) {
  const auto slots = RowOf(contents.code).parameters;
  std::vector<std::pair<std::string_view, double>> kept;
  std::vector<bool> owned;
  for (size_t i = 0; i < slots.size() && i < contents.values.size(); ++i) {
    const bool owner = slots[i].set != nullptr;
    size_t at = 0;
    while (at < kept.size() && kept[at].first != slots[i].letter) ++at;
    if (at == kept.size()) {
      kept.emplace_back(slots[i].letter, contents.values[i]);
      owned.push_back(owner);
    } else if (owner && !owned[at]) {
      kept[at].second = contents.values[i];
      owned[at] = true;
    }
  }
  std::string text = "{";
  for (size_t i = 0; i < kept.size(); ++i)
    text += (i ? ", " : "") + JsonString(kept[i].first) + ": " + JsonNumber(kept[i].second);
  return text + "}";
}

// The coefficient printed on the line after its caption, behind the colon.
std::optional<double> Efficiency(const fs::path& report) {
  const auto lines = Lines(report);
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].find("Efficiency coefficient (R^2)") == std::string::npos) continue;
    const auto colon = lines[i + 1].find(':');
    if (colon != std::string::npos)
      return LeadingReal(std::string_view(lines[i + 1]).substr(colon + 1));
  }
  return std::nullopt;
}

// The ranked list's entries in its order: a name line, then its average.
std::string Ranked(const fs::path& list) {
  const auto lines = Lines(list);
  const std::string label = " Average = ";
  std::string text = "[";
  bool first = true;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].rfind(label, 0) != 0) continue;
    std::string name = lines[i - 1];
    name.erase(0, name.find_first_not_of(' '));
    text += (first ? "" : ", ") + std::string("{\"name\": ") + JsonString(name) +
            ", \"average\": " +
            JsonNumber(LeadingReal(std::string_view(lines[i]).substr(label.size()))) + "}";
    first = false;
  }
  return text + "]";
}

std::string Path(const fs::path& path) {
  return JsonString(path.string());
}

}  // namespace

RunJson RunJsonOf(const RunSummary& summary) {
  const ParameterFileReading reading = ReadParameterFile(summary.files.Aux);
  if (!reading.contents) return {.text = std::nullopt, .error = reading.error};
  const ParameterFileContents& contents = *reading.contents;
  std::error_code error;
  const bool listed = summary.rankedList && fs::exists(summary.files.RankedList, error);
  std::ostringstream text;
  text << "{\"input\": " << JsonString(summary.input)
       << ", \"outputs\": {\"inp\": " << Path(summary.files.Input)
       << ", \"out\": " << Path(summary.files.Output) << ", \"aux\": " << Path(summary.files.Aux)
       << ", \"lst\": " << (listed ? Path(summary.files.RankedList) : "null") << "}"
       << ", \"n\": " << summary.n << ", \"shift\": " << JsonNumber(contents.shift)
       << ", \"chosen\": {\"code\": " << contents.code
       << ", \"name\": " << JsonString(ListName(contents.code))
       << ", \"parameters\": " << Parameters(contents) << "}"
       << ", \"avabsdiff\": " << JsonNumber(summary.avAbsDiff)
       << ", \"efficiency\": " << JsonNumber(Efficiency(summary.files.Output))
       << ", \"options\": {\"prefer\": " << JsonString(summary.prefer)
       << ", \"composite\": " << (summary.composite ? "true" : "false")
       << ", \"classes\": " << summary.classes << "}"
       << ", \"ranked\": " << (listed ? Ranked(summary.files.RankedList) : "[]") << "}";
  return {.text = text.str(), .error = {}};
}

}  // namespace quarlin
