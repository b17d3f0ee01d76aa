#include "views/analysis/mark_text.h"

#include "views/analysis/analysis_text.h"

#include <QCoreApplication>

QString MarkKindText(vrd::MarkKind kind) {
    switch (kind) {
    case vrd::MarkKind::Source:
        return QCoreApplication::translate("MarkText", "source");
    case vrd::MarkKind::Residual:
        return QCoreApplication::translate("MarkText", "residual");
    case vrd::MarkKind::Exclude:
        break;
    }
    return QCoreApplication::translate("MarkText", "excluded");
}

QString IntervalText(const vrd::Interval& interval) {
    const QString from = MinuteText(interval.from);
    QString to = MinuteText(interval.to);
    if (to.left(10) == from.left(10))
        to = to.mid(11);
    return from + QStringLiteral(" – ") + to;
}

QString MarkPeriodText(const vrd::Mark& mark) {
    QString text = IntervalText(mark.interval);
    if (!mark.reason.empty())
        text += QStringLiteral(" (") + QString::fromStdString(mark.reason) + QLatin1Char(')');
    return text;
}

QString MarkText(const vrd::Mark& mark) {
    return MarkKindText(mark.kind) + QLatin1Char(' ') + MarkPeriodText(mark);
}
