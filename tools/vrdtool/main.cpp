// vrdtool: the report tool's commands for scripts and batch use.

#include "tools/vrdtool/commands.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"Decodes the noise-measurement devices' .vrd reports and exports them.\n"
                 "A FILE whose name ends in .vrd (any case) is decoded; any other FILE, or any\n"
                 "FILE with --plain, is read as a plain report."};
    app.require_subcommand(1);

    vrd::ToolInput input;
    bool json = false;
    std::string output;

    CLI::App* show = app.add_subcommand("show", "Open FILE and summarise its report: site, serial, "
                                                "lines per list and the three maxima.");
    show->add_option("FILE", input.file, "the report to open")->required();
    show->add_flag("--plain", input.plain, "read FILE as a plain report");
    show->add_flag("--json", json,
                   "print the whole state after opening as one JSON object (every byte as the "
                   "character of the same value, in UTF-8)");

    const auto addExport = [&](const char* name, const char* description) {
        CLI::App* command = app.add_subcommand(name, description);
        command->add_option("FILE", input.file, "the report to open")->required();
        command->add_flag("--plain", input.plain, "read FILE as a plain report");
        command->add_option("-o,--output", output,
                            "where to write (default: standard output); a regular file appears "
                            "whole or not at all");
        return command;
    };
    CLI::App* txt = addExport("txt", "Write the report as \"Save As\" > \"txt file\" would.");
    CLI::App* csv = addExport("csv", "Write the semicolon-separated rows as \"Save As\" > \"csv "
                                     "file\" would.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        std::cerr << app.help();
        return 2;
    }

    std::ios::sync_with_stdio(false);
    if (show->parsed())
        return vrd::RunShow(input, json, std::cout, std::cerr);
    if (txt->parsed())
        return vrd::RunExport(input, vrd::ExportFormat::Text, output, std::cout, std::cerr);
    if (csv->parsed())
        return vrd::RunExport(input, vrd::ExportFormat::Csv, output, std::cout, std::cerr);
    return 2;
}
