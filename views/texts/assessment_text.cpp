#include "views/texts/assessment_text.h"

#include "analysis/assessment_rules.h"
#include "views/texts/analysis_text.h"

#include <QStringList>

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

QString PooledRowText(Language language) {
    return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "all periods"));
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

QString VerdictWordingText(vrd::VerdictWording wording, Language language) {
    switch (wording) {
    case vrd::VerdictWording::Compliant:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "compliant"));
    case vrd::VerdictWording::Exceeds:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "exceeds"));
    case vrd::VerdictWording::NotConclusiveCompliant:
    case vrd::VerdictWording::NotConclusiveExceeds:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "not conclusive"));
    case vrd::VerdictWording::BelowGate:
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "below the gate"));
    case vrd::VerdictWording::NoData:
        break;
    }
    return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "not assessable"));
}

QString VerdictLeaningText(vrd::VerdictWording wording, Language language) {
    // The side leant to is worded apart from the verdict: "dépassement", not "non conforme".
    struct Disambiguated {
        const char* source;
        const char* disambiguation;
    };
    Disambiguated text{};
    if (wording == vrd::VerdictWording::NotConclusiveCompliant)
        text = QT_TRANSLATE_NOOP3("AssessmentText", "compliant", "leaning");
    else if (wording == vrd::VerdictWording::NotConclusiveExceeds)
        text = QT_TRANSLATE_NOOP3("AssessmentText", "exceeds", "leaning");
    else
        return {};
    return Translated(language, "AssessmentText", text.source, text.disambiguation);
}

QString VerdictText(const vrd::EmergenceFigures& figures, Language language) {
    const vrd::VerdictWording wording = vrd::WordingOf(figures);
    const QString leaning = VerdictLeaningText(wording, language);
    const QString text = VerdictWordingText(wording, language);
    return leaning.isEmpty() ? text : text + QStringLiteral(" (") + leaning + QLatin1Char(')');
}

QString NoteText(vrd::EmergenceNote note, vrd::Standard standard, Language language) {
    if (note == vrd::EmergenceNote::ResidualAboveAmbient)
        return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "Residual louder than ambient"));
    const vrd::AssessmentRules& rules = vrd::RulesOf(standard);
    const std::int64_t below = rules.emergence ? rules.emergence->shortResidualBelow : 0;
    return Text(language, QT_TRANSLATE_NOOP("AssessmentText", "Residual measured under %1 min"))
        .arg(below);
}

QString NotesText(const vrd::EmergenceNotes& notes, vrd::Standard standard, Language language) {
    QStringList texts;
    for (const vrd::EmergenceNote note : notes.List())
        texts.append(NoteText(note, standard, language));
    return texts.join(QStringLiteral("; "));
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
