#include "views/texts/mark_text.h"

#include "views/texts/analysis_text.h"

QString MarkKindText(vrd::MarkKind kind, Language language) {
    switch (kind) {
    case vrd::MarkKind::Source:
        return Translated(language, "MarkText", QT_TRANSLATE_NOOP("MarkText", "source"));
    case vrd::MarkKind::Residual:
        return Translated(language, "MarkText", QT_TRANSLATE_NOOP("MarkText", "residual"));
    case vrd::MarkKind::Exclude:
        break;
    }
    return Translated(language, "MarkText", QT_TRANSLATE_NOOP("MarkText", "excluded"));
}

QString IntervalText(const vrd::Interval& interval, Language language) {
    const QString from = MinuteText(interval.from, language);
    QString to = MinuteText(interval.to, language);
    if (to.left(10) == from.left(10))
        to = to.mid(11);
    return from + QStringLiteral(" – ") + to;
}

QString MarkPeriodText(const vrd::Mark& mark, Language language) {
    QString text = IntervalText(mark.interval, language);
    if (!mark.reason.empty())
        text += QStringLiteral(" (") + QString::fromStdString(mark.reason) + QLatin1Char(')');
    return text;
}

QString MarkText(const vrd::Mark& mark, Language language) {
    return MarkKindText(mark.kind, language) + QLatin1Char(' ') + MarkPeriodText(mark, language);
}
