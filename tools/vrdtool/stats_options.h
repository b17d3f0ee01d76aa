#pragma once
// The options of "vrdtool stats": those of every analysis, and how the result is printed.

#include "options/analysis_options.h"

#include <optional>
#include <string>

namespace vrd {

enum class StatsOutput { Summary, Json, CsvDays, CsvHours };

struct StatsArguments : AnalysisArguments {
    bool json = false;
    std::string csv; // "days" or "hours"
    bool distribution = false;
};

struct StatsRequest : AnalysisRequest {
    StatsOutput output = StatsOutput::Summary;
    bool distribution = false; // with the summary or the JSON
};

struct StatsRequestRead {
    std::optional<StatsRequest> request;
    std::string error; // "--from: ..." when request is empty
};

// Reads the arguments, and the exclusion files they name.
StatsRequestRead ReadStatsArguments(const StatsArguments& arguments);

} // namespace vrd
