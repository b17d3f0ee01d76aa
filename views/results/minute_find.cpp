#include "views/results/minute_find.h"

#include "report/minute_record.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool AllDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// "5" and "05" as "05"; nullopt unless one or two digits.
std::optional<QString> TwoDigits(QStringView text) {
    if (!AllDigits(text) || text.size() > 2)
        return std::nullopt;
    return text.size() == 1 ? QLatin1Char('0') + text.toString() : text.toString();
}

std::optional<QString> ParseDate(QStringView token) {
    const QList<QStringView> parts = token.split(QLatin1Char('/'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const std::optional<QString> day = TwoDigits(parts[0]);
    const std::optional<QString> month = TwoDigits(parts[1]);
    if (!day || !month)
        return std::nullopt;
    QString date = *day % QLatin1Char('/') % *month % QLatin1Char('/');
    if (parts.size() == 3) {
        if (!AllDigits(parts[2]) || parts[2].size() != 4)
            return std::nullopt;
        date += parts[2];
    }
    return date;
}

std::optional<QString> ParseTime(QStringView token) {
    // "17h" is the whole hour, as the chart labels it.
    if (token.endsWith(QLatin1Char('h'), Qt::CaseInsensitive)) {
        const std::optional<QString> hour = TwoDigits(token.chopped(1));
        if (!hour)
            return std::nullopt;
        return *hour + QLatin1Char(':');
    }
    const QList<QStringView> parts = token.split(QLatin1Char(':'));
    if (parts.size() != 2 || parts[1].size() != 2 || !AllDigits(parts[1]))
        return std::nullopt;
    const std::optional<QString> hour = TwoDigits(parts[0]);
    if (!hour)
        return std::nullopt;
    return *hour % QLatin1Char(':') % parts[1];
}

} // namespace

bool MinuteQuery::Matches(QStringView line) const {
    using vrd::record_columns::kClockTime;
    using vrd::record_columns::kDate;
    const auto field = [line](vrd::ColumnSpan span) {
        return line.mid(static_cast<qsizetype>(span.Offset()),
                        static_cast<qsizetype>(span.Width()));
    };
    if (!date.isEmpty() && !field(kDate).startsWith(date))
        return false;
    return time.isEmpty() || field(kClockTime).startsWith(time);
}

std::optional<MinuteQuery> ParseMinuteQuery(QStringView text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,\\-]+"));
    MinuteQuery query;
    const QStringList tokens = text.toString().split(separators, Qt::SkipEmptyParts);
    if (tokens.isEmpty())
        return std::nullopt;
    for (const QString& token : tokens) {
        if (token.contains(QLatin1Char('/'))) {
            const std::optional<QString> date = ParseDate(token);
            if (!date || !query.date.isEmpty())
                return std::nullopt;
            query.date = *date;
        } else {
            const std::optional<QString> time = ParseTime(token);
            if (!time || !query.time.isEmpty())
                return std::nullopt;
            query.time = *time;
        }
    }
    return query;
}

int FindMinuteRow(const ReportRows& rows, vrd::ListId list, const MinuteQuery& query, int start) {
    const int count = rows.RowCount(list);
    if (count == 0)
        return -1;
    start = start < 0 ? 0 : start % count;
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (query.Matches(rows.RowText(list, row)))
            return row;
    }
    return -1;
}
