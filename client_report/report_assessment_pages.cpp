#include "client_report/report_assessment_pages.h"

#include "client_report/report_distribution_pages.h"
#include "client_report/report_pages.h"
#include "views/analysis/session/analysis_session.h"
#include "views/texts/analysis_report_text.h"
#include "views/texts/analysis_text.h"
#include "views/texts/assessment_text.h"
#include "views/texts/mark_text.h"

#include <algorithm>
#include <vector>

namespace {

QString Tr(Language language, const char* source) {
    return ReportTr(language, source);
}

QString MethodText(vrd::Standard standard, Language language) {
    if (standard == vrd::Standard::Bs4142)
        return Tr(language,
                  QT_TRANSLATE_NOOP(
                      "AnalysisReport",
                      "The background sound level is the L90 of each hour by day and of each "
                      "15 minutes at night over the minutes heard without the specific sound "
                      "(marked residual, or every minute neither excluded nor marked source), an "
                      "interval counting when such minutes fill at least 80 % of it; the level "
                      "given for each period is the one its intervals show most often (the "
                      "mode), with their median. This L90 comes from 1-minute Leq values: it "
                      "approaches, but is not, the LA90 of a fast time weighting."));
    return Tr(language,
              QT_TRANSLATE_NOOP(
                  "AnalysisReport",
                  "The ambient noise is measured over the minutes marked as the noise under "
                  "assessment (source), the residual noise over the minutes marked residual, or "
                  "with no residual mark over every other minute kept; the emergence is the "
                  "difference of their indicators, the Leq, or the L50 when the ambient's Leq "
                  "exceeds its L50 by more than 5 dB. The statistical levels come from 1-minute "
                  "Leq values, not from a fast time weighting, and a verdict within 2 dB of its "
                  "limit is not conclusive."));
}

void LayOutMarks(ReportPages& pages, const AnalysisSession& session, Language language) {
    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Source and residual marks")));
    bool any = false;
    for (const vrd::Mark& mark : session.AllMarks()) {
        if (mark.kind == vrd::MarkKind::Exclude)
            continue;
        pages.Line(MarkText(mark, language));
        any = true;
    }
    if (!any)
        pages.Line(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                                  "No mark: no minute is heard with the noise.")));
}

void LayOutEmergence(ReportPages& pages, const vrd::AssessmentResult& result, Language language) {
    // The periods that heard the noise; the others have nothing to judge.
    std::vector<vrd::EmergencePeriod> rows;
    for (const vrd::EmergencePeriod& period : result.PeriodsWithMinutes())
        if (period.figures.sourceMinutes > 0)
            rows.push_back(period);
    const auto periods = static_cast<int>(rows.size());
    for (const vrd::LabelEmergence& pooled : result.overall)
        rows.push_back({0, pooled.label, pooled.figures});

    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Verdict by period")));
    pages.Note(
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                       "Source: minutes of the noise under assessment; ambient, "
                                       "residual and emergence in dB of the indicator; term: the "
                                       "duration term added to the limit. A shaded row is not "
                                       "conclusive. Only the periods in which the noise was "
                                       "heard are listed; the last rows pool every period of a "
                                       "kind.")));
    const QStringList headers = {Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Date")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Period")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Source")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Ambient")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Residual")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Ind.")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Emergence")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Term")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Limit")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Margin")),
                                 Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Verdict"))};
    const QList<double> shares = {0.11, 0.11, 0.07, 0.09, 0.09, 0.05, 0.11, 0.07, 0.07, 0.07, 0.16};
    pages.Table(
        headers, shares, static_cast<int>(rows.size()),
        [&](int row, int column) -> QString {
            const vrd::EmergencePeriod& period = rows[static_cast<std::size_t>(row)];
            const vrd::EmergenceFigures& figures = period.figures;
            switch (column) {
            case 0:
                return row < periods
                           ? DayText(period.date, language)
                           : Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "all periods"));
            case 1:
                return PeriodLabelText(period.label, language);
            case 2:
                return QString::number(figures.sourceMinutes);
            case 3:
                return LevelText(figures.ambient, language);
            case 4:
                return LevelText(figures.residual, language);
            case 5:
                return IndicatorText(figures.indicator);
            case 6:
                return LevelText(figures.emergence, language);
            case 7:
                return LevelText(figures.term);
            case 8:
                return LevelText(figures.limit);
            case 9:
                return LevelText(figures.margin, language);
            default: {
                // Not conclusive is told by the shading, which the note explains.
                vrd::EmergenceFigures verdict = figures;
                verdict.conclusive.reset();
                return VerdictText(verdict, language);
            }
            }
        },
        [&](int row, int) {
            return rows[static_cast<std::size_t>(row)].figures.conclusive == false;
        });
    pages.Line(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Worst period: %1"))
                   .arg(WorstPeriodText(result, language)));
}

void LayOutBackground(ReportPages& pages, const vrd::AssessmentResult& result, Language language) {
    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Background sound level")));
    const QList<double> levelShares = {0.25, 0.25, 0.25, 0.25};
    const QStringList levelHeaders = {
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Period")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Intervals with an L90")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Mode (dB)")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Median (dB)"))};
    pages.Table(
        levelHeaders, levelShares, static_cast<int>(result.background.size()),
        [&](int row, int column) -> QString {
            const vrd::BackgroundLevel& level = result.background[static_cast<std::size_t>(row)];
            switch (column) {
            case 0:
                return PeriodLabelText(level.label, language);
            case 1:
                return QString::number(level.count);
            case 2:
                return LevelText(level.mode);
            default:
                return LevelText(level.median, language);
            }
        },
        [](int, int) { return false; });

    std::vector<vrd::BackgroundInterval> intervals;
    for (const vrd::BackgroundInterval& interval : result.IntervalsWithMinutes())
        if (interval.minutes > 0)
            intervals.push_back(interval);
    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Intervals")));
    pages.Note(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                              "The intervals holding residual minutes; a shaded "
                                              "one has too few of them for an L90.")));
    const QStringList headers = {
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Start")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Period")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Length (min)")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Residual (min)")),
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "L90 (dB)"))};
    pages.Table(
        headers, {0.28, 0.18, 0.18, 0.18, 0.18}, static_cast<int>(intervals.size()),
        [&](int row, int column) -> QString {
            const vrd::BackgroundInterval& interval = intervals[static_cast<std::size_t>(row)];
            switch (column) {
            case 0:
                return MinuteText(interval.start, language);
            case 1:
                return PeriodLabelText(interval.label, language);
            case 2:
                return QString::number(interval.length);
            case 3:
                return QString::number(interval.minutes);
            default:
                return LevelText(interval.l90, language);
            }
        },
        [&](int row, int) { return !intervals[static_cast<std::size_t>(row)].l90; });
}

} // namespace

void LayOutAssessmentPages(ReportPages& pages, const AnalysisSession& session, Language language) {
    const std::optional<vrd::AssessmentResult>& result = session.Assessed();
    if (!result)
        return;
    const vrd::Standard standard = result->settings.standard;
    pages.NewPage();
    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Assessment")));
    QString chosen = StandardText(standard, language);
    if (standard == vrd::Standard::FrNeighbourhood && result->settings.indoors)
        chosen += Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", ", measured indoors"));
    pages.Line(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Standard: %1 (%2)"))
                   .arg(chosen, StandardReference(standard, language)));
    pages.Line(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                              "Minutes measured %1: source %2, residual %3; "
                                              "excluded %4"))
                   .arg(result->minutes.measured)
                   .arg(result->minutes.source)
                   .arg(result->minutes.residual)
                   .arg(result->minutes.excluded));
    pages.Note(MethodText(standard, language));
    LayOutMarks(pages, session, language);
    if (standard == vrd::Standard::Bs4142)
        LayOutBackground(pages, *result, language);
    else
        LayOutEmergence(pages, *result, language);
    LayOutDistributionPages(pages, session, language);
}
