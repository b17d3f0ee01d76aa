#include "views/texts/analysis_text.h"

#include "analysis/analysis_settings.h"
#include "analysis/time_text.h"

#include <cmath>
#include <string>

QString MinuteText(vrd::Minute minute, Language language) {
    const vrd::Minute ofDay = minute - vrd::StartOfDay(vrd::DayOfMinute(minute));
    return DayText(vrd::DayOfMinute(minute), language) + QLatin1Char(' ') +
           QStringLiteral("%1:%2")
               .arg(ofDay / vrd::kMinutesPerHour, 2, 10, QLatin1Char('0'))
               .arg(ofDay % vrd::kMinutesPerHour, 2, 10, QLatin1Char('0'));
}

QString MillisText(vrd::Millis time, Language language) {
    const vrd::Millis minuteStart = vrd::MillisOf(vrd::MinuteOfMillis(time));
    const vrd::Millis within = time - minuteStart;
    QString text =
        MinuteText(vrd::MinuteOfMillis(time), language) +
        QStringLiteral(":%1").arg(within / vrd::kMillisPerSecond, 2, 10, QLatin1Char('0'));
    if (within % vrd::kMillisPerSecond != 0)
        text += (language == Language::French ? QLatin1Char(',') : QLatin1Char('.')) +
                QStringLiteral("%1").arg(within % vrd::kMillisPerSecond, 3, 10, QLatin1Char('0'));
    return text;
}

QString StepText(vrd::Millis step, Language language) {
    QString text = QString::fromStdString(vrd::FormatDuration(step));
    if (language == Language::French) {
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        if (text.endsWith(QStringLiteral(" d")))
            text.back() = QLatin1Char('j');
    }
    return text.replace(QLatin1Char(' '), UnitSpace(language));
}

QString SecondsText(vrd::Millis length, Language language) {
    return LocaleOf(language)
        .toString(static_cast<double>(length) / vrd::kMillisPerSecond, 'g', 15)
        .remove(LocaleOf(language).groupSeparator());
}

QString TimeText(vrd::Millis time, Language language) {
    const std::string clock = vrd::FormatClock(time);
    return DayText(vrd::DayOfMinute(vrd::MinuteOfMillis(time)), language) + QLatin1Char(' ') +
           QString::fromStdString(clock);
}

QString DayText(vrd::Day day, Language language) {
    if (language == Language::English)
        return QString::fromStdString(vrd::FormatDay(day));
    const vrd::CivilDate date = vrd::CivilFromDay(day);
    return QStringLiteral("%1/%2/%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year, 4, 10, QLatin1Char('0'));
}

QString LevelText(std::optional<double> level, Language language) {
    return level ? LocaleOf(language).toString(*level, 'f', 1) : QString();
}

QString LevelText(std::optional<int> level) {
    return level ? QString::number(*level) : QString();
}

QString MaybeWholeLevelText(std::optional<double> level, Language language) {
    if (level && std::floor(*level) == *level)
        return QString::number(*level, 'f', 0);
    return LevelText(level, language);
}

QString SignedLevelText(double value, Language language) {
    const QString text = LocaleOf(language).toString(value, 'f', 1);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char('+') + text;
}

QString PercentText(std::optional<double> share, Language language) {
    return share ? QString::number(std::floor(*share * 100 + 0.5), 'f', 0) + UnitSpace(language) +
                       QStringLiteral("%")
                 : QString();
}

QString UnitSpace(Language language) {
    return language == Language::French ? QStringLiteral("\u00a0") : QStringLiteral(" ");
}

std::optional<vrd::Minute> ParseMinuteText(const QString& text) {
    const std::string typed = text.trimmed().toStdString();
    if (typed.size() == 16 && typed[10] == ' ') {
        // "12/05/2011 14:03", as a French reader writes it, or ISO with a space.
        const std::optional<vrd::Day> day = vrd::ParseRecordDate(typed.substr(0, 10));
        const std::optional<vrd::Minute> clock = vrd::ParseClockTime(typed.substr(11));
        if (day && clock)
            return vrd::StartOfDay(*day) + *clock;
        return vrd::ParseMinute(typed.substr(0, 10) + 'T' + typed.substr(11));
    }
    return vrd::ParseMinute(typed);
}

std::optional<vrd::Millis> ParseTimeText(const QString& text) {
    const QString typed = text.trimmed();
    const qsizetype seconds = typed.size() == 19 && typed[16] == QLatin1Char(':') ? 3 : 0;
    if (seconds == 0 && typed.size() != 16)
        return std::nullopt;
    const std::optional<vrd::Minute> minute = ParseMinuteText(typed.left(16));
    if (!minute)
        return std::nullopt;
    // The seconds read as the core reads them, on a minute it accepts.
    return vrd::ParseTime(vrd::FormatMinute(*minute) + typed.right(seconds).toStdString());
}
