#include "views/analysis/window/frm_analysis.h"

#include "analysis/assess.h"
#include "analysis/exclusion_file.h"
#include "analysis/open_files.h"
#include "client_report/analysis_report_pdf.h"
#include "client_report/workbook_labels.h"
#include "export/analysis_csv.h"
#include "export/analysis_workbook.h"
#include "export/safe_write.h"
#include "report/read_file.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/chart/report_chart.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/common/analysis_widgets.h"
#include "views/common/warning_box.h"
#include "views/texts/analysis_text.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <sstream>

// The analysis window's commands that read or write a file: each asks for its file, and shows
// any failure with the file and the reason.

// The program and the tests hand the window its chooser; without one nothing is chosen.
std::optional<QString> frmAnalysis::ChoosePath(const PathRequest& request) {
    if (!choosePath_)
        return std::nullopt;
    return choosePath_(this, request);
}

bool frmAnalysis::GoOnDespiteFailedFiles(const QString& goOn) {
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
    if (confirm_)
        return confirm_(this, question, goOn);
    QMessageBox box(QMessageBox::Warning, windowTitle(), question, QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("FailedFilesQuestion"));
    const QAbstractButton* go = box.addButton(goOn, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == go;
}

QString frmAnalysis::SuggestedName(const QString& suffix) const {
    if (session_.Reports().empty())
        return tr("analysis") + suffix;
    const std::string& path = session_.Reports().front().path;
    return QFileInfo(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())))
               .completeBaseName() +
           QLatin1Char(' ') + tr("analysis") + suffix;
}

bool frmAnalysis::AddFile() {
    const std::optional<QString> path =
        ChoosePath({tr("Add file"), tr("Reports (*.vrd *.txt);;All files (*)"), QString(), false});
    if (!path || path->isEmpty())
        return false;
    vrd::ReportForAnalysis report = vrd::OpenReportForAnalysis({LocalPath(*path), false});
    const bool failed = report.failure.has_value();
    const QString reason = failed ? QString::fromStdString(report.failure->reason) : QString();
    session_.AddReport(std::move(report));
    if (failed)
        ShowFailure(*path, reason);
    return !failed;
}

bool frmAnalysis::WritePdf(const QString& path, QString& reason) {
    ChartForReport chart(*chart_);
    return WriteAnalysisPdf(path, session_, chart, ReportLanguage(), reason);
}

bool frmAnalysis::SaveReportAsPdf() {
    if (!GoOnDespiteFailedFiles(tr("Save without them")))
        return false;
    const std::optional<QString> path =
        ChoosePath({tr("Save report as PDF"), tr("PDF document (*.pdf)"),
                    SuggestedName(QStringLiteral(".pdf")), true});
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WritePdf(*path, reason))
        return true;
    ShowNotWritten(*path, reason);
    return false;
}

bool frmAnalysis::Print() {
    if (!GoOnDespiteFailedFiles(tr("Print without them")))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        ChartForReport chart(*chart_);
        PaintAnalysisReport(*target, session_, chart, ReportLanguage());
    });
    return preview.exec() == QDialog::Accepted;
}

bool frmAnalysis::WriteTables(const QString& path, QString& reason) {
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
    failure =
        vrd::WriteAnalysisWorkbook(target, session_.Result(), WorkbookLabelsIn(ReportLanguage()),
                                   assessment ? &*assessment : nullptr);
    if (failure)
        reason = QString::fromStdString(*failure);
    return !failure;
}

bool frmAnalysis::SaveTables() {
    const std::optional<QString> path =
        ChoosePath({tr("Save tables as spreadsheet"),
                    tr("Excel workbook (*.xlsx);;Comma-separated values (*.csv)"),
                    SuggestedName(QStringLiteral(".xlsx")), true});
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WriteTables(*path, reason))
        return true;
    ShowNotWritten(*path, reason);
    return false;
}

bool frmAnalysis::SaveExclusions() {
    const std::optional<QString> path =
        ChoosePath({tr("Save marks"), tr("Marks (*.txt);;All files (*)"),
                    SuggestedName(QLatin1Char(' ') + tr("marks") + QStringLiteral(".txt")), true});
    if (!path || path->isEmpty())
        return false;
    const std::optional<std::string> failure =
        vrd::WriteFileSafely(LocalPath(*path), vrd::FormatMarksFile(session_.AllMarks()));
    if (!failure)
        return true;
    ShowNotWritten(*path, QString::fromStdString(*failure));
    return false;
}

bool frmAnalysis::LoadExclusions() {
    const std::optional<QString> path =
        ChoosePath({tr("Load marks"), tr("Marks (*.txt);;All files (*)"), QString(), false});
    if (!path || path->isEmpty())
        return false;
    const vrd::FileRead read = vrd::ReadWholeFile(LocalPath(*path));
    if (read.failure) {
        ShowFailure(*path, QString::fromStdString(read.failure->reason));
        return false;
    }
    vrd::MarksFileRead parsed = vrd::ParseMarksFile(read.bytes);
    if (parsed.error) {
        ShowFailure(*path, QString::fromStdString(*parsed.error));
        return false;
    }
    const std::optional<QString> refused = session_.SetMarks(std::move(parsed.marks));
    if (refused)
        ShowFailure(*path, *refused);
    return !refused;
}

void frmAnalysis::ShowFailure(const QString& path, const QString& reason) {
    ShowWarning(tr("\"%1\": %2.").arg(path, reason));
}

// The main window's "could not be written" is the devices' English; this one is the window's.
void frmAnalysis::ShowNotWritten(const QString& path, const QString& reason) {
    ShowWarning(
        tr("\"%1\" could not be written: %2. Nothing was changed on disk.").arg(path, reason));
}

void frmAnalysis::ShowWarning(const QString& text) {
    ::ShowWarning(this, windowTitle(), text);
}
