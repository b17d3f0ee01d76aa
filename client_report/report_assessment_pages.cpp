#include "client_report/report_assessment_pages.h"

#include "client_report/report_assessment_rules.h"
#include "client_report/report_distribution_pages.h"
#include "client_report/report_pages.h"
#include "views/analysis/session/analysis_session.h"
#include "views/texts/analysis_report_text.h"
#include "views/texts/analysis_text.h"
#include "views/texts/assessment_columns.h"
#include "views/texts/assessment_conclusion_text.h"
#include "views/texts/assessment_text.h"
#include "views/texts/mark_text.h"

#include <vector>

namespace {

QString Tr(Language language, const char* source) {
    return ReportTr(language, source);
}

// How the levels assessed were measured: the devices' 1-minute Leq, a meter's samples at their
// own step, or for BS 4142 the meter's own LA90.
QString MethodText(vrd::Standard standard, const vrd::AssessmentResult& result, Language language) {
    const bool minuteStep = result.step == vrd::kMillisPerMinute;
    if (standard == vrd::Standard::Bs4142 && result.backgroundFromL90)
        return Tr(language,
                  QT_TRANSLATE_NOOP(
                      "AnalysisReport",
                      "The background sound level of each interval is the arithmetic mean of "
                      "the LA90 values the meter gives for the samples heard without the "
                      "specific sound (those marked residual, or every sample neither excluded "
                      "nor marked source), the interval being measured for at least 80 % of "
                      "its length."));
    if (standard == vrd::Standard::Bs4142 && minuteStep)
        return Tr(language,
                  QT_TRANSLATE_NOOP(
                      "AnalysisReport",
                      "The background sound level is found over the minutes heard without the "
                      "specific sound: those marked residual, or every minute neither excluded "
                      "nor marked source. Its L90 comes from 1-minute Leq values: it approaches, "
                      "but is not, the LA90 of a fast time weighting."));
    if (standard == vrd::Standard::Bs4142)
        return Tr(language,
                  QT_TRANSLATE_NOOP(
                      "AnalysisReport",
                      "The background sound level is found over the samples heard without the "
                      "specific sound: those marked residual, or every sample neither excluded "
                      "nor marked source. Its L90 comes from the Leq values of %1 samples: it "
                      "approaches, but is not, the LA90 of a fast time weighting."))
            .arg(StepText(result.step, language));
    if (minuteStep)
        return Tr(language,
                  QT_TRANSLATE_NOOP(
                      "AnalysisReport",
                      "The ambient noise is measured over the minutes marked as the noise under "
                      "assessment (source), the residual noise over the minutes marked residual, "
                      "or with no residual mark over every other minute kept. The statistical "
                      "levels come from 1-minute Leq values, not from a fast time weighting."));
    return Tr(language,
              QT_TRANSLATE_NOOP(
                  "AnalysisReport",
                  "The ambient noise is measured over the samples marked as the noise under "
                  "assessment (source), the residual noise over the samples marked residual, or "
                  "with no residual mark over every other sample kept. The statistical levels "
                  "come from the Leq values of %1 samples, not from a fast time weighting."))
        .arg(StepText(result.step, language));
}

QString Decimal(const std::optional<int>& value, Language language) {
    return value ? LevelText(static_cast<double>(*value), language) : QString();
}

void LayOutEmergence(ReportPages& pages, const vrd::AssessmentResult& result, Language language) {
    // The periods that heard the noise; the others have nothing to judge.
    std::vector<vrd::EmergencePeriod> rows = PeriodsHeard(result);
    const auto periods = static_cast<int>(rows.size());
    for (const vrd::LabelEmergence& pooled : result.overall)
        rows.push_back({0, pooled.label, pooled.figures});
    const vrd::Standard standard = result.settings.standard;

    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Verdict by period")));
    pages.Note(Tr(language,
                  QT_TRANSLATE_NOOP("AnalysisReport",
                                    "Source: minutes of the noise under assessment; ambient, "
                                    "residual and emergence: levels of the indicator; term: the "
                                    "duration term added to the limit. A row on a light orange "
                                    "ground is not conclusive, the side it leans to in smaller "
                                    "words; what weakens a verdict is written under its row. Only "
                                    "the periods in which the noise was heard are listed; the "
                                    "last rows pool every period of a kind.")));
    QStringList headers;
    for (int column = 0; column <= static_cast<int>(EmergenceColumn::Verdict); ++column)
        headers.append(EmergenceColumnName(static_cast<EmergenceColumn>(column), language));
    // The smaller letters, so that every column's name fits in either language and the verdict
    // has room for its words and the side it leans to.
    const QList<double> shares = {0.088, 0.092, 0.088, 0.074, 0.078, 0.086,
                                  0.096, 0.074, 0.058, 0.062, 0.204};
    const auto figuresOf = [&rows](int row) -> const vrd::EmergenceFigures& {
        return rows[static_cast<std::size_t>(row)].figures;
    };
    TableExtras extras;
    extras.compact = true;
    extras.aside = [&](int row, int column) {
        return column == static_cast<int>(EmergenceColumn::Verdict)
                   ? VerdictLeaningText(vrd::WordingOf(figuresOf(row)), language)
                   : QString();
    };
    extras.note = [&](int row) { return NotesText(figuresOf(row).notes, standard, language); };
    pages.Table(
        headers, shares, static_cast<int>(rows.size()),
        [&](int row, int column) -> QString {
            const vrd::EmergencePeriod& period = rows[static_cast<std::size_t>(row)];
            const vrd::EmergenceFigures& figures = period.figures;
            switch (static_cast<EmergenceColumn>(column)) {
            case EmergenceColumn::Date:
                return row < periods ? DayText(period.date, language) : PooledRowText(language);
            case EmergenceColumn::Period:
                return PeriodLabelText(period.label, language);
            case EmergenceColumn::Source:
                return QString::number(figures.sourceMinutes);
            case EmergenceColumn::Ambient:
                return LevelText(figures.ambient, language);
            case EmergenceColumn::Residual:
                return LevelText(figures.residual, language);
            case EmergenceColumn::Indicator:
                return IndicatorText(figures.indicator);
            case EmergenceColumn::Emergence:
                return LevelText(figures.emergence, language);
            case EmergenceColumn::Term:
                return Decimal(figures.term, language);
            case EmergenceColumn::Limit:
                return Decimal(figures.limit, language);
            case EmergenceColumn::Margin:
                return LevelText(figures.margin, language);
            default:
                return VerdictWordingText(vrd::WordingOf(figures), language);
            }
        },
        [&](int row, int) { return figuresOf(row).conclusive == false; }, extras);
}

void LayOutBackground(ReportPages& pages, const vrd::AssessmentResult& result, Language language) {
    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Background sound level")));
    QStringList levelHeaders;
    for (int column = 0; column < static_cast<int>(BackgroundColumn::Histogram); ++column)
        levelHeaders.append(BackgroundColumnName(static_cast<BackgroundColumn>(column), language));
    const auto levelAt = [&result](int row) -> const vrd::BackgroundLevel& {
        return result.background[static_cast<std::size_t>(row)];
    };
    TableExtras extras;
    extras.aside = [&](int row, int column) {
        return column == static_cast<int>(BackgroundColumn::Mode) && levelAt(row).modeCount == 1
                   ? Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "not representative"))
                   : QString();
    };
    extras.note = [&](int row) {
        const vrd::BackgroundLevel& level = levelAt(row);
        return level.modeCount == 1
                   ? Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                                    "No level repeats among the intervals: the "
                                                    "mode is not representative; read the "
                                                    "median, %1 dB."))
                         .arg(LevelText(level.median, language))
                   : QString();
    };
    pages.Table(
        levelHeaders, {0.25, 0.25, 0.25, 0.25}, static_cast<int>(result.background.size()),
        [&](int row, int column) -> QString {
            const vrd::BackgroundLevel& level = levelAt(row);
            switch (static_cast<BackgroundColumn>(column)) {
            case BackgroundColumn::Period:
                return PeriodLabelText(level.label, language);
            case BackgroundColumn::Intervals:
                return QString::number(level.count);
            case BackgroundColumn::Mode:
                return LevelText(level.mode);
            default:
                return LevelText(level.median, language);
            }
        },
        [](int, int) { return false; }, extras);

    std::vector<vrd::BackgroundInterval> intervals;
    for (const vrd::BackgroundInterval& interval : result.IntervalsWithMinutes())
        if (interval.minutes > 0)
            intervals.push_back(interval);
    pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Intervals")));
    pages.Note(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                              "The intervals holding residual minutes; one on a "
                                              "light orange ground has too few of them for an "
                                              "L90.")));
    const QStringList headers = {IntervalColumnName(IntervalColumn::Start, language),
                                 IntervalColumnName(IntervalColumn::Period, language),
                                 IntervalColumnName(IntervalColumn::Length, language),
                                 IntervalColumnName(IntervalColumn::Residual, language),
                                 IntervalColumnName(IntervalColumn::L90, language)};
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
    QStringList conclusion = ConclusionLines(*result, language);
    const QString outside = MarksOutsideText(result->marksOutside, language);
    if (!outside.isEmpty())
        conclusion.append(outside);
    pages.Panel(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Conclusion")), conclusion);

    LayOutAssessmentRules(pages, standard, language);
    if (result->step == vrd::kMillisPerMinute) {
        pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Minutes assessed")));
        pages.Line(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport",
                                                  "Minutes measured %1: source %2, residual %3; "
                                                  "excluded %4"))
                       .arg(result->minutes.measured)
                       .arg(result->minutes.source)
                       .arg(result->minutes.residual)
                       .arg(static_cast<double>(result->minutes.excludedTime) / 60000.0));
    } else {
        pages.Heading(Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Samples assessed")));
        pages.Line(Tr(language,
                      QT_TRANSLATE_NOOP("AnalysisReport", "Samples of %1 measured %2: source %3, "
                                                          "residual %4; excluded %5 s"))
                       .arg(StepText(result->step, language))
                       .arg(result->minutes.measured)
                       .arg(result->minutes.source)
                       .arg(result->minutes.residual)
                       .arg(SecondsText(result->minutes.excludedTime, language)));
    }
    pages.Note(MethodText(standard, *result, language));
    if (standard == vrd::Standard::Bs4142)
        LayOutBackground(pages, *result, language);
    else
        LayOutEmergence(pages, *result, language);
    LayOutDistributionPages(pages, session, language);
}

void LayOutAssessmentAppendix(ReportPages& pages, const AnalysisSession& session,
                              Language language) {
    if (!session.Assessed())
        return;
    pages.Heading(
        Tr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Appendix: source and residual marks")));
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
