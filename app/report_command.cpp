#include "app/report_command.h"

#include "options/add_options.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/common/language.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QCoreApplication>

#include <iostream>
#include <ostream>

namespace {

const QString kReport = QStringLiteral("--report");
const QString kXlsx = QStringLiteral("--xlsx");

struct ReportArguments {
    vrd::AnalysisArguments analysis;
    std::string pdfPath;
    std::string xlsxPath;
    std::string language;
};

void AddReportOptions(CLI::App& app, ReportArguments& arguments) {
    app.add_option("FILE", arguments.analysis.files,
                   "the reports to analyse (given with --analysis: instead of its own)");
    app.add_option("--report", arguments.pdfPath, "write the analysis report as a PDF to OUT")
        ->type_name("OUT");
    app.add_option("--xlsx", arguments.xlsxPath,
                   "write the tables of days and hours, and with a standard the assessment, to "
                   "OUT (.xlsx, or .csv for two tables of comma-separated values)")
        ->type_name("OUT");
    app.add_option("--lang", arguments.language,
                   "the language of the report and of the workbook's labels: fr or en (default: "
                   "the system's)")
        ->type_name("LANG");
    vrd::AddAnalysisOptions(app, arguments.analysis);
}

// Qt's notes on the platform and the fonts ("This plugin does not support propagateSizeHints()")
// tell whoever runs a batch nothing; only what stops the program gets through.
void KeepQtNotesOff(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "vrdview: " << message.toLocal8Bit().toStdString() << '\n';
}

// The command's own messages, in the language of the system.
std::string Tr(const char* source) {
    return QCoreApplication::translate("ReportCommand", source).toLocal8Bit().toStdString();
}

} // namespace

bool IsReportCommand(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kReport || argument == kXlsx ||
            argument.startsWith(kReport + QLatin1Char('=')) ||
            argument.startsWith(kXlsx + QLatin1Char('=')))
            return true;
    }
    return false;
}

void PrepareReportCommand() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtNotesOff);
}

std::string ReportCommandOptionsHelp() {
    CLI::App app("vrdview");
    ReportArguments arguments;
    AddReportOptions(app, arguments);
    app.set_help_flag("-h,--help", "print this help and exit");
    app.set_version_flag("--version", "", "print the version and exit");
    return CLI::Formatter().make_groups(&app, CLI::AppFormatMode::Normal);
}

int RunReportCommand(const QStringList& arguments, std::ostream& err) {
    CLI::App app("vrdview");
    ReportArguments given;
    AddReportOptions(app, given);
    std::vector<std::string> words;
    for (qsizetype i = arguments.size() - 1; i >= 1; --i)
        words.push_back(arguments.at(i).toLocal8Bit().toStdString());
    try {
        app.parse(words);
    } catch (const CLI::ParseError& error) {
        err << "vrdview: " << error.what() << '\n';
        return 2;
    }
    const vrd::AnalysisRequestRead read = vrd::ReadAnalysisArguments(given.analysis);
    if (!read.request) {
        err << "vrdview: " << read.error << '\n';
        return 2;
    }
    const vrd::AnalysisRequest& request = *read.request;
    Language language = SystemLanguage();
    if (!given.language.empty() &&
        !LanguageFromCode(QString::fromLocal8Bit(given.language.data(),
                                                 static_cast<qsizetype>(given.language.size())),
                          language)) {
        err << "vrdview: "
            << QCoreApplication::translate("ReportCommand",
                                           "--lang: \"%1\" is not a language of the report: "
                                           "fr or en")
                   .arg(QString::fromLocal8Bit(given.language.data(),
                                               static_cast<qsizetype>(given.language.size())))
                   .toLocal8Bit()
                   .toStdString()
            << '\n';
        return 2;
    }

    int status = 0;
    std::vector<vrd::ReportForAnalysis> reports;
    for (const vrd::AnalysisInput& input : request.inputs) {
        vrd::ReportForAnalysis file = vrd::OpenReportForAnalysis(input);
        if (const auto& failure = file.failure) {
            err << "vrdview: " << input.path << ": " << failure->reason << '\n';
            status = 1;
        }
        // One report has one step: a file of another is named with both and left out.
        if (const std::optional<QString> refusal =
                AnalysisSession::StepRefusalAmong(reports, file)) {
            err << "vrdview: " << refusal->toLocal8Bit().toStdString() << '\n';
            status = 1;
            continue;
        }
        reports.push_back(std::move(file));
    }

    frmAnalysis window;
    window.SetReportLanguage(language);
    AnalysisSession& session = window.Session();
    session.SetReports(std::move(reports));
    if (session.Series().Empty()) {
        // A report of no minute would read as the report of a silent site: nothing is written.
        for (const vrd::ReportForAnalysis& report : session.Reports())
            if (!report.failure)
                err << "vrdview: " << report.path << ": "
                    << Tr(QT_TRANSLATE_NOOP("ReportCommand", "none of its 1-minute records has a "
                                                             "readable date, time and level"))
                    << '\n';
        for (const std::string* output : {&given.pdfPath, &given.xlsxPath})
            if (!output->empty())
                err << "vrdview: " << *output << ": "
                    << Tr(QT_TRANSLATE_NOOP("ReportCommand",
                                            "not written: no file gave a readable minute"))
                    << '\n';
        return 1;
    }
    session.SetAnalysis(request.settings, request.assessment, request.minimumCoverage);
    // Laid out at its designed size, off screen, so that the chart is drawn as the window
    // would show it.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QApplication::processEvents();

    const auto write = [&](const std::string& path, auto writer) {
        if (path.empty())
            return;
        QString reason;
        if (!(window.*writer)(
                QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())), reason)) {
            err << "vrdview: " << path << ": " << reason.toLocal8Bit().toStdString() << '\n';
            status = 1;
        }
    };
    write(given.pdfPath, &frmAnalysis::WritePdf);
    write(given.xlsxPath, &frmAnalysis::WriteTables);
    return status;
}
