#include "app/analysis_window.h"

#include "analysis/open_files.h"
#include "app/file_dialogs.h"
#include "views/analysis/frm_analysis.h"

#include <QRegularExpression>

void ShowReportInAnalysis(frmAnalysis& window, const vrd::OpenedReport& opened) {
    const vrd::Declaration& state = opened.state;
    // The same report again (the window chosen once more, an open cancelled or failed before it
    // read anything) keeps the exclusions and the selection the user made.
    const std::vector<vrd::ReportForAnalysis>& shown = window.Session().Reports();
    if (shown.size() == 1 && shown.front().path == state.OpenedFileName &&
        shown.front().minuteLines == state.MinuteLines)
        return;
    vrd::ReportForAnalysis report;
    report.path = state.OpenedFileName;
    report.minuteLines = state.MinuteLines;
    report.site = vrd::AnalysisLabel(opened.window.Label(vrd::LabelId::Name));
    report.serial = vrd::AnalysisLabel(opened.window.Label(vrd::LabelId::Serial));
    std::vector<vrd::ReportForAnalysis> reports;
    reports.push_back(std::move(report));
    window.Session().SetReports(std::move(reports));
}

void UseFileDialogs(frmAnalysis& window, FileDialogs& dialogs) {
    window.SetPathChooser([&dialogs](QWidget*, const frmAnalysis::PathRequest& request) {
        // The dialogs take one "description|pattern" pair: the first filter of the request.
        const QString first = request.filter.section(QStringLiteral(";;"), 0, 0);
        const QRegularExpressionMatch patterns =
            QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).match(first);
        const QString filter = first + QLatin1Char('|') +
                               (patterns.hasMatch() ? patterns.captured(1) : QStringLiteral("*"));
        return request.save ? dialogs.ChooseSavePath(request.suggestedName, filter)
                            : dialogs.ChooseOpenPath(filter);
    });
}
