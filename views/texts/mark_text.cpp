#include "views/texts/mark_text.h"

#include "views/texts/analysis_text.h"

#include <QStringList>

namespace {

// The marks named in full; past them a count.
constexpr std::size_t kMarksNamed = 5;

} // namespace

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

namespace {

QString FromTo(const QString& from, QString to) {
    if (to.left(10) == from.left(10))
        to = to.mid(11);
    return from + QStringLiteral(" – ") + to;
}

} // namespace

QString IntervalText(const vrd::Interval& interval, Language language) {
    return FromTo(MinuteText(interval.from, language), MinuteText(interval.to, language));
}

QString SpanText(const vrd::TimeSpan& span, Language language) {
    return FromTo(TimeText(span.start, language), TimeText(span.end, language));
}

QString MarkPeriodText(const vrd::Mark& mark, Language language) {
    QString text = SpanText(mark.span, language);
    if (!mark.reason.empty())
        text += QStringLiteral(" (") + QString::fromStdString(mark.reason) + QLatin1Char(')');
    return text;
}

QString MarkText(const vrd::Mark& mark, Language language) {
    return MarkKindText(mark.kind, language) + QLatin1Char(' ') + MarkPeriodText(mark, language);
}

QString MarksOutsideText(const std::vector<vrd::Mark>& marks, Language language) {
    if (marks.empty())
        return {};
    QStringList named;
    for (std::size_t i = 0; i < marks.size() && i < kMarksNamed; ++i)
        named.append(MarkText(marks[i], language));
    const char* outside =
        marks.size() == 1
            ? QT_TRANSLATE_NOOP("MarkText",
                                "1 mark lies outside the reports' minutes and changes no figure: ")
            : QT_TRANSLATE_NOOP("MarkText",
                                "%1 marks lie outside the reports' minutes and change no figure: ");
    QString text = Translated(language, "MarkText", outside);
    if (marks.size() != 1)
        text = text.arg(marks.size());
    text += named.join(QStringLiteral("; "));
    if (marks.size() > kMarksNamed)
        text += Translated(language, "MarkText", QT_TRANSLATE_NOOP("MarkText", "; and %1 more"))
                    .arg(marks.size() - kMarksNamed);
    return text + QLatin1Char('.');
}

QString MarksOutsideWarning(const std::vector<vrd::Mark>& marks, Language language) {
    if (marks.empty())
        return {};
    return MarksOutsideText(marks, language) + QLatin1Char(' ') +
           Translated(language, "MarkText",
                      QT_TRANSLATE_NOOP("MarkText", "They are kept; check their dates against the "
                                                    "reports' on the Files tab."));
}
