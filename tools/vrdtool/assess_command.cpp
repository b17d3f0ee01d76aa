#include "tools/vrdtool/assess_command.h"

#include "analysis/assess.h"
#include "options/add_options.h"
#include "tools/vrdtool/assess_output.h"
#include "tools/vrdtool/command_status.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace vrd {

CLI::App* AddAssessCommand(CLI::App& app, AssessArguments& arguments) {
    CLI::App* assess = app.add_subcommand(
        "assess", "Assess a noise from the minutes marked source (heard) and residual (not "
                  "heard): the French emergence by day and night (fr-neighbourhood, fr-icpe) or "
                  "the background sound level of BS 4142 (bs4142).");
    assess->add_option("FILE", arguments.files,
                       "the reports to analyse (given with --analysis: instead of its own)");
    AddAnalysisOptions(*assess, arguments, kMinuteOptions | kSourceOptions | kAssessmentOptions);
    assess->add_flag("--json", arguments.json, "print the whole result as one JSON object");
    return assess;
}

int RunAssess(const AssessArguments& arguments, std::ostream& out, std::ostream& err) {
    const AssessRequestRead read = ReadAssessArguments(arguments);
    if (!read.request) {
        err << "vrdtool: " << read.error << '\n';
        return 2;
    }
    const AssessRequest& request = *read.request;
    const OpenedSeries opened = OpenSeries(request.inputs);
    const AssessmentResult result = Assess(opened.series, request.settings, request.standard);
    if (request.json) {
        WriteAssessmentJson(out, request.files, result, opened.failures);
        out << '\n';
    } else {
        WriteAssessmentSummary(out, request.files, result);
    }
    const int status = FinishAnalysisCommand(out, err, opened.failures);
    WarnOfMarksOutside(err, result.marksOutside);
    return status;
}

} // namespace vrd
