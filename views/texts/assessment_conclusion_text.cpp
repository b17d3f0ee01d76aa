#include "views/texts/assessment_conclusion_text.h"

#include "views/texts/analysis_text.h"
#include "views/texts/assessment_text.h"

namespace {

QString Text(Language language, const char* source) {
    return Translated(language, "AssessmentConclusion", source);
}

QString PooledName(vrd::PeriodLabel label, Language language) {
    switch (label) {
    case vrd::PeriodLabel::Daytime:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion", "All day periods"));
    case vrd::PeriodLabel::Holiday:
        return Text(language,
                    QT_TRANSLATE_NOOP("AssessmentConclusion", "All Sundays and public holidays"));
    case vrd::PeriodLabel::Night:
        break;
    }
    return Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion", "All night periods"));
}

QString PooledLine(const vrd::LabelEmergence& pooled, Language language) {
    const vrd::EmergenceFigures& figures = pooled.figures;
    if (!figures.limit || !figures.emergence)
        return Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion", "%1: %2"))
            .arg(PooledName(pooled.label, language), VerdictText(figures, language));
    return Translated(
               language, "AssessmentText",
               QT_TRANSLATE_NOOP("AssessmentText", "%1: emergence %2 dB for a limit of %3 dB: %4"))
        .arg(PooledName(pooled.label, language), LevelText(figures.emergence, language),
             LevelText(static_cast<double>(*figures.limit), language),
             VerdictText(figures, language));
}

QStringList EmergenceLines(const vrd::AssessmentResult& result, Language language) {
    QStringList lines;
    for (const vrd::LabelEmergence& pooled : result.overall)
        lines.append(PooledLine(pooled, language));
    lines.append(Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion", "Worst period: %1"))
                     .arg(WorstPeriodText(result, language)));

    const std::vector<vrd::EmergencePeriod> heard = PeriodsHeard(result);
    int compliant = 0;
    int exceeds = 0;
    int notConclusive = 0;
    int noData = 0;
    int belowGate = 0;
    int notes = 0;
    for (const vrd::EmergencePeriod& period : heard) {
        switch (vrd::WordingOf(period.figures)) {
        case vrd::VerdictWording::Compliant:
            ++compliant;
            break;
        case vrd::VerdictWording::Exceeds:
            ++exceeds;
            break;
        case vrd::VerdictWording::NotConclusiveCompliant:
        case vrd::VerdictWording::NotConclusiveExceeds:
            ++notConclusive;
            break;
        case vrd::VerdictWording::BelowGate:
            ++belowGate;
            break;
        case vrd::VerdictWording::NoData:
            ++noData;
            break;
        }
        notes += static_cast<int>(period.figures.notes.List().size());
    }
    for (const vrd::LabelEmergence& pooled : result.overall)
        notes += static_cast<int>(pooled.figures.notes.List().size());
    QString counts = Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion",
                                                      "Periods in which the noise was heard: %1 — "
                                                      "compliant %2, exceeding %3, not conclusive "
                                                      "%4, without data %5"))
                         .arg(heard.size())
                         .arg(compliant)
                         .arg(exceeds)
                         .arg(notConclusive)
                         .arg(noData);
    if (belowGate > 0)
        counts += Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion", ", below the gate %1"))
                      .arg(belowGate);
    lines.append(counts + QLatin1Char('.'));
    lines.append(
        Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion", "Notes weakening a verdict: %1."))
            .arg(notes));
    return lines;
}

QStringList BackgroundLines(const vrd::AssessmentResult& result, Language language) {
    QStringList lines;
    for (const vrd::BackgroundLevel& level : result.background) {
        const QString period = PeriodLabelText(level.label, language);
        if (!level.mode) {
            lines.append(Text(language, QT_TRANSLATE_NOOP("AssessmentConclusion",
                                                          "Background, %1: no interval has an "
                                                          "L90."))
                             .arg(period));
            continue;
        }
        const char* source =
            level.modeCount == 1
                ? QT_TRANSLATE_NOOP("AssessmentConclusion",
                                    "Background, %1: mode %2 dB, not representative (no level "
                                    "repeats among its %3 intervals): median %4 dB.")
                : QT_TRANSLATE_NOOP("AssessmentConclusion",
                                    "Background, %1: %2 dB (the mode of %3 intervals), median %4 "
                                    "dB.");
        lines.append(Text(language, source)
                         .arg(period, QString::number(*level.mode))
                         .arg(level.count)
                         .arg(LevelText(level.median, language)));
    }
    return lines;
}

} // namespace

std::vector<vrd::EmergencePeriod> PeriodsHeard(const vrd::AssessmentResult& result) {
    std::vector<vrd::EmergencePeriod> heard;
    for (const vrd::EmergencePeriod& period : result.PeriodsWithMinutes())
        if (period.figures.sourceMinutes > 0)
            heard.push_back(period);
    return heard;
}

QStringList ConclusionLines(const vrd::AssessmentResult& result, Language language) {
    return result.settings.standard == vrd::Standard::Bs4142 ? BackgroundLines(result, language)
                                                             : EmergenceLines(result, language);
}
