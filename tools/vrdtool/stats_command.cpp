#include "tools/vrdtool/stats_command.h"

#include "analysis/analyse.h"
#include "analysis/level_distribution.h"
#include "analysis/marks_outside.h"
#include "export/analysis_csv.h"
#include "options/add_options.h"
#include "tools/vrdtool/command_status.h"
#include "tools/vrdtool/stats_output.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>

namespace vrd {

CLI::App* AddStatsCommand(CLI::App& app, StatsArguments& arguments) {
    CLI::App* stats = app.add_subcommand(
        "stats", "Analyse the 1-minute levels of one or more reports of a site, merged by time: "
                 "Leq, Lmax, Lmin, L1..L99, Lday, Levening, Lnight, Lden, days, hours and "
                 "minutes above a threshold.");
    stats->add_option("FILE", arguments.files,
                      "the reports to analyse (given with --analysis: instead of its own)");
    AddAnalysisOptions(*stats, arguments, kMinuteOptions | kSourceOptions | kLevelOptions);
    stats->add_flag("--json", arguments.json, "print the whole result as one JSON object");
    stats->add_option("--csv", arguments.csv,
                      "print the table of days or hours as comma-separated values");
    stats->add_flag("--distribution", arguments.distribution,
                    "print as well the distribution of the minute levels: the minutes at each "
                    "level and the share above it, of all, source and residual minutes");
    return stats;
}

int RunStats(const StatsArguments& arguments, std::ostream& out, std::ostream& err) {
    const StatsRequestRead read = ReadStatsArguments(arguments);
    if (!read.request) {
        err << "vrdtool: " << read.error << '\n';
        return 2;
    }
    const StatsRequest& request = *read.request;
    const OpenedSeries opened = OpenSeries(request.inputs);
    const AnalysisResult result = Analyse(opened.series, request.settings);
    std::optional<LevelDistributions> distribution;
    if (request.distribution)
        distribution = DistributeLevels(opened.series, request.settings);
    const LevelDistributions* shown = distribution ? &*distribution : nullptr;
    switch (request.output) {
    case StatsOutput::Summary:
        WriteStatsSummary(out, request.files, result, shown);
        break;
    case StatsOutput::Json:
        WriteStatsJson(out, request.files, result, opened.failures, shown);
        out << '\n';
        break;
    case StatsOutput::CsvDays:
        WriteDaysCsv(out, result);
        break;
    case StatsOutput::CsvHours:
        WriteHoursCsv(out, result);
        break;
    }
    const int status = FinishAnalysisCommand(out, err, opened.failures);
    WarnOfMarksOutside(err, MarksOutside(opened.series, request.settings));
    return status;
}

} // namespace vrd
