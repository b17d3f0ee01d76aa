#include "tools/vrdtool/stats_command.h"

#include "analysis/analyse.h"
#include "export/analysis_csv.h"
#include "tools/vrdtool/stats_output.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace vrd {

CLI::App* AddStatsCommand(CLI::App& app, StatsArguments& arguments) {
    CLI::App* stats = app.add_subcommand(
        "stats", "Analyse the 1-minute levels of one or more reports of a site, merged by time: "
                 "Leq, Lmax, Lmin, L1..L99, Lday, Levening, Lnight, Lden, days, hours and "
                 "minutes above a threshold.");
    stats->add_option("FILE", arguments.files, "the reports to analyse")->required();
    stats->add_flag("--plain", arguments.plain, "read every FILE as a plain report");
    stats->add_option("--from", arguments.from,
                      "first minute, yyyy-mm-ddThh:mm (default: the first record's)");
    stats->add_option("--to", arguments.to,
                      "end minute, not included (default: one past the last record's)");
    stats->add_option("--exclude", arguments.excludes,
                      "leave the minutes FROM/TO out of every figure (FROM included, TO not); "
                      "may be repeated");
    stats->add_option("--exclude-file", arguments.excludeFiles,
                      "leave out the intervals of FILE: one \"FROM/TO reason\" a line");
    stats->add_option("--threshold", arguments.threshold,
                      "count the minutes and events above DB (may have a fraction)");
    stats->add_option("--periods", arguments.periods,
                      "the hours D,E,N that start the day, evening and night (default 7,19,23)");
    stats->add_option("--penalties", arguments.penalties,
                      "the evening and night penalties PE,PN in dB for Lden (default 5,10)");
    stats->add_flag("--json", arguments.json, "print the whole result as one JSON object");
    stats->add_option("--csv", arguments.csv,
                      "print the table of days or hours as comma-separated values");
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
    switch (request.output) {
    case StatsOutput::Summary:
        WriteStatsSummary(out, request.files, result);
        break;
    case StatsOutput::Json:
        WriteStatsJson(out, request.files, result, opened.failures);
        out << '\n';
        break;
    case StatsOutput::CsvDays:
        WriteDaysCsv(out, result);
        break;
    case StatsOutput::CsvHours:
        WriteHoursCsv(out, result);
        break;
    }
    out.flush();
    int status = 0;
    if (!out) {
        err << "vrdtool: standard output: cannot write\n";
        status = 1;
    }
    for (const FileFailure& failure : opened.failures) {
        err << "vrdtool: " << failure.file << ": " << failure.reason << '\n';
        status = 1;
    }
    return status;
}

} // namespace vrd
