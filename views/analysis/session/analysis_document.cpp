#include "views/analysis/session/analysis_document.h"

#include "views/analysis/session/analysis_session.h"

vrd::AnalysisDocument SessionDocument(const AnalysisSession& session, vrd::AnalysisDocument base) {
    base.files.clear();
    for (const vrd::ReportForAnalysis& report : session.Reports())
        base.files.push_back(report.path);
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

void OpenDocumentInSession(AnalysisSession& session, const vrd::AnalysisDocument& document) {
    std::vector<vrd::ReportForAnalysis> reports;
    for (const std::string& file : document.files)
        reports.push_back(vrd::OpenReportForAnalysis({file, document.plain}));
    session.SetReports(std::move(reports));
    std::optional<vrd::AssessmentSettings> assessment;
    if (document.standard)
        assessment = vrd::AssessmentSettings{*document.standard, document.indoors};
    session.SetAnalysis(vrd::DocumentSettings(document), assessment, document.minimumCoverage);
}
