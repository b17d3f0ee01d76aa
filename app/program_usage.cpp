#include "app/program_usage.h"

#include "app/report_command.h"

#include <ostream>

namespace {

constexpr const char* kUsage =
    "Usage: vrdview [FILE]\n"
    "       vrdview --report OUT.pdf [--xlsx OUT.xlsx] FILE... [options]\n"
    "       vrdview --report OUT.pdf --analysis A.vrda [FILE...] [options]\n"
    "       vrdview --xlsx OUT.xlsx FILE... [options]\n"
    "\n"
    "Decodes the noise-measurement devices' .vrd reports and shows them by averaging interval.\n"
    "FILE is opened in the window once the start screen has gone: a name ending in .vrd (any\n"
    "case) is decoded, one ending in .vrda is an analysis file opened in the analysis window,\n"
    "any other file is read as a plain report.\n"
    "\n"
    "With --report or --xlsx, the analysis of the FILEs (one log, merged by time) is written\n"
    "without a window, as the analysis window's \"Save report as PDF\" and \"Save tables as\n"
    "spreadsheet\" write it, with the options of \"vrdtool stats\" and, for the section\n"
    "\"Assessment\" and the sheet of the same name, those of \"vrdtool assess\" (--standard,\n"
    "--indoors, --source, --residual); with --analysis, of the reports, settings and marks of an\n"
    "analysis file, the options given beside it winning.\n";

constexpr const char* kExitStatus =
    "\n"
    "Exit status of --report and --xlsx: 0 done; 1 when a file failed (\"vrdview: FILE: reason\"\n"
    "on standard error; what could be read is still written) or an output could not be written,\n"
    "and when no file gave a readable minute (nothing is written then); 2 for a mistake in the\n"
    "options.\n";

} // namespace

std::optional<int> AnswerHelpOrVersion(const QStringList& arguments, std::ostream& out) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("--version")) {
            out << "vrdview " << VRD_VERSION << '\n';
            return 0;
        }
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            out << kUsage << ReportCommandOptionsHelp() << kExitStatus;
            return 0;
        }
    }
    return std::nullopt;
}
