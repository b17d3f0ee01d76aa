#include "tools/vrdtool/marks_command.h"

#include "analysis/analyse.h"
#include "analysis/exclusion_file.h"
#include "options/add_options.h"
#include "tools/vrdtool/command_status.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace vrd {

CLI::App* AddMarksCommand(CLI::App& app, MarksArguments& arguments) {
    CLI::App* marks = app.add_subcommand(
        "marks", "Print the runs of samples above a level as a marks file, one \"[KIND ]FROM/TO "
                 "above DB dB\" line a mark in time order: without --min-minutes and "
                 "--join-minutes, the events that stats --threshold counts.");
    marks->add_option("FILE", arguments.files,
                      "the reports to analyse (given with --analysis: instead of its own)");
    marks
        ->add_option("--above", arguments.above,
                     "mark the runs of samples whose level is above DB (may have a fraction); "
                     "a gap, a missing or an excluded minute ends a run")
        ->type_name("DB");
    marks
        ->add_option("--min-minutes", arguments.minMinutes,
                     "drop the marks shorter than N minutes, the joined minutes included "
                     "(default 1)")
        ->type_name("N");
    marks
        ->add_option("--join-minutes", arguments.joinMinutes,
                     "join two runs into one mark when at most G minutes lie between them "
                     "(default 0: never)")
        ->type_name("G");
    marks
        ->add_option("--kind", arguments.kind,
                     "mark the runs as source (the default), residual or exclude")
        ->type_name("KIND");
    AddAnalysisOptions(*marks, arguments, kMinuteOptions);
    return marks;
}

int RunMarks(const MarksArguments& arguments, std::ostream& out, std::ostream& err) {
    const MarksRequestRead read = ReadMarksArguments(arguments);
    if (!read.request) {
        err << "vrdtool: " << read.error << '\n';
        return 2;
    }
    const MarksRequest& request = *read.request;
    const OpenedSeries opened = OpenSeries(request.inputs);
    // The selection and exclusions as the analysis takes them, so that the runs are its events.
    if (const std::optional<TimeSpan> selection = SelectionOf(opened.series, request.settings))
        out << FormatMarksFile(MarksOfRuns(opened.series, *selection,
                                           MergeExclusions(request.settings.exclusions),
                                           request.marking, RunsReason(request.marking.threshold)));
    return FinishAnalysisCommand(out, err, opened.failures);
}

} // namespace vrd
