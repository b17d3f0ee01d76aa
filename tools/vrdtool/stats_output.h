#pragma once
// What "vrdtool stats" prints: a summary for a person or the whole result as JSON (the tables as
// comma-separated values are in export/analysis_csv.h).

#include "analysis/analyse.h"
#include "analysis/level_distribution.h"
#include "analysis/open_files.h"

#include <ostream>
#include <string>
#include <vector>

namespace vrd {

// The distribution, when given, follows the table of days.
void WriteStatsSummary(std::ostream& out, const std::vector<std::string>& files,
                       const AnalysisResult& result,
                       const LevelDistributions* distribution = nullptr);

// One JSON object, keys in a fixed order; the tables are written row by row. The distribution,
// when given, is the member "distribution" before "errors".
void WriteStatsJson(std::ostream& out, const std::vector<std::string>& files,
                    const AnalysisResult& result, const std::vector<FileFailure>& failures,
                    const LevelDistributions* distribution = nullptr);

} // namespace vrd
