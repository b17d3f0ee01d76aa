#include "views/analysis/window/report_actions.h"

#include "analysis/assess.h"
#include "client_report/analysis_report_pdf.h"
#include "client_report/workbook_labels.h"
#include "export/analysis_csv.h"
#include "export/analysis_workbook.h"
#include "export/safe_write.h"
#include "views/analysis/chart/report_chart.h"
#include "views/analysis/prompts/analysis_prompts.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/common/analysis_widgets.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <sstream>

ReportActions::ReportActions(const AnalysisSession& session, AnalysisChart& chart,
                             const AnalysisPrompts& prompts, std::function<Language()> language,
                             QWidget& window)
    : QObject(&window), session_(session), chart_(chart), prompts_(prompts),
      language_(std::move(language)), window_(window) {}

namespace {

bool NoReadableMinute(const AnalysisSession& session) {
    return session.Series().Empty();
}

QString NoMinuteReason() {
    return ReportActions::tr("not written: no file gave a readable minute");
}

} // namespace

bool ReportActions::RefusedForNoMinute() {
    if (!NoReadableMinute(session_))
        return false;
    QStringList files;
    for (const vrd::ReportForAnalysis& report : session_.Reports())
        files.append(report.failure
                         ? ReportFileText(report)
                         : ReportFileText(report) + QStringLiteral(": ") +
                               tr("none of its 1-minute records has a readable date, time and "
                                  "level"));
    prompts_.ShowWarning(
        files.isEmpty()
            ? tr("Nothing was written: no file is open, and a report needs a readable minute.")
            : tr("Nothing was written: no file gave a readable minute.\n\n%1")
                  .arg(files.join(QLatin1Char('\n'))));
    return true;
}

bool ReportActions::GoOnDespiteFailedFiles(const QString& goOn) {
    QStringList failed;
    for (const vrd::ReportForAnalysis& report : session_.Reports())
        if (report.failure)
            failed.append(ReportFileText(report));
    if (failed.isEmpty())
        return true;
    const QString question = tr("These files could not be read and are left out of the report:"
                                "\n\n%1\n\nGo on without them, or cancel and remove them on the "
                                "Files tab?")
                                 .arg(failed.join(QLatin1Char('\n')));
    return prompts_.Confirm(question, goOn, QStringLiteral("FailedFilesQuestion"));
}

bool ReportActions::WritePdf(const QString& path, QString& reason) {
    if (NoReadableMinute(session_)) {
        reason = NoMinuteReason();
        return false;
    }
    ChartForReport chart(chart_);
    return WriteAnalysisPdf(path, session_, chart, language_(), reason);
}

bool ReportActions::SaveReportAsPdf() {
    if (RefusedForNoMinute() || !GoOnDespiteFailedFiles(tr("Save without them")))
        return false;
    const std::optional<QString> path = prompts_.ChoosePath(
        {tr("Save report as PDF"), tr("PDF document (*.pdf)"),
         AnalysisPrompts::SuggestedName(session_, QStringLiteral(".pdf")), true});
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WritePdf(*path, reason))
        return true;
    prompts_.ShowNotWritten(*path, reason);
    return false;
}

bool ReportActions::Print() {
    if (RefusedForNoMinute() || !GoOnDespiteFailedFiles(tr("Print without them")))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        ChartForReport chart(chart_);
        PaintAnalysisReport(*target, session_, chart, language_());
    });
    return preview.exec() == QDialog::Accepted;
}

bool ReportActions::WriteTables(const QString& path, QString& reason) {
    if (NoReadableMinute(session_)) {
        reason = NoMinuteReason();
        return false;
    }
    const std::string target = LocalPath(path);
    std::optional<std::string> failure;
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        // The days in the file chosen, the hours beside it.
        const QString hoursPath = path.left(path.size() - 4) + QStringLiteral(" hours.csv");
        std::ostringstream daysCsv;
        std::ostringstream hoursCsv;
        vrd::WriteDaysCsv(daysCsv, session_.Result());
        vrd::WriteHoursCsv(hoursCsv, session_.Result());
        failure = vrd::WriteFileSafely(target, daysCsv.str());
        if (!failure)
            failure = vrd::WriteFileSafely(LocalPath(hoursPath), hoursCsv.str());
        if (failure)
            reason = QString::fromStdString(*failure);
        return !failure;
    }
    // With a standard, the workbook holds the assessment of the marks as well.
    std::optional<vrd::AssessmentResult> assessment;
    if (session_.Assessment())
        assessment = vrd::Assess(session_.Series(), session_.Settings(), *session_.Assessment());
    failure = vrd::WriteAnalysisWorkbook(target, session_.Result(), WorkbookLabelsIn(language_()),
                                         assessment ? &*assessment : nullptr);
    if (failure)
        reason = QString::fromStdString(*failure);
    return !failure;
}

bool ReportActions::SaveTables() {
    if (RefusedForNoMinute())
        return false;
    const std::optional<QString> path = prompts_.ChoosePath(
        {tr("Save tables as spreadsheet"),
         tr("Excel workbook (*.xlsx);;Comma-separated values (*.csv)"),
         AnalysisPrompts::SuggestedName(session_, QStringLiteral(".xlsx")), true});
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WriteTables(*path, reason))
        return true;
    prompts_.ShowNotWritten(*path, reason);
    return false;
}
