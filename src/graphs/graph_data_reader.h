#pragma once
// Reading a finished report back for one graph. The report is found by the
// first characters of its lines, as the report writer lays it out: titles on
// lines 4 and 5, the number of data on line 7, the separation point on line
// 10 or 11, then the graph type's table between its landmark line and the
// dashes that close it.

#include <filesystem>
#include <string>
#include <vector>

#include "engine/report/report_landmarks.h"
#include "graphs/graph_data.h"
#include "graphs/graph_type.h"

namespace quarlin {

// The parts of a report that graph `type` is drawn from.
std::vector<ReportPart> ReportPartsFor(GraphType type);
// What the report lacks of those parts, in the report's words; empty when
// they are whole.
std::string GraphDamageText(const ReportLandmarks& landmarks, GraphType type);

// The message for a report that cannot be read at all.
std::string ReportNotOpenedMessage(const std::string& name);

// Reads the table of `type` from the report's `lines` (the name is for the
// messages only), given the parameter file already read. A report that ends
// early, lacks its landmark or closing line, or holds no number where one is
// due gives an error naming the report and what is missing (GraphDamageText
// where the report's landmarks tell).
GraphDataReading ReadGraphDataLines(const std::vector<std::string>& reportLines,
                                    const std::string& reportName,
                                    const ParameterFileContents& parameters, GraphType type);

// The same from the two files' whole texts, with LF or CR LF line ends.
GraphDataReading ReadGraphDataText(const std::string& reportText, const std::string& reportName,
                                   const std::string& parameterText,
                                   const std::string& parameterName, GraphType type);

// The same from disk: `path` names any file of the report's set; the
// parameter file and the report are the files of its name with the
// extensions ".aux" and ".out".
GraphDataReading ReadGraphData(const std::filesystem::path& path, GraphType type);

}  // namespace quarlin
