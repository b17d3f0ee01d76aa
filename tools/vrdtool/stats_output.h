#pragma once
// What "vrdtool stats" prints: a summary for a person or the whole result as JSON (the tables as
// comma-separated values are in export/analysis_csv.h).

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

} // namespace vrd
