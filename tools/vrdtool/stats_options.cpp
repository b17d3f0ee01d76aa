#include "tools/vrdtool/stats_options.h"

namespace vrd {

StatsRequestRead ReadStatsArguments(const StatsArguments& arguments) {
    StatsRequestRead read;
    AnalysisRequestRead analysis = ReadAnalysisArguments(arguments);
    if (!analysis.request) {
        read.error = std::move(analysis.error);
        return read;
    }
    StatsRequest request;
    static_cast<AnalysisRequest&>(request) = std::move(*analysis.request);
    if (arguments.json && !arguments.csv.empty()) {
        read.error = "--json: cannot be given with --csv";
        return read;
    }
    if (arguments.distribution && !arguments.csv.empty()) {
        read.error = "--distribution: cannot be given with --csv";
        return read;
    }
    request.distribution = arguments.distribution;
    if (arguments.json)
        request.output = StatsOutput::Json;
    else if (arguments.csv == "days")
        request.output = StatsOutput::CsvDays;
    else if (arguments.csv == "hours")
        request.output = StatsOutput::CsvHours;
    else if (!arguments.csv.empty()) {
        read.error = "--csv: expects days or hours, not \"" + arguments.csv + "\"";
        return read;
    }
    read.request = std::move(request);
    return read;
}

} // namespace vrd
