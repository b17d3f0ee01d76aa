#pragma once
// What "vrdtool stats" prints: a summary for a person, the whole result as JSON, or the table of
// days or hours as comma-separated values for a spreadsheet.

#include "analysis/analyse.h"
#include "analysis/open_files.h"

#include <ostream>
#include <string>
#include <vector>

namespace vrd {

void WriteStatsSummary(std::ostream& out, const std::vector<std::string>& files,
                       const AnalysisResult& result);

// One JSON object, keys in a fixed order; the tables are written row by row.
void WriteStatsJson(std::ostream& out, const std::vector<std::string>& files,
                    const AnalysisResult& result, const std::vector<FileFailure>& failures);

// RFC 4180: a header row, then one row per day (or hour), CRLF line ends, empty fields for nulls.
void WriteDaysCsv(std::ostream& out, const AnalysisResult& result);
void WriteHoursCsv(std::ostream& out, const AnalysisResult& result);

} // namespace vrd
