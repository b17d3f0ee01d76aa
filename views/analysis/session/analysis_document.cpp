#include "views/analysis/session/analysis_document.h"

#include "views/analysis/session/analysis_session.h"

vrd::AnalysisDocument SessionDocument(const AnalysisSession& session, vrd::AnalysisDocument base) {
    base.files.clear();
    // The columns of the exports shown; those of files no longer in the analysis go.
    std::vector<vrd::CsvColumnsOfFile> kept = std::move(base.columns);
    base.columns.clear();
    for (const vrd::ReportForAnalysis& report : session.Reports()) {
        base.files.push_back(report.path);
        if (!report.csvLevels)
            continue;
        for (vrd::CsvColumnsOfFile& columns : kept)
            if (columns.file == report.path)
                base.columns.push_back(std::move(columns));
        vrd::PutColumns(base, report.path, report.csv);
    }
    vrd::AnalysisSettings settings = session.Settings();
    settings.exclusions = session.Exclusions();
    vrd::PutSettings(base, settings);
    base.minimumCoverage = session.MinimumCoverage();
    const std::optional<vrd::AssessmentSettings>& assessment = session.Assessment();
    base.standard = assessment ? std::optional(assessment->standard) : std::nullopt;
    // Indoors without a standard means nothing yet, but is kept for when one is chosen.
    base.indoors = assessment ? assessment->indoors : base.indoors;
    return base;
}

std::vector<vrd::ReportForAnalysis> OpenDocumentFiles(const vrd::AnalysisDocument& document,
                                                      const vrd::Progress& progress) {
    std::vector<vrd::ReportForAnalysis> files;
    for (const std::string& file : document.files) {
        vrd::AnalysisInput input(file, document.plain);
        input.csv = vrd::ColumnsOf(document, file);
        files.push_back(vrd::OpenReportForAnalysis(input, progress));
    }
    return files;
}

void OpenDocumentInSession(AnalysisSession& session, const vrd::AnalysisDocument& document) {
    PutDocumentInSession(session, document, OpenDocumentFiles(document));
}

void PutDocumentInSession(AnalysisSession& session, const vrd::AnalysisDocument& document,
                          std::vector<vrd::ReportForAnalysis> files) {
    // One analysis has one step: the first file with samples gives it.
    std::optional<vrd::Millis> step;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::optional<vrd::Millis> own = vrd::StepOfFile(files[i]);
        if (!own)
            continue;
        if (!step) {
            step = own;
            continue;
        }
        if (*own == *step)
            continue;
        const std::optional<QString> refusal = AnalysisSession::StepRefusalAmong(
            {files.begin(), files.begin() + static_cast<std::ptrdiff_t>(i)}, files[i]);
        files[i].levels.reset();
        files[i].minuteLines.clear();
        files[i].failure =
            vrd::Failure{vrd::Stage::Parse, refusal ? refusal->toStdString() : std::string()};
    }
    session.SetReports(std::move(files));
    std::optional<vrd::AssessmentSettings> assessment;
    if (document.standard)
        assessment = vrd::AssessmentSettings{*document.standard, document.indoors};
    session.SetAnalysis(vrd::DocumentSettings(document), assessment, document.minimumCoverage);
}
