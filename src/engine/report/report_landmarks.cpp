#include "engine/report/report_landmarks.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "engine/catalogue/codes.h"
#include "engine/report/report_formula.h"

namespace quarlin {
namespace {

constexpr size_t kNumberOfDataLine = 7;
constexpr size_t kWhole = std::string_view::npos;

struct ExpectedPart {
  ReportPart part;
  const char* landmark;
  // How many of the landmark's first characters identify it (kWhole: all).
  size_t marker;
  // Tables: the header lines between the landmark and the first row; a
  // part without a table is its landmark line alone.
  bool table;
  size_t headerLines;
  bool rowPerDatum;
  const char* words;  // what the user is told is missing
};

constexpr ExpectedPart kParts[] = {
    {ReportPart::kSummary, kSummaryLabel, kWhole, false, 0, false,
     "line of Average X, Median X and St.Dev. X"},
    {ReportPart::kIntervalTable, kIntervalHeading, kTableMarkerLength, true, 4, false,
     "table of the interval analysis"},
    {ReportPart::kObservationTable, kObservationHeading, kTableMarkerLength, true, 4, true,
     "table of observed and calculated cumulative frequencies"},
    {ReportPart::kFrequencyFit, kFrequencyFitLabel, kWhole, false, 0, false,
     "average of absolute differences between calculated and observed frequencies"},
    {ReportPart::kEfficiency, kEfficiencyLabel, kWhole, false, 0, false,
     "efficiency coefficient (R^2)"},
    {ReportPart::kReturnPeriodTable, kReturnPeriodHeading, kTableMarkerLength, true, 4, true,
     "table of return periods"},
    {ReportPart::kReturnPeriodFit, kReturnPeriodFitLabel, kWhole, false, 0, false,
     "average of absolute differences between calculated and observed return periods"},
    {ReportPart::kXLimitsTable, kXLimitsHeading, kTableMarkerLength, true, 5, true,
     "table of confidence limits of calculated X-values"},
    {ReportPart::kXEfficiency, kXEfficiencyLabel, kWhole, false, 0, false,
     "efficiency coefficient (R) of calculated and observed data values"},
};

const ExpectedPart* Expected(ReportPart part) {
  for (const ExpectedPart& expected : kParts)
    if (expected.part == part) return &expected;
  return nullptr;
}

bool StartsWith(const std::string& line, std::string_view landmark, size_t marker) {
  return line.starts_with(landmark.substr(0, marker));
}

// The first line from `from` on that begins with `landmark`'s marker.
size_t Find(const std::vector<std::string>& lines, size_t from, std::string_view landmark,
            size_t marker) {
  for (size_t i = from; i < lines.size(); ++i)
    if (StartsWith(lines[i], landmark, marker)) return i;
  return lines.size();
}

// The number of data as the graphs read it: the first word after the
// label's 21 characters, a whole number.
std::optional<int> NumberOfData(const std::string& line) {
  constexpr size_t kLabelLength = 21;
  std::string_view text =
      line.size() > kLabelLength ? std::string_view(line).substr(kLabelLength) : std::string_view();
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  std::string_view word = text.substr(0, text.find_first_of(" \t"));
  if (word.size() > 1 && word.front() == '+' && word[1] != '-') word.remove_prefix(1);
  int n = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), n);
  if (word.empty() || error != std::errc() || end != word.data() + word.size() || n < 0)
    return std::nullopt;
  return n;
}

// The report of the Gamma distribution has no confidence limits of X: it
// names the distribution on a line of its own before the summary.
bool IsGammaReport(const std::vector<std::string>& lines, size_t from, size_t to) {
  ChosenDistribution gamma;
  gamma.code = kGamma;
  const std::string description = DescriptionLines(gamma).front();
  for (size_t i = from; i < std::min(to, lines.size()); ++i)
    if (lines[i] == description) return true;
  return false;
}

}  // namespace

const PartCheck* ReportLandmarks::FirstDamage() const {
  for (const PartCheck& check : parts)
    if (check.state != PartState::kWhole) return &check;
  return nullptr;
}

bool ReportLandmarks::Whole(ReportPart part) const {
  for (const PartCheck& check : parts)
    if (check.part == part) return check.state == PartState::kWhole;
  return false;
}

ReportLandmarks CheckReportLandmarks(const std::vector<std::string>& lines) {
  ReportLandmarks result;
  result.empty = lines.empty();
  PartCheck count{ReportPart::kNumberOfData};
  if (lines.size() < kNumberOfDataLine) {
    count.state = PartState::kEndsBefore;
  } else {
    result.nrOfData = NumberOfData(lines[kNumberOfDataLine - 1]);
    if (!result.nrOfData) count.state = PartState::kAbsent;
  }
  result.parts.push_back(count);
  if (count.state == PartState::kEndsBefore) return result;

  size_t at = kNumberOfDataLine;
  const size_t summary = Find(lines, at, kSummaryLabel, kWhole);
  const size_t none = Find(lines, at, kNoDistributionLine, kWhole);
  if (none < summary) {
    result.noDistribution = true;
    return result;
  }
  const bool gamma = IsGammaReport(lines, at, summary);

  size_t lastFound = 0;
  for (const ExpectedPart& expected : kParts) {
    const bool xLimits =
        expected.part == ReportPart::kXLimitsTable || expected.part == ReportPart::kXEfficiency;
    if (gamma && xLimits) continue;
    PartCheck check{expected.part};
    const size_t found = Find(lines, at, expected.landmark, expected.marker);
    if (found == lines.size()) {
      // Told apart from a part left out below, once the later parts are known.
      check.state = PartState::kEndsBefore;
      result.parts.push_back(check);
      continue;
    }
    lastFound = result.parts.size();
    at = found + 1;
    if (expected.table) {
      const size_t first = found + 1 + expected.headerLines;
      size_t end = first;
      while (end < lines.size() && !lines[end].starts_with(kTableEndMarker)) ++end;
      check.rows = end > first ? end - first : 0;
      if (end >= lines.size()) {
        check.state = PartState::kEndsInside;
        at = lines.size();
      } else {
        at = end + 1;
        if (expected.rowPerDatum && result.nrOfData &&
            check.rows < static_cast<size_t>(*result.nrOfData))
          check.state = PartState::kShort;
      }
    }
    result.parts.push_back(check);
  }
  // A part that is missing while a later one is there was left out, not cut off.
  for (size_t i = 0; i < lastFound; ++i)
    if (result.parts[i].state == PartState::kEndsBefore) result.parts[i].state = PartState::kAbsent;
  return result;
}

std::string DamageText(const PartCheck& check, std::optional<int> nrOfData) {
  if (check.part == ReportPart::kNumberOfData) {
    switch (check.state) {
      case PartState::kWhole:
        return {};
      case PartState::kAbsent:
        return "line 7 of the report holds no number of data";
      default:
        return "the report ends before its number of data";
    }
  }
  const ExpectedPart* expected = Expected(check.part);
  const std::string words = expected ? expected->words : "";
  const std::string rows = std::to_string(check.rows);
  const bool counted = expected && expected->rowPerDatum && nrOfData;
  const std::string data = counted ? std::to_string(*nrOfData) : "";
  switch (check.state) {
    case PartState::kWhole:
      return {};
    case PartState::kEndsBefore:
      return "the report ends before its " + words;
    case PartState::kEndsInside:
      return "the report ends inside its " + words +
             (counted ? ", after " + rows + " of its " + data + " rows" : "");
    case PartState::kShort:
      return "the report's " + words + " holds " + rows + " rows for " + data + " data";
    case PartState::kAbsent:
      return "the report holds no " + words;
  }
  return {};
}

std::string DamageText(const ReportLandmarks& landmarks) {
  if (landmarks.empty) return "it is empty";
  const PartCheck* damage = landmarks.FirstDamage();
  return damage ? DamageText(*damage, landmarks.nrOfData) : std::string();
}

}  // namespace quarlin
