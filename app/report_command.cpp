#include "app/report_command.h"

#include "options/add_options.h"
#include "views/analysis/frm_analysis.h"

#include <CLI/CLI.hpp>

#include <QApplication>

#include <ostream>

namespace {

const QString kReport = QStringLiteral("--report");
const QString kXlsx = QStringLiteral("--xlsx");

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

int RunReportCommand(const QStringList& arguments, std::ostream& err) {
    CLI::App app("vrdview");
    vrd::AnalysisArguments options;
    std::string pdfPath;
    std::string xlsxPath;
    app.add_option("FILE", options.files, "the reports to analyse")->required();
    vrd::AddAnalysisOptions(app, options);
    app.add_option("--report", pdfPath, "write the analysis report as a PDF to OUT");
    app.add_option("--xlsx", xlsxPath, "write the tables of days and hours to OUT (.xlsx)");
    std::vector<std::string> words;
    for (qsizetype i = arguments.size() - 1; i >= 1; --i)
        words.push_back(arguments.at(i).toLocal8Bit().toStdString());
    try {
        app.parse(words);
    } catch (const CLI::ParseError& error) {
        err << "vrdview: " << error.what() << '\n';
        return 2;
    }
    const vrd::AnalysisRequestRead read = vrd::ReadAnalysisArguments(options);
    if (!read.request) {
        err << "vrdview: " << read.error << '\n';
        return 2;
    }
    const vrd::AnalysisRequest& request = *read.request;

    int status = 0;
    std::vector<vrd::ReportForAnalysis> reports;
    for (const vrd::AnalysisInput& input : request.inputs) {
        reports.push_back(vrd::OpenReportForAnalysis(input));
        if (const auto& failure = reports.back().failure) {
            err << "vrdview: " << input.path << ": " << failure->reason << '\n';
            status = 1;
        }
    }

    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(std::move(reports));
    session.SetThreshold(request.settings.threshold);
    session.SetPeriods(request.settings.periods);
    session.SetAnalysedPeriod(request.settings.from, request.settings.to);
    session.SetExclusions(request.settings.exclusions);
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
    write(pdfPath, &frmAnalysis::WritePdf);
    write(xlsxPath, &frmAnalysis::WriteTables);
    return status;
}
