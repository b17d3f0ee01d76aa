// vrdtool: the report tool's commands for scripts and batch use.

#include "tools/vrdtool/assess_command.h"
#include "tools/vrdtool/batch.h"
#include "tools/vrdtool/commands.h"
#include "tools/vrdtool/marks_command.h"
#include "tools/vrdtool/stats_command.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <new>
#include <sys/stat.h>

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Decodes the noise-measurement devices' .vrd reports and exports them.\n"
                 "A FILE whose name ends in .vrd (any case) is decoded; any other FILE, or any\n"
                 "FILE with --plain, is read as a plain report.",
                 "vrdtool"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(VRD_VERSION));
    app.footer("Commands:\n"
               "  vrdtool show FILE [--plain] [--json]\n"
               "  vrdtool txt FILE... [--plain] [-o OUT]\n"
               "  vrdtool csv FILE... [--plain] [-o OUT]\n"
               "  vrdtool stats FILE... [--from T] [--to T] [--exclude T/T]... [--threshold DB]\n"
               "                [--periods D,E,N] [--penalties PE,PN] [--preset NAME]\n"
               "                [--who SOURCE] [--distribution] [--json | --csv days|hours]\n"
               "  vrdtool assess FILE... --standard fr-neighbourhood|fr-icpe|bs4142 [--indoors]\n"
               "                [--from T] [--to T] [--exclude|--source|--residual T/T]...\n"
               "                [--marks-file FILE]... [--json]\n"
               "  vrdtool marks FILE... --above DB [--min-minutes N] [--join-minutes G]\n"
               "                [--kind source|residual|exclude] [--from T] [--to T]\n"
               "                [--exclude T/T]... [--marks-file FILE]...\n"
               "'vrdtool COMMAND --help' describes each command. Exit status: 0 done, 1 a file\n"
               "failed (vrdtool: FILE: reason on standard error), 2 usage error.");

    std::vector<std::string> files;
    bool plain = false;
    bool json = false;
    std::string output;

    CLI::App* show = app.add_subcommand("show", "Open FILE and summarise its report: site, serial, "
                                                "lines per list and the three maxima.");
    show->add_option("FILE", files, "the report to open")->required()->expected(1);
    show->add_flag("--plain", plain, "read FILE as a plain report");
    show->add_flag("--json", json,
                   "print the whole state after opening as one JSON object (every byte as the "
                   "character of the same value, in UTF-8)");

    const auto addExport = [&](const char* name, const char* description) {
        CLI::App* command = app.add_subcommand(name, description);
        command->add_option("FILE", files, "the reports to open")->required();
        command->add_flag("--plain", plain, "read every FILE as a plain report");
        command->add_option("-o,--output", output,
                            "where to write (default: standard output). A regular file appears "
                            "whole or not at all. With several FILEs, or when OUT is a folder, "
                            "each FILE goes to OUT/NAME.txt or OUT/NAME.csv and the others are "
                            "converted even if one fails");
        return command;
    };
    CLI::App* txt = addExport("txt", "Write the report as \"Save As\" > \"txt file\" would.");
    addExport("csv", "Write the semicolon-separated rows as \"Save As\" > \"csv "
                     "file\" would.");
    vrd::StatsArguments statsArguments;
    CLI::App* stats = vrd::AddStatsCommand(app, statsArguments);
    vrd::AssessArguments assessArguments;
    CLI::App* assess = vrd::AddAssessCommand(app, assessArguments);
    vrd::MarksArguments marksArguments;
    CLI::App* marks = vrd::AddMarksCommand(app, marksArguments);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        std::cerr << app.help();
        return 2;
    }

    std::ios::sync_with_stdio(false);
    if (stats->parsed() || assess->parsed() || marks->parsed()) {
        try {
            if (assess->parsed())
                return vrd::RunAssess(assessArguments, std::cout, std::cerr);
            if (marks->parsed())
                return vrd::RunMarks(marksArguments, std::cout, std::cerr);
            return vrd::RunStats(statsArguments, std::cout, std::cerr);
        } catch (const std::bad_alloc&) {
            std::cerr << "vrdtool: there is not enough memory for this analysis\n";
            return 1;
        }
    }
    const vrd::ExportFormat format =
        txt->parsed() ? vrd::ExportFormat::Text : vrd::ExportFormat::Csv;
    if (!show->parsed() && (files.size() > 1 || IsFolder(output)) && !IsFolder(output)) {
        std::cerr << "vrdtool: several FILEs need -o FOLDER, an existing folder\n" << app.help();
        return 2;
    }
    // A report too large for the memory left ends the command with a reason, not a crash.
    try {
        if (show->parsed())
            return vrd::RunShow({files.front(), plain}, json, std::cout, std::cerr);
        if (files.size() > 1 || IsFolder(output))
            return vrd::RunBatchExport(files, plain, format, output, std::cout, std::cerr);
        return vrd::RunExport({files.front(), plain}, format, output, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "vrdtool: there is not enough memory for this report\n";
        return 1;
    }
}
