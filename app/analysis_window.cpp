#include "app/analysis_window.h"

#include "analysis/open_files.h"
#include "app/file_dialogs.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/frm_analysis.h"

#include <QRegularExpression>

void ShowReportInAnalysis(frmAnalysis& window, const vrd::OpenedReport& opened) {
    const vrd::Declaration& state = opened.state;
    // The same report again (the window chosen once more, an open cancelled or failed before it
    // read anything) keeps the exclusions and the selection the user made.
    const std::vector<vrd::ReportForAnalysis>& shown = window.Session().Reports();
    if (shown.size() == 1 && shown.front().path == state.OpenedFileName &&
        shown.front().minuteLines == state.MinuteLines)
        return;
    if (!window.AnalysisFile().MaySetAside())
        return;
    vrd::ReportForAnalysis report;
    report.path = state.OpenedFileName;
    report.minuteLines = state.MinuteLines;
    report.site = vrd::AnalysisLabel(opened.window.Label(vrd::LabelId::Name));
    report.serial = vrd::AnalysisLabel(opened.window.Label(vrd::LabelId::Serial));
    std::vector<vrd::ReportForAnalysis> reports;
    reports.push_back(std::move(report));
    AnalysisSession& session = window.Session();
    session.SetReports(std::move(reports));
    // The source and residual marks belong to the minutes of the reports before, as the
    // exclusions do.
    if (!session.Settings().marks.empty()) {
        vrd::AnalysisSettings settings = session.Settings();
        settings.marks.clear();
        session.SetAnalysis(settings, session.Assessment(), session.MinimumCoverage());
    }
    window.AnalysisFile().StartAfresh();
}

namespace {

// The patterns of a filter as Qt writes it: "*.xlsx" of "Excel workbook (*.xlsx)", "*" without.
QString PatternsOf(const QString& filter) {
    const QRegularExpressionMatch patterns =
        QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).match(filter);
    return patterns.hasMatch() ? patterns.captured(1) : QStringLiteral("*");
}

// ".xlsx" of "*.xlsx"; empty for a pattern that names no suffix ("*").
QString SuffixOf(const QString& pattern) {
    return pattern.startsWith(QStringLiteral("*.")) && pattern.count(QLatin1Char('*')) == 1
               ? pattern.mid(1)
               : QString();
}

// path as the user typed it when its name ends in a suffix of one of the types offered (each an
// entry of patterns: "*.xlsx", "*.vrd *.txt"), else with the suffix of the type chosen.
QString PathWithTypeSuffix(const QString& path, const QStringList& patterns, int chosen) {
    const QString name = path.section(QLatin1Char('/'), -1);
    for (const QString& ofType : patterns)
        for (const QString& pattern : ofType.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString suffix = SuffixOf(pattern);
            if (!suffix.isEmpty() && name.size() > suffix.size() &&
                name.endsWith(suffix, Qt::CaseInsensitive))
                return path;
        }
    const QString first = patterns.value(chosen).section(QLatin1Char(' '), 0, 0);
    return path + SuffixOf(first);
}

} // namespace

void UseFileDialogs(frmAnalysis& window, FileDialogs& dialogs) {
    window.SetPathChooser([&dialogs](QWidget*, const frmAnalysis::PathRequest& request) {
        // Every type the request offers, as "description|pattern" pairs.
        QStringList filters;
        QStringList patterns;
        for (const QString& filter : request.filter.split(QStringLiteral(";;"))) {
            patterns.append(PatternsOf(filter));
            filters.append(filter + QLatin1Char('|') + patterns.constLast());
        }
        if (!request.save)
            return dialogs.ChooseOpenPathAmong(filters, request.caption);
        const std::optional<FileDialogs::ChosenPath> chosen =
            dialogs.ChooseSavePathAmong(request.suggestedName, filters, request.caption);
        if (!chosen)
            return std::optional<QString>();
        return std::optional<QString>(PathWithTypeSuffix(chosen->path, patterns, chosen->filter));
    });
}
