#include "client_report/report_distribution_pages.h"

#include "analysis/level_distribution.h"
#include "client_report/report_pages.h"
#include "views/analysis/session/analysis_session.h"
#include "views/painting/distribution_painting.h"
#include "views/texts/analysis_report_text.h"

#include <QPainter>

namespace {

// A heading that stays on the page of the chart it heads.
void HeadChart(ReportPages& pages, double height, const QString& heading) {
    if (pages.RoomLeft() < height * 1.25)
        pages.NewPage();
    pages.Heading(heading);
}

void LayOutBackground(ReportPages& pages, const vrd::AssessmentResult& assessed,
                      Language language) {
    const double height = pages.Width() * 0.32;
    HeadChart(pages, height,
              ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                                   "Background sound level: the L90 histogram")));
    pages.Note(ReportTr(language,
                        QT_TRANSLATE_NOOP("AnalysisReport",
                                          "How many intervals had each L90, rounded to the whole "
                                          "dB: each hour by day, each quarter hour at night. The "
                                          "background level is read from the darker bar, the "
                                          "mode.")));
    pages.Box(height, QString(), [&](QPainter& painter, const QRectF& box) {
        painter.setFont(ReportPages::ChartFont());
        PaintBackgroundHistogram(painter, box, assessed.background, language);
    });
}

} // namespace

void LayOutDistributionPages(ReportPages& pages, const AnalysisSession& session,
                             Language language) {
    // The settings as they stand give the analysed period, as the report's figures do.
    const vrd::LevelDistributions distributions =
        vrd::DistributeLevels(session.Series(), session.Settings());
    const double height = pages.Width() * 0.5;
    HeadChart(
        pages, height,
        ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Distribution of the levels")));
    pages.Note(
        ReportTr(language,
                 QT_TRANSLATE_NOOP("AnalysisReport",
                                   "The measured minutes of the analysed period by their 1-minute "
                                   "Leq: the share of the time at each whole dB (bars) and above "
                                   "it (lines), with L10, L50 and L90.")) +
        (distributions.source
             ? ReportTr(language,
                        QT_TRANSLATE_NOOP("AnalysisReport", " Source and residual minutes apart."))
             : QString()));
    pages.Box(height, QString(), [&](QPainter& painter, const QRectF& box) {
        painter.setFont(ReportPages::ChartFont());
        PaintLevelDistribution(painter, box, distributions, language, session.Step());
    });
    const std::optional<vrd::AssessmentResult>& assessed = session.Assessed();
    if (assessed && assessed->settings.standard == vrd::Standard::Bs4142)
        LayOutBackground(pages, *assessed, language);
}
