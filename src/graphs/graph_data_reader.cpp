#include "graphs/graph_data_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <type_traits>

#include "common/text_file.h"
#include "engine/report/report_landmarks.h"

namespace quarlin {
namespace {

struct TableLayout {
  std::string_view landmark;
  // Header lines between the landmark and the first row.
  size_t headerLines;
  // Numbers read from the front of each row.
  size_t numbers;
};

TableLayout LayoutOf(GraphType type) {
  switch (type) {
    case GraphType::kCumulative:
    case GraphType::kPredictedObserved:
      return {" Obs", 4, 7};
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved:
      return {" Int", 4, 4};
    case GraphType::kConfidenceBeltOfX:
      return {" Con", 5, 5};
    case GraphType::kReturnPeriods:
      return {" Ret", 4, 6};
  }
  return {" Obs", 4, 7};
}

constexpr std::string_view kSeparationLandmark = " The sepa";
constexpr size_t kSeparationNumberAt = 30;
constexpr std::string_view kTableEnd = " ---";
constexpr size_t kNrOfDataAt = 21;
constexpr size_t kAvAbsDiffAt = 25;
constexpr size_t kAvAbsDiffWidth = 25;
// Below this many rows the observed points may be too sparse to be joined.
constexpr size_t kDenseRows = 51;
constexpr int kFewestDistinctValues = 10;
constexpr long double kWidestGapShare = 0.3L;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view From(std::string_view line, size_t at) {
  return at < line.size() ? line.substr(at) : std::string_view();
}

// The next blank-delimited number of `text`, which it consumes; nullopt for
// a word that is not a whole finite number.
template <typename T>
std::optional<T> NextNumber(std::string_view& text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end);
  if (word.size() > 1 && word.front() == '+' && word[1] != '-') word.remove_prefix(1);
  T value{};
  const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || stop != word.data() + word.size())
    return std::nullopt;
  if constexpr (std::is_floating_point_v<T>) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  return value;
}

class ReportScan {
 public:
  ReportScan(const std::vector<std::string>& lines, const std::string& name, GraphType type)
      : lines_(lines), name_(name), type_(type) {}

  GraphDataReading Fail(const std::string& what) const {
    return {std::nullopt, name_ + ": " + what};
  }
  // A report that ends early or lacks a part is told in the report's words
  // when its landmarks show which part the graph misses.
  GraphDataReading FailMissing(const std::string& what) const {
    const std::string missing = GraphDamageText(CheckReportLandmarks(lines_), type_);
    return Fail(missing.empty() ? what : missing);
  }
  std::string AtLine(size_t index, const std::string& what) const {
    return "line " + std::to_string(index + 1) + " " + what;
  }
  bool Has(size_t index) const { return index < lines_.size(); }
  std::string_view Line(size_t index) const { return lines_[index]; }

 private:
  const std::vector<std::string>& lines_;
  const std::string& name_;
  GraphType type_;
};

// Puts the numbers of one row where the graph type wants them.
void StoreRow(GraphType type, const long double* n, GraphColumns& c) {
  switch (type) {
    case GraphType::kCumulative:
    case GraphType::kPredictedObserved:
      c.x.push_back(n[0]);
      c.observed.push_back(n[2]);
      c.calculated.push_back(n[3]);
      c.lower.push_back(n[5]);
      c.upper.push_back(n[6]);
      return;
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved: {
      const bool observedOnTop = type == GraphType::kIntervalObserved;
      c.x.push_back(n[0]);
      c.observed.push_back(n[1]);
      c.calculated.push_back(observedOnTop ? n[3] : n[2]);
      c.upper.push_back(observedOnTop ? n[2] : n[3]);
      return;
    }
    case GraphType::kConfidenceBeltOfX:
      c.x.push_back(n[0]);
      c.observed.push_back(n[1]);
      c.calculated.push_back(n[2]);
      c.lower.push_back(n[3]);
      c.upper.push_back(n[4]);
      return;
    case GraphType::kReturnPeriods:
      c.x.push_back(n[0]);
      c.observed.push_back(n[2]);
      c.calculated.push_back(n[3]);
      c.lower.push_back(n[4]);
      c.upper.push_back(n[5]);
      return;
  }
}

// Too few distinct values, or a gap wider than a share of the range, and the
// observed points would mislead when joined. A composite's curve is always
// taken from the table, which holds both members.
bool IsSparse(const std::vector<long double>& x, int nrOfData) {
  const size_t count = std::min(x.size(), static_cast<size_t>(std::max(nrOfData, 0)));
  if (count == 0) return false;
  int distinct = static_cast<int>(count);
  for (size_t i = 1; i < count; ++i)
    if (x[i] == x[i - 1]) --distinct;
  if (distinct < kFewestDistinctValues) return true;
  const auto [lowest, highest] = std::minmax_element(x.begin(), x.begin() + count);
  const long double widest = kWidestGapShare * (*highest - *lowest);
  for (size_t i = 1; i < count; ++i)
    if (x[i] - x[i - 1] > widest) return true;
  return false;
}

}  // namespace

std::vector<ReportPart> ReportPartsFor(GraphType type) {
  switch (type) {
    case GraphType::kCumulative:
      return {ReportPart::kNumberOfData, ReportPart::kObservationTable, ReportPart::kFrequencyFit};
    case GraphType::kPredictedObserved:
      return {ReportPart::kNumberOfData, ReportPart::kObservationTable};
    case GraphType::kIntervalCalculated:
    case GraphType::kIntervalObserved:
      return {ReportPart::kNumberOfData, ReportPart::kIntervalTable};
    case GraphType::kConfidenceBeltOfX:
      return {ReportPart::kNumberOfData, ReportPart::kXLimitsTable};
    case GraphType::kReturnPeriods:
      return {ReportPart::kNumberOfData, ReportPart::kReturnPeriodTable};
  }
  return {ReportPart::kNumberOfData};
}

std::string GraphDamageText(const ReportLandmarks& landmarks, GraphType type) {
  if (landmarks.empty) return DamageText(landmarks);
  for (ReportPart part : ReportPartsFor(type))
    for (const PartCheck& check : landmarks.parts)
      if (check.part == part && check.state != PartState::kWhole)
        return DamageText(check, landmarks.nrOfData);
  return {};
}

std::string ReportNotOpenedMessage(const std::string& name) {
  return "The file \"" + name +
         "\"could not be opened. It may be damaged,  not created due to inadequate input data,  "
         "in use by another program,  or the programmer should incorporate more time.";
}

GraphDataReading ReadGraphDataLines(const std::vector<std::string>& reportLines,
                                    const std::string& reportName,
                                    const ParameterFileContents& parameters, GraphType type) {
  const ReportScan scan(reportLines, reportName, type);
  GraphData data;
  data.parameters = parameters;

  if (!scan.Has(6)) return scan.FailMissing("ends before line 7, the number of data");
  data.title1 = std::string(From(scan.Line(3), 1));
  data.title2 = std::string(From(scan.Line(4), 1));
  std::string_view dataCount = From(scan.Line(6), kNrOfDataAt);
  const auto nrOfData = NextNumber<int>(dataCount);
  if (!nrOfData || *nrOfData < 0)
    return scan.FailMissing(scan.AtLine(6, "holds no number of data"));
  data.nrOfData = *nrOfData;

  // The separation line follows a one- or two-line description.
  size_t next = 11;
  for (size_t index : {size_t{9}, size_t{10}}) {
    if (!scan.Has(index) || !scan.Line(index).starts_with(kSeparationLandmark)) continue;
    std::string_view number = From(scan.Line(index), kSeparationNumberAt);
    const auto point = NextNumber<long double>(number);
    if (!point) return scan.Fail(scan.AtLine(index, "holds no separation point"));
    data.separationPoint = *point;
    next = index + 1;
    break;
  }

  const TableLayout layout = LayoutOf(type);
  const std::string landmark(layout.landmark);
  while (scan.Has(next) && !scan.Line(next).starts_with(layout.landmark)) ++next;
  if (!scan.Has(next)) return scan.FailMissing("holds no line beginning \"" + landmark + "\"");
  const size_t first = next + 1 + layout.headerLines;
  size_t end = first;
  while (scan.Has(end) && !scan.Line(end).starts_with(kTableEnd)) ++end;
  if (!scan.Has(end))
    return scan.FailMissing("ends before the line beginning \"" + std::string(kTableEnd) +
                            "\" that closes the table after line " + std::to_string(next + 1));

  long double numbers[7];
  size_t belowSeparation = 0;
  for (size_t index = first; index < end; ++index) {
    std::string_view row = scan.Line(index);
    for (size_t k = 0; k < layout.numbers; ++k) {
      const auto value = NextNumber<long double>(row);
      if (!value)
        return scan.Fail(scan.AtLine(index, "holds " + std::to_string(k) + " of the " +
                                                std::to_string(layout.numbers) +
                                                " numbers of a table row"));
      numbers[k] = *value;
    }
    StoreRow(type, numbers, data.columns);
    if (data.separationPoint && numbers[0] < *data.separationPoint) ++belowSeparation;
  }

  // The other tables hold a row per datum; fewer rows than the heading's
  // number of data would leave the graphs reading past the table.
  if (!IsIntervalGraph(type) && data.columns.Rows() < static_cast<size_t>(data.nrOfData))
    return scan.FailMissing("the table after line " + std::to_string(next + 1) + " holds " +
                            std::to_string(data.columns.Rows()) + " rows for " +
                            std::to_string(data.nrOfData) + " data");

  if (type == GraphType::kCumulative) {
    const size_t rows = data.columns.Rows();
    // Two rows past the first at or beyond P; the last row when P lies beyond
    // the data (where the count would index past the table).
    if (data.separationPoint && rows > 0)
      data.frequencyPastSeparation =
          data.columns.calculated[std::min(belowSeparation + 2, rows - 1)];
    const size_t avAbsDiffLine = end + 2;
    if (!scan.Has(avAbsDiffLine))
      return scan.FailMissing("ends before the average absolute difference");
    std::string field(From(scan.Line(avAbsDiffLine), kAvAbsDiffAt).substr(0, kAvAbsDiffWidth));
    std::erase(field, '%');
    std::string_view text = field;
    const auto avAbsDiff = NextNumber<double>(text);
    if (!avAbsDiff)
      return scan.Fail(scan.AtLine(avAbsDiffLine, "holds no average absolute difference"));
    data.avAbsDiff = *avAbsDiff;
    data.sparseData =
        !data.separationPoint && rows < kDenseRows && IsSparse(data.columns.x, data.nrOfData);
  }
  return {std::move(data), ""};
}

GraphDataReading ReadGraphDataText(const std::string& reportText, const std::string& reportName,
                                   const std::string& parameterText,
                                   const std::string& parameterName, GraphType type) {
  const ParameterFileReading parameters = ParseParameterFileText(parameterText, parameterName);
  if (!parameters.contents) return {std::nullopt, parameters.error};
  return ReadGraphDataLines(SplitLines(reportText), reportName, *parameters.contents, type);
}

GraphDataReading ReadGraphData(const std::filesystem::path& path, GraphType type) {
  const ParameterFileReading parameters = ReadParameterFile(ChangeExtension(path, ".aux"));
  if (!parameters.contents) return {std::nullopt, parameters.error};
  const std::filesystem::path reportPath = ChangeExtension(path, ".out");
  const auto lines = ReadLines(reportPath);
  if (!lines) return {std::nullopt, ReportNotOpenedMessage(reportPath.string())};
  return ReadGraphDataLines(*lines, reportPath.string(), *parameters.contents, type);
}

}  // namespace quarlin
