#include "views/texts/assessment_rules_text.h"

#include "analysis/assessment_rules.h"
#include "views/texts/analysis_text.h"
#include "views/texts/assessment_text.h"

namespace {

QString Text(Language language, const char* source) {
    return Translated(language, "AssessmentRules", source);
}

QString Hour(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

QString Decibels(double level, Language language) {
    return LocaleOf(language).toString(level, 'g', 4) + UnitSpace(language) + QStringLiteral("dB");
}

QString Quoted(const QString& text, Language language) {
    return language == Language::French ? QStringLiteral("« ") + text + QStringLiteral(" »")
                                        : QStringLiteral("“") + text + QStringLiteral("”");
}

RulesPart Sentence(QString text) {
    RulesPart part;
    part.sentence = std::move(text);
    return part;
}

QString PeriodsSentence(const vrd::EmergenceRules& rules, Language language) {
    const char* source =
        rules.restDays
            ? QT_TRANSLATE_NOOP("AssessmentRules",
                                "Periods: day %1–%2, night %2–%1, Sundays and public holidays "
                                "judged apart by day; a night belongs to the date it begins on "
                                "(the night of the 12th runs from the 12th %2 to the 13th %1).")
            : QT_TRANSLATE_NOOP("AssessmentRules",
                                "Periods: day %1–%2, night %2–%1; a night belongs to the date it "
                                "begins on (the night of the 12th runs from the 12th %2 to the "
                                "13th %1).");
    return Text(language, source).arg(Hour(rules.day.from), Hour(rules.day.to));
}

// "T ≤ 1 min", "1 min < T ≤ 5 min", "T > 8 h", each side of the range kept on one line.
QString DurationRange(const vrd::DurationTermRow& row, Language language) {
    const auto whole = [](QString text) { return text.replace(QLatin1Char(' '), QChar(0x00a0)); };
    if (!row.upTo)
        return whole(QStringLiteral("T > ") + DurationText(row.above, language));
    const QString upTo = whole(QStringLiteral("T ≤ ") + DurationText(*row.upTo, language));
    return row.above <= 0 ? upTo
                          : whole(DurationText(row.above, language) + QStringLiteral(" <")) +
                                QLatin1Char(' ') + upTo;
}

RulesPart DurationTable(const vrd::EmergenceRules& rules, Language language) {
    RulesPart part;
    part.headers.append(Text(language, QT_TRANSLATE_NOOP("AssessmentRules", "Time heard T")));
    QStringList terms = {Text(language, QT_TRANSLATE_NOOP("AssessmentRules", "Term (dB)"))};
    for (const vrd::DurationTermRow& row : rules.durationTerms) {
        part.headers.append(DurationRange(row, language));
        terms.append(QString::number(row.term));
    }
    part.rows.append(terms);
    return part;
}

// "> 35 dB, ≤ 45 dB", "> 45 dB".
QString AmbientRange(const vrd::BaseLimitBand& band, const vrd::EmergenceRules& rules,
                     Language language) {
    QString text =
        QStringLiteral("> ") + Decibels(band.ambientAbove.value_or(rules.gate), language);
    if (band.ambientUpTo)
        text += QStringLiteral(", ≤ ") + Decibels(*band.ambientUpTo, language);
    return text;
}

RulesPart LimitTable(const vrd::EmergenceRules& rules, Language language) {
    RulesPart part;
    part.headers = {Text(language, QT_TRANSLATE_NOOP("AssessmentRules", "Ambient Leq")),
                    Text(language, QT_TRANSLATE_NOOP("AssessmentRules", "Day %1–%2 (dB)"))
                        .arg(Hour(rules.day.from), Hour(rules.day.to)),
                    Text(language, QT_TRANSLATE_NOOP("AssessmentRules",
                                                     "Sundays and public holidays %1–%2 (dB)"))
                        .arg(Hour(rules.day.from), Hour(rules.day.to)),
                    Text(language, QT_TRANSLATE_NOOP("AssessmentRules", "Night %1–%2 (dB)"))
                        .arg(Hour(rules.night.from), Hour(rules.night.to))};
    for (const vrd::BaseLimitBand& band : rules.baseLimits) {
        QStringList row = {AmbientRange(band, rules, language)};
        for (const vrd::PeriodLabel label :
             {vrd::PeriodLabel::Daytime, vrd::PeriodLabel::Holiday, vrd::PeriodLabel::Night})
            row.append(LevelText(band.Of(label)));
        part.rows.append(row);
    }
    return part;
}

QList<RulesPart> EmergenceRulesStated(vrd::Standard standard, const vrd::EmergenceRules& rules,
                                      Language language) {
    QList<RulesPart> parts = {Sentence(PeriodsSentence(rules, language))};
    if (rules.baseLimits.size() == 1) {
        const vrd::BaseLimitBand& band = rules.baseLimits.front();
        const QString day = QString::number(band.Of(vrd::PeriodLabel::Daytime).value_or(0));
        const QString night = QString::number(band.Of(vrd::PeriodLabel::Night).value_or(0));
        parts.append(Sentence(
            rules.durationTerms.empty()
                ? Text(language, QT_TRANSLATE_NOOP("AssessmentRules",
                                                   "Limit of the emergence: %1 dB by day, %2 dB "
                                                   "at night."))
                      .arg(day, night)
                : Text(language, QT_TRANSLATE_NOOP(
                                     "AssessmentRules",
                                     "Limit of the emergence: %1 dB by day, %2 dB at night, plus "
                                     "a term for the total time T the noise is heard in the "
                                     "period:"))
                      .arg(day, night)));
    } else {
        parts.append(Sentence(
            Text(language, QT_TRANSLATE_NOOP("AssessmentRules",
                                             "Limits of the emergence by the ambient Leq of the "
                                             "period:"))));
        parts.append(LimitTable(rules, language));
    }
    if (!rules.durationTerms.empty())
        parts.append(DurationTable(rules, language));
    parts.append(Sentence(
        rules.gateIndoors
            ? Text(language, QT_TRANSLATE_NOOP("AssessmentRules",
                                               "No emergence is asked for when the ambient Leq "
                                               "is at or below %1 (%2 measured indoors)."))
                  .arg(Decibels(rules.gate, language), Decibels(*rules.gateIndoors, language))
            : Text(language, QT_TRANSLATE_NOOP("AssessmentRules",
                                               "No emergence is asked for when the ambient Leq "
                                               "is at or below %1."))
                  .arg(Decibels(rules.gate, language))));
    parts.append(Sentence(
        Text(language,
             QT_TRANSLATE_NOOP("AssessmentRules",
                               "The indicator is the Leq, or the L50 when the ambient's Leq "
                               "exceeds its L50 by more than %1; the emergence is the "
                               "ambient's indicator less the residual's."))
            .arg(Decibels(rules.l50Above, language))));
    parts.append(Sentence(
        Text(language, QT_TRANSLATE_NOOP("AssessmentRules",
                                         "A verdict is not conclusive when the emergence lies "
                                         "within %1 of its limit, either way; the side it leans "
                                         "to follows in smaller words."))
            .arg(Decibels(rules.notConclusiveWithin, language))));
    parts.append(Sentence(
        Text(language,
             QT_TRANSLATE_NOOP("AssessmentRules",
                               "Notes: %1 when the emergence is below 0 (the residual minutes "
                               "do not stand for the place without the noise); %2 when the "
                               "residual has at least one and fewer than %3 minutes."))
            .arg(Quoted(NoteText(vrd::EmergenceNote::ResidualAboveAmbient, standard, language),
                        language),
                 Quoted(NoteText(vrd::EmergenceNote::ShortResidual, standard, language), language))
            .arg(rules.shortResidualBelow)));
    return parts;
}

QList<RulesPart> BackgroundRulesStated(const vrd::BackgroundRules& rules, Language language) {
    return {
        Sentence(Text(language,
                      QT_TRANSLATE_NOOP("AssessmentRules",
                                        "Intervals: %1 by day (%3–%4), %2 at night (%4–%3); an "
                                        "interval's L90 counts when residual minutes fill at least "
                                        "%5 % of it."))
                     .arg(DurationText(rules.dayInterval, language),
                          DurationText(rules.nightInterval, language), Hour(rules.day.from),
                          Hour(rules.day.to))
                     .arg(rules.measuredPercent)),
        Sentence(Text(language,
                      QT_TRANSLATE_NOOP("AssessmentRules",
                                        "The background sound level of each period is the L90 its "
                                        "intervals show most often (the mode), given with their "
                                        "median; a mode no other interval shares is not "
                                        "representative, and the median is the level to read.")))};
}

} // namespace

QString DurationText(std::int64_t minutes, Language language) {
    if (minutes >= vrd::kMinutesPerHour && minutes % vrd::kMinutesPerHour == 0)
        return QString::number(minutes / vrd::kMinutesPerHour) + UnitSpace(language) +
               QStringLiteral("h");
    return QString::number(minutes) + UnitSpace(language) + QStringLiteral("min");
}

QList<RulesPart> StatedRules(vrd::Standard standard, Language language) {
    const vrd::AssessmentRules& rules = vrd::RulesOf(standard);
    if (rules.emergence)
        return EmergenceRulesStated(standard, *rules.emergence, language);
    if (rules.background)
        return BackgroundRulesStated(*rules.background, language);
    return {};
}
