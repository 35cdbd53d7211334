#pragma once
// The parts of a finished report in the order the report writer lays them
// out, each known by its landmark line, and a check that a report file
// holds every part whole. A report cut short (a full disk, a copy broken
// off, an editor that gave up) is told from a whole one before anything
// reads its tables, and the user is told which part is missing in the
// words the report itself uses.

#include <optional>
#include <string>
#include <vector>

namespace quarlin {

// Headings the report writer prints and the readers look for; the readers
// go by their first characters (kTableMarkerLength of them for the tables).
inline constexpr const char* kNumberOfDataLabel = " Number of data used: ";
inline constexpr const char* kNoDistributionLine = " The frequency distibution cannot be found :";
inline constexpr const char* kSummaryLabel = " Average X:";
inline constexpr const char* kIntervalHeading = " Interval analysis";
inline constexpr const char* kObservationHeading =
    " Observed and calculated cumulative frequencies";
inline constexpr const char* kFrequencyFitLabel = " observed frequencies :";
inline constexpr const char* kEfficiencyLabel = " cumulative frequency :";
inline constexpr const char* kReturnPeriodHeading =
    " Return period = 1/(1-Cum.Frq), time units as used for the data ";
inline constexpr const char* kReturnPeriodFitLabel = " observed return periods :";
inline constexpr const char* kXLimitsHeading = " Confidence limits of calculated X-values";
inline constexpr const char* kXEfficiencyLabel = " data values :";
inline constexpr size_t kTableMarkerLength = 4;
// The first characters of the line that closes every table.
inline constexpr const char* kTableEndMarker = " ---";

// The parts of a report, in file order. A report that names no distribution
// ends after its number of data; one of the Gamma distribution (code 61)
// has no table of confidence limits of X.
enum class ReportPart {
  kNumberOfData,       // line 7
  kSummary,            // average, median and standard deviation of X
  kIntervalTable,      // closed by its dash line
  kObservationTable,   // a row per datum, closed by its dash line
  kFrequencyFit,       // AvAbsDiff of the cumulative frequencies
  kEfficiency,         // R^2 of the cumulative frequencies
  kReturnPeriodTable,  // a row per datum, closed by its dash line
  kReturnPeriodFit,    // AvAbsDiff of the return periods
  kXLimitsTable,       // a row per datum, closed by its dash line
  kXEfficiency,        // R of the X-values
};

enum class PartState {
  kWhole,
  kEndsBefore,  // the file ends before the part begins
  kEndsInside,  // the part begins but the file ends before its table is closed
  kShort,       // its table is closed after fewer rows than there are data
  kAbsent,      // the part is missing, yet a later part is there
};

struct PartCheck {
  ReportPart part;
  PartState state = PartState::kWhole;
  size_t rows = 0;  // the table's rows found (kEndsInside, kShort)
};

struct ReportLandmarks {
  bool empty = false;  // the file holds no line at all
  std::optional<int> nrOfData;
  // The report says no distribution was found: it has no further parts.
  bool noDistribution = false;
  // Every part the report should hold, in file order.
  std::vector<PartCheck> parts;

  // The first part that is not whole; nullptr for a whole report.
  const PartCheck* FirstDamage() const;
  // The part is expected and whole.
  bool Whole(ReportPart part) const;
};

// Finds each part after the one before it. Tables are known by the first
// characters of their headings and end at their dash line; a table that
// lists the data must hold a row per datum.
ReportLandmarks CheckReportLandmarks(const std::vector<std::string>& lines);

// What is missing in the words of the report, e.g. "the report ends before
// its table of return periods"; empty for a whole report.
std::string DamageText(const ReportLandmarks& landmarks);
// The same for one part.
std::string DamageText(const PartCheck& check, std::optional<int> nrOfData);

}  // namespace quarlin
