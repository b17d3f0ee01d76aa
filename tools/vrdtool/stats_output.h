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

// At the devices' 60-s step every count is of minutes, as it always was; at another step the
// times are in seconds, with a line naming the step.

// The distribution, when given, follows the table of days.
void WriteStatsSummary(std::ostream& out, const std::vector<std::string>& files,
                       const AnalysisResult& result,
                       const LevelDistributions* distribution = nullptr);

// One JSON object, keys in a fixed order; the tables are written row by row. The distribution,
// when given, is the member "distribution" before "errors". At a step other than 60 s, "step"
// (seconds) follows "threshold", "seconds" stands for "minutes" with "samples" in it, each hour
// has "seconds" for "minutes", and the exceedance counts seconds.
void WriteStatsJson(std::ostream& out, const std::vector<std::string>& files,
                    const AnalysisResult& result, const std::vector<FileFailure>& failures,
                    const LevelDistributions* distribution = nullptr);

} // namespace vrd
