#include "views/texts/assessment_text.h"

#include "views/texts/analysis_text.h"

namespace {

QString Text(Language language, const char* source) {
    return Translated(language, "AssessmentText", source);
}

} // namespace

QString StandardText(std::optional<vrd::Standard> standard, Language language) {
    if (!standard)
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "None"));
    switch (*standard) {
    case vrd::Standard::FrNeighbourhood:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "French neighbourhood noise"));
    case vrd::Standard::FrIcpe:
        return Text(language,
                    QT_TRANSLATE_NOOP("AssessmentText", "French classified installation"));
    case vrd::Standard::Bs4142:
        break;
    }
    return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "BS 4142 background"));
}

QString StandardReference(vrd::Standard standard, Language language) {
    switch (standard) {
    case vrd::Standard::FrNeighbourhood:
        return Text(language,
                    QT_TRANSLATE_NOOP("AssessmentText",
                                      "Code de la santé publique, articles R1336-6 and R1336-7"));
    case vrd::Standard::FrIcpe:
        return Text(
            language,
            QT_TRANSLATE_NOOP("AssessmentText",
                              "Order of 23 January 1997 on the noise of classified installations"));
    case vrd::Standard::Bs4142:
        break;
    }
    return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "BS 4142:2014+A1:2019"));
}

QString IndicatorText(const std::optional<vrd::Indicator>& indicator) {
    if (!indicator)
        return {};
    return *indicator == vrd::Indicator::L50 ? QStringLiteral("L50") : QStringLiteral("Leq");
}

QString PeriodLabelText(vrd::PeriodLabel label, Language language) {
    switch (label) {
    case vrd::PeriodLabel::Daytime:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "day"));
    case vrd::PeriodLabel::Holiday:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "holiday"));
    case vrd::PeriodLabel::Night:
        break;
    }
    return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "night"));
}

QString VerdictText(const vrd::EmergenceFigures& figures, Language language) {
    QString text;
    switch (figures.verdict) {
    case vrd::Verdict::Compliant:
        text = Text(language, QT_TRANSLATE_NOOP("AssessmentText", "compliant"));
        break;
    case vrd::Verdict::Exceeds:
        text = Text(language, QT_TRANSLATE_NOOP("AssessmentText", "exceeds"));
        break;
    case vrd::Verdict::BelowGate:
        text = Text(language, QT_TRANSLATE_NOOP("AssessmentText", "below the gate"));
        break;
    case vrd::Verdict::NoData:
        text = Text(language, QT_TRANSLATE_NOOP("AssessmentText", "not assessable"));
        break;
    }
    if (figures.conclusive == false)
        text += Text(language, QT_TRANSLATE_NOOP("AssessmentText", ", not conclusive"));
    return text;
}

QString WorstPeriodText(const vrd::AssessmentResult& result, Language language) {
    if (!result.worst || !result.worst->figures.limit || !result.worst->figures.emergence)
        return Text(
            language,
            QT_TRANSLATE_NOOP(
                "AssessmentText",
                "No period has both source and residual minutes above the gate: there is no "
                "worst period."));
    const vrd::EmergencePeriod& worst = *result.worst;
    return Text(language,
                QT_TRANSLATE_NOOP("AssessmentText", "%1: emergence %2 dB for a limit of %3 dB: %4"))
        .arg(PeriodOfDayText(worst.label, worst.date, language),
             LevelText(worst.figures.emergence, language),
             LevelText(static_cast<double>(*worst.figures.limit), language),
             VerdictText(worst.figures, language));
}

QString PeriodOfDayText(vrd::PeriodLabel label, vrd::Day date, Language language) {
    const char* period = QT_TRANSLATE_NOOP("AssessmentText", "Night of %1");
    if (label == vrd::PeriodLabel::Daytime)
        period = QT_TRANSLATE_NOOP("AssessmentText", "Day of %1");
    else if (label == vrd::PeriodLabel::Holiday)
        period = QT_TRANSLATE_NOOP("AssessmentText", "Sunday or holiday of %1");
    return Text(language, period).arg(DayText(date, language));
}
