#pragma once
// The options of "vrdtool stats" as typed, and their reading into the settings of an analysis.
// Every mistake is named with the option and what it expects.

#include "analysis/analysis_settings.h"
#include "analysis/open_files.h"

#include <optional>
#include <string>
#include <vector>

namespace vrd {

enum class StatsOutput { Summary, Json, CsvDays, CsvHours };

struct StatsArguments {
    std::vector<std::string> files;
    bool plain = false;
    std::string from;
    std::string to;
    std::vector<std::string> excludes;     // FROM/TO each
    std::vector<std::string> excludeFiles; // files of "FROM/TO reason" lines
    std::string threshold;
    std::string periods;   // "D,E,N"
    std::string penalties; // "PE,PN"
    bool json = false;
    std::string csv; // "days" or "hours"
};

struct StatsRequest {
    std::vector<AnalysisInput> inputs;
    std::vector<std::string> files; // as given
    AnalysisSettings settings;
    StatsOutput output = StatsOutput::Summary;
};

struct StatsRequestRead {
    std::optional<StatsRequest> request;
    std::string error; // "--from: ..." when request is empty
};

// Reads the arguments, and the exclusion files they name.
StatsRequestRead ReadStatsArguments(const StatsArguments& arguments);

} // namespace vrd
