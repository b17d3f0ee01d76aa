#include "views/texts/csv_refusal_text.h"

#include "levels_csv/level_number.h"
#include "views/texts/analysis_text.h"

namespace {

constexpr const char* kContext = "CsvRefusal";

QString T(Language language, const char* source) {
    return Translated(language, kContext, source);
}

QString Of(const std::string& text) {
    return QString::fromStdString(text);
}

QString Quoted(const std::string& text) {
    return u'"' + Of(text) + u'"';
}

QString WhatRoleHolds(vrd::CsvColumnRole role, Language language) {
    switch (role) {
    case vrd::CsvColumnRole::Time:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the time"));
    case vrd::CsvColumnRole::Level:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the A-weighted Leq"));
    case vrd::CsvColumnRole::L90:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the LA90"));
    }
    return {};
}

QString HeaderList(const std::vector<std::string>& headers, Language language) {
    QStringList list;
    for (const std::string& header : headers)
        list << Quoted(header);
    return list.isEmpty() ? T(language, QT_TRANSLATE_NOOP("CsvRefusal", "none"))
                          : list.join(QStringLiteral(", "));
}

QString ColumnList(const vrd::CsvRefusal& refusal, Language language) {
    QStringList list;
    for (const int column : refusal.columns) {
        QString text;
        if (column >= 0 && static_cast<std::size_t>(column) < refusal.headers.size())
            text = Quoted(refusal.headers[static_cast<std::size_t>(column)]) + u' ';
        list << text + T(language, QT_TRANSLATE_NOOP("CsvRefusal", "(column %1)")).arg(column + 1);
    }
    return list.join(QStringLiteral(", "));
}

QString BadLineText(const vrd::CsvBadLine& bad, Language language) {
    QString text;
    switch (bad.problem) {
    case vrd::CsvRowProblem::FieldMissing:
        text = T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the row has no column %1"))
                   .arg(bad.column);
        break;
    case vrd::CsvRowProblem::TimeUnreadable:
        text = T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the time %1 cannot be read"))
                   .arg(Quoted(bad.text));
        break;
    case vrd::CsvRowProblem::LevelNotNumber:
        text = T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the level %1 is no number"))
                   .arg(Quoted(bad.text));
        break;
    case vrd::CsvRowProblem::LevelOutOfRange:
        text = T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the level %1 is outside %2..%3 dB"))
                   .arg(Of(bad.text))
                   .arg(static_cast<int>(vrd::kLowestCsvLevel))
                   .arg(static_cast<int>(vrd::kHighestCsvLevel));
        break;
    }
    const QString colon =
        language == Language::French ? QStringLiteral("\u00a0: ") : QStringLiteral(": ");
    return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "line %1")).arg(bad.line) + colon + text;
}

} // namespace

QString CsvRefusalText(const vrd::CsvRefusal& refusal, Language language) {
    using K = vrd::CsvRefusalKind;
    switch (refusal.kind) {
    case K::Empty:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the file holds no rows"));
    case K::Utf16:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "the file is UTF-16 text; export it "
                                                           "as UTF-8 or Latin-1 CSV"));
    case K::NoHeader:
        if (refusal.line > 0)
            return T(language,
                     QT_TRANSLATE_NOOP("CsvRefusal", "no header row naming the columns above the "
                                                     "first row with a time (line %1)"))
                .arg(refusal.line);
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal",
                                             "no header row naming the columns followed by rows "
                                             "with a date and a time (such as 2025-03-22 "
                                             "00:00:00) in the first lines"));
    case K::NoRows:
        return T(language,
                 QT_TRANSLATE_NOOP("CsvRefusal", "the header (line %1) is followed by no rows of "
                                                 "levels"))
            .arg(refusal.line);
    case K::ColumnNotFound:
        return T(language,
                 QT_TRANSLATE_NOOP("CsvRefusal", "no column holds %1 (headers: %2); choose one "
                                                 "among the columns"))
            .arg(WhatRoleHolds(refusal.role, language), HeaderList(refusal.headers, language));
    case K::ColumnAmbiguous:
        return T(language,
                 QT_TRANSLATE_NOOP("CsvRefusal", "several columns could hold %1: %2; choose one "
                                                 "among the columns"))
            .arg(WhatRoleHolds(refusal.role, language), ColumnList(refusal, language));
    case K::ChosenColumnMissing:
        return T(language,
                 QT_TRANSLATE_NOOP("CsvRefusal", "the column %1 chosen for %2 is not there "
                                                 "(headers: %3)"))
            .arg(Quoted(refusal.chosen), WhatRoleHolds(refusal.role, language),
                 HeaderList(refusal.headers, language));
    case K::NoReadableRow: {
        QString text =
            T(language, QT_TRANSLATE_NOOP("CsvRefusal", "none of its %1 rows could be read"))
                .arg(refusal.unreadable);
        for (const vrd::CsvBadLine& bad : refusal.badLines)
            text += QStringLiteral("; ") + BadLineText(bad, language);
        return text;
    }
    case K::SingleTime:
        return T(language,
                 QT_TRANSLATE_NOOP("CsvRefusal", "only one row has a time (line %1): the step "
                                                 "between samples cannot be found"))
            .arg(refusal.line);
    case K::AllTimesEqual:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal",
                                             "every row has the same time, %1: the step between "
                                             "samples cannot be found"))
            .arg(MillisText(refusal.time, language));
    case K::StepOutOfRange:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal",
                                             "the step between samples (the most common "
                                             "difference between times) is %1, outside %2 to %3"))
            .arg(StepText(refusal.step, language), StepText(vrd::kShortestStep, language),
                 StepText(vrd::kLongestStep, language));
    case K::Cancelled:
        return T(language, QT_TRANSLATE_NOOP("CsvRefusal", "reading cancelled"));
    }
    return {};
}
