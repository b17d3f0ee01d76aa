#include "views/analysis/window/file_actions.h"

#include "export/safe_write.h"
#include "report/read_file.h"
#include "views/analysis/prompts/analysis_prompts.h"
#include "views/analysis/session/analysis_document.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/background_read.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/core_reason_text.h"
#include "views/texts/csv_refusal_text.h"

#include <QFile>
#include <QFileInfo>
#include <QListView>

#include <limits>

namespace {

QString AnalysisFilter() {
    return FileActions::tr("Analysis (*.vrda);;All files (*)");
}

// How much of an export the columns dialog looks at: its header and many rows for the step.
constexpr qint64 kDetectionBytes = qint64{1} << 20;

QString ReadingLabel(const QString& path) {
    return FileActions::tr("Reading \"%1\"…").arg(QFileInfo(path).fileName());
}

QString ReasonOf(const vrd::ReportForAnalysis& file) {
    if (file.csvRefusal)
        return CsvRefusalText(*file.csvRefusal, WindowLanguage());
    return file.failure ? FailureText(*file.failure, WindowLanguage()) : QString();
}

} // namespace

FileActions::FileActions(EditedAnalysis& analysis, const AnalysisPrompts& prompts, QWidget& window)
    : QObject(&window), analysis_(analysis), prompts_(prompts) {
    analysisFile_ = new AnalysisFileState(window, analysis_.Session(), [this] { return Save(); });
}

bool FileActions::AddFile() {
    const std::optional<QString> path = prompts_.ChoosePath(
        {tr("Add file"), tr("Reports and level exports (*.vrd *.txt *.csv);;All files (*)"),
         QString(), false});
    if (!path || path->isEmpty())
        return false;
    std::optional<vrd::ReportForAnalysis> file = ReadFile(*path);
    if (!file)
        return false;
    // A device's report that failed stays in the list with its failure, as before.
    if (file->csvLevels) {
        if (const std::optional<QString> refusal = analysis_.Session().StepRefusal(*file)) {
            prompts_.ShowWarning(*refusal);
            return false;
        }
    }
    const bool failed = file->failure.has_value();
    const QString reason = ReasonOf(*file);
    analysis_.AddReport(std::move(*file));
    if (failed)
        prompts_.ShowFailure(*path, reason);
    return !failed;
}

bool FileActions::OpenCsvExport(const QString& path) {
    if (!analysisFile_->MaySetAside())
        return false;
    std::optional<vrd::ReportForAnalysis> file = ReadFile(path);
    if (!file)
        return false;
    std::vector<vrd::ReportForAnalysis> files;
    files.push_back(std::move(*file));
    AnalysisSession& session = analysis_.Session();
    session.SetReports(std::move(files));
    // The source and residual marks belong to the samples before, as the exclusions do.
    if (!session.Settings().marks.empty()) {
        vrd::AnalysisSettings settings = session.Settings();
        settings.marks.clear();
        session.SetAnalysis(settings, session.Assessment(), session.MinimumCoverage());
    }
    analysisFile_->StartAfresh();
    return true;
}

std::optional<vrd::ReportForAnalysis> FileActions::ReadFile(const QString& path) {
    vrd::AnalysisInput input(LocalPath(path), false);
    if (vrd::IsCsvLevelsInput(input)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            prompts_.ShowFailure(path, file.errorString());
            return std::nullopt;
        }
        AnalysisPrompts::ColumnsRequest request;
        const QByteArray first = file.read(kDetectionBytes);
        request.path = path;
        request.firstBytes = first.toStdString();
        request.whole = file.atEnd();
        const std::optional<vrd::CsvReadOptions> columns = prompts_.ChooseColumns(request);
        if (!columns)
            return std::nullopt;
        input.csv = *columns;
    }
    vrd::ReportForAnalysis read;
    ReadInBackground(prompts_.Window(), ReadingLabel(path), [&](const vrd::Progress& progress) {
        read = vrd::OpenReportForAnalysis(input, progress);
    });
    if (!read.csvLevels)
        return read;
    if (read.failure && read.failure->stage == vrd::Stage::Cancelled)
        return std::nullopt;
    // A refused export adds nothing.
    if (read.failure) {
        prompts_.ShowFailure(path, ReasonOf(read));
        return std::nullopt;
    }
    return read;
}

bool FileActions::RemoveFile() {
    if (files_ == nullptr)
        return false;
    const QModelIndex current = files_->currentIndex();
    if (!current.isValid())
        return false;
    analysis_.RemoveReport(static_cast<std::size_t>(current.row()));
    return true;
}

bool FileActions::OpenAnalysis() {
    const std::optional<QString> path =
        prompts_.ChoosePath({tr("Open analysis"), AnalysisFilter(), QString(), false});
    if (!path || path->isEmpty())
        return false;
    return OpenAnalysisFile(*path);
}

// The file is read before anything is asked: one that cannot be used leaves the analysis shown
// as it is, changes and all.
bool FileActions::OpenAnalysisFile(const QString& path) {
    std::optional<vrd::AnalysisDocument> document = ReadDocument(path);
    if (!document || !analysisFile_->MaySetAside())
        return false;
    OpenDocument(path, *document);
    analysisFile_->Opened(path, std::move(*document));
    return true;
}

bool FileActions::Restore(const QString& copy, const QString& analysis) {
    std::optional<vrd::AnalysisDocument> document = ReadDocument(copy);
    if (!document || !analysisFile_->MaySetAside())
        return false;
    OpenDocument(analysis.isEmpty() ? copy : analysis, *document);
    analysisFile_->Restored(analysis, std::move(*document));
    return true;
}

std::optional<vrd::AnalysisDocument> FileActions::ReadDocument(const QString& path) const {
    const std::string local = LocalPath(path);
    const vrd::FileRead file = vrd::ReadWholeFile(local);
    if (file.failure) {
        prompts_.ShowFailure(path, FailureText(*file.failure, WindowLanguage()));
        return std::nullopt;
    }
    vrd::AnalysisFileRead read = vrd::ParseAnalysisFile(file.bytes, local);
    if (!read.document) {
        prompts_.ShowFailure(path, read.problem
                                       ? AnalysisFileProblemText(*read.problem, WindowLanguage())
                                       : QString::fromStdString(read.error));
        return std::nullopt;
    }
    return std::move(read.document);
}

// The reports that cannot be opened stay in the list with their failure, and are named.
void FileActions::OpenDocument(const QString& path, const vrd::AnalysisDocument& document) {
    AnalysisSession& session = analysis_.Session();
    std::vector<vrd::ReportForAnalysis> files;
    ReadInBackground(prompts_.Window(), ReadingLabel(path), [&](const vrd::Progress& progress) {
        files = OpenDocumentFiles(document, progress);
    });
    PutDocumentInSession(session, document, std::move(files));
    QStringList failed;
    for (const vrd::ReportForAnalysis& report : session.Reports())
        if (report.failure)
            failed << QString::fromLocal8Bit(report.path.data(),
                                             static_cast<qsizetype>(report.path.size()));
    if (!failed.isEmpty())
        prompts_.ShowWarning(
            tr("\"%1\": these reports could not be opened; the Files tab says why:\n%2")
                .arg(path, failed.join(QLatin1Char('\n'))));
}

bool FileActions::SaveAnalysis() {
    const QString current = analysisFile_->Path();
    const std::optional<QString> path = prompts_.ChoosePath(
        {tr("Save analysis"), AnalysisFilter(),
         current.isEmpty()
             ? AnalysisPrompts::SuggestedName(analysis_.Session(), QStringLiteral(".vrda"))
             : current,
         true});
    if (!path || path->isEmpty())
        return false;
    // A name typed without a suffix gets the analysis file's.
    return SaveAnalysisAs(QFileInfo(*path).suffix().isEmpty() ? *path + QStringLiteral(".vrda")
                                                              : *path);
}

bool FileActions::Save() {
    const QString current = analysisFile_->Path();
    return current.isEmpty() ? SaveAnalysis() : SaveAnalysisAs(current);
}

bool FileActions::SaveAnalysisAs(const QString& path) {
    QString reason;
    if (WriteAnalysis(path, reason))
        return true;
    prompts_.ShowNotWritten(path, reason);
    return false;
}

bool FileActions::WriteAnalysis(const QString& path, QString& reason) {
    const std::string local = LocalPath(path);
    const vrd::AnalysisFileBytes bytes = vrd::FormatAnalysisFile(analysisFile_->Document(), local);
    if (bytes.error) {
        reason = bytes.problem ? AnalysisFileProblemText(*bytes.problem, WindowLanguage())
                               : QString::fromStdString(*bytes.error);
        return false;
    }
    if (const std::optional<std::string> failure = vrd::WriteFileSafely(local, bytes.bytes)) {
        reason = QString::fromStdString(*failure);
        return false;
    }
    analysisFile_->Saved(path);
    analysis_.Stack().setClean();
    return true;
}
