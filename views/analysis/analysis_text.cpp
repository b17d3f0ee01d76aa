#include "views/analysis/analysis_text.h"

#include <cmath>
#include <string>

QString MinuteText(vrd::Minute minute) {
    QString text = QString::fromStdString(vrd::FormatMinute(minute));
    if (text.size() > 10)
        text[10] = QLatin1Char(' ');
    return text;
}

QString DayText(vrd::Day day) {
    return QString::fromStdString(vrd::FormatDay(day));
}

QString LevelText(std::optional<double> level) {
    return level ? QString::number(*level, 'f', 1) : QString();
}

QString LevelText(std::optional<int> level) {
    return level ? QString::number(*level) : QString();
}

QString PercentText(std::optional<double> share) {
    return share ? QString::number(std::floor(*share * 100 + 0.5), 'f', 0) + QStringLiteral(" %")
                 : QString();
}

std::optional<vrd::Minute> ParseMinuteText(const QString& text) {
    std::string typed = text.trimmed().toStdString();
    if (typed.size() == 16 && typed[10] == ' ')
        typed[10] = 'T';
    return vrd::ParseMinute(typed);
}
