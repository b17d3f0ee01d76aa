#include "views/texts/core_reason_text.h"

#include "options/analysis_file.h"

#include <cerrno>

namespace {

constexpr const char* kContext = "CoreReason";

QString T(Language language, const char* source) {
    return Translated(language, kContext, source);
}

QString Of(const std::string& text) {
    return QString::fromStdString(text);
}

QString Colon(Language language) {
    return language == Language::French ? QStringLiteral("\u00a0: ") : QStringLiteral(": ");
}

QString AtLine(std::int64_t line, Language language, const QString& reason) {
    return T(language, QT_TRANSLATE_NOOP("CoreReason", "line %1")).arg(line) + Colon(language) +
           reason;
}

// The system's own message is in English; the common ones are worded again.
QString SystemText(const vrd::Failure& failure, Language language) {
    if (language == Language::English)
        return Of(failure.text);
    switch (failure.number) {
    case ENOENT:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "No such file or directory"));
    case EACCES:
    case EPERM:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "Permission denied"));
    case ENOTDIR:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "Not a directory"));
    case ENOSPC:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "No space left on device"));
    case EROFS:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "Read-only file system"));
    default:
        return Of(failure.text);
    }
}

QString IntervalForm(Language language) {
    return T(language,
             QT_TRANSLATE_NOOP("CoreReason", "an interval FROM/TO of the form "
                                             "yyyy-mm-ddThh:mm[:ss]/yyyy-mm-ddThh:mm[:ss] with "
                                             "FROM before TO"));
}

QString Or(Language language) {
    return T(language, QT_TRANSLATE_NOOP("CoreReason", " or "));
}

QString NameList(const std::vector<std::string>& names, Language language) {
    QString list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0                  ? QString()
                 : i + 1 == names.size() ? Or(language)
                                         : QStringLiteral(", ")) +
                Of(names[i]);
    return list;
}

QString ExpectationText(const vrd::AnalysisFileProblem& problem, Language language) {
    using E = vrd::AnalysisFileExpectation;
    switch (problem.expected) {
    case E::FormatName:
        return u'"' + QLatin1String(vrd::kAnalysisFormat) + u'"';
    case E::Version:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a whole number from 1"));
    case E::ReportList:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a list of the paths of reports"));
    case E::ReportPath:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "the path of a report"));
    case E::TrueOrFalse:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "true or false"));
    case E::MinuteTime:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a time yyyy-mm-ddThh:mm[:ss]"));
    case E::Level:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a level in dB or null"));
    case E::Share:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a share from 0 to 1"));
    case E::NameOrNull:
        return NameList(problem.names, language) + Or(language) + QStringLiteral("null");
    case E::PeriodHours:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "[D, E, N], the hours that start the "
                                                           "day, the evening and the night"));
    case E::Penalties:
        return T(language, QT_TRANSLATE_NOOP("CoreReason",
                                             "[PE, PN], the evening and night penalties in dB"));
    case E::MarkList:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a list of marks"));
    case E::MarkObject:
        return T(language, QT_TRANSLATE_NOOP("CoreReason",
                                             "a mark {\"kind\", \"from\", \"to\", \"reason\"}"));
    case E::KindName:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "exclude, source or residual"));
    case E::CsvColumns:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "an object of the CSV exports' columns by file"));
    case E::ColumnsOfFile:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "the columns of an export {\"time\", \"clock\", "
                                                 "\"level\", \"l90\", \"stamp\"}"));
    case E::ColumnChoice:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "a header or a column number from 1"));
    case E::StampName:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "start or end"));
    case E::Text:
        break;
    }
    return T(language, QT_TRANSLATE_NOOP("CoreReason", "a text"));
}

QString PeriodsText(vrd::PeriodsProblem problem, Language language) {
    if (problem == vrd::PeriodsProblem::PenaltiesNotNumbers)
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "the penalties must be numbers of dB"));
    return T(language,
             QT_TRANSLATE_NOOP("CoreReason", "the day, evening and night hours must be increasing "
                                             "within 0..23, the day before the evening (an empty "
                                             "evening has evening = night)"));
}

QString AnalysisReason(const vrd::AnalysisFileProblem& problem, Language language) {
    using K = vrd::AnalysisFileProblemKind;
    const QString value = Of(problem.value);
    const QString detail = Of(problem.detail);
    const QString format = QLatin1String(vrd::kAnalysisFormat);
    switch (problem.kind) {
    case K::CannotRead:
        return problem.failure ? FailureText(*problem.failure, language) : QString();
    case K::NotJson:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "not a JSON document: %1")).arg(detail);
    case K::NotAnObject:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason",
                                   "expects a JSON object with \"format\": \"%1\", not %2"))
            .arg(format, value);
    case K::FormatMissing:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "is missing: this is no analysis file, "
                                                           "whose \"format\" is \"%1\""))
            .arg(format);
    case K::Expected:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "expects %1, not %2"))
            .arg(ExpectationText(problem, language), value);
    case K::VersionTooNew:
        return T(language, QT_TRANSLATE_NOOP("CoreReason",
                                             "%1 is newer than this program reads (%2): open it "
                                             "with a newer version of the program"))
            .arg(value)
            .arg(problem.number);
    case K::ToNotAfterFrom:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "%1 must be after from %2"))
            .arg(value, detail);
    case K::PeriodsOutOfOrder:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "%1, not %2"))
            .arg(PeriodsText(problem.periods, language), value);
    case K::NotThePresetsPeriods:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "%1 are not those of the preset \"%2\": give "
                                                 "\"preset\": null to set them by hand"))
            .arg(value, detail);
    case K::MarkEndMissing:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "is missing: a mark needs its from and its to"));
    case K::MarkToNotAfterFrom:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "%1 must be after its from %2"))
            .arg(value, detail);
    case K::MarksOverlap:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "the source interval %1 overlaps the residual "
                                                 "interval %2 of marks[%3]; a minute is heard with "
                                                 "the source or without it, not both"))
            .arg(Of(vrd::FormatSpan(problem.source)), Of(vrd::FormatSpan(problem.residual)))
            .arg(problem.number);
    case K::PathNotUtf8:
        break;
    }
    return T(language, QT_TRANSLATE_NOOP("CoreReason",
                                         "the path %1 is not UTF-8, which an analysis file cannot "
                                         "hold"))
        .arg(detail);
}

} // namespace

QString FailureText(const vrd::Failure& failure, Language language) {
    using K = vrd::FailureKind;
    const QString text = Of(failure.text);
    switch (failure.kind) {
    case K::Other:
        return Of(failure.reason);
    case K::System:
        return SystemText(failure, language);
    case K::NoFileName:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "no file name given"));
    case K::Folder:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "it is a folder, not a file"));
    case K::Device:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "it is a device, not a file"));
    case K::TooLarge:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "the file is larger than 4 GiB"));
    case K::NoMemoryToRead:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "there is not enough memory to read it"));
    case K::NoMemoryToAnalyse:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "there is not enough memory to analyse it"));
    case K::Unexpected:
        return text.isEmpty() ? T(language, QT_TRANSLATE_NOOP("CoreReason", "an unexpected error"))
                              : text;
    case K::Empty:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "the file is empty"));
    case K::NoTableEnd:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "no \"@\" ends the code table within "
                                                           "the first 257 bytes"));
    case K::CodeWordTooLong:
        return T(language, QT_TRANSLATE_NOOP("CoreReason",
                                             "the code word at byte %1 has %2 count characters; a "
                                             "table has at most 256 entries"))
            .arg(failure.position)
            .arg(failure.number);
    case K::LevelNotANumber:
        return AtLine(
            failure.line, language,
            T(language, QT_TRANSLATE_NOOP("CoreReason", "the level \"%1\" is not a number"))
                .arg(text));
    case K::LevelBeyond16Bits:
        return AtLine(
            failure.line, language,
            T(language, QT_TRANSLATE_NOOP("CoreReason", "the level %1 does not fit 16 bits"))
                .arg(text));
    case K::LevelBeyond32Bits:
        return AtLine(
            failure.line, language,
            T(language, QT_TRANSLATE_NOOP("CoreReason", "the level %1 does not fit 32 bits"))
                .arg(text));
    case K::RunningLevel:
        return AtLine(failure.line, language, text);
    case K::NoLevelRecord:
        return T(language, QT_TRANSLATE_NOOP("CoreReason",
                                             "the 1 minute section holds no level record, so there "
                                             "are no running 5- and 10-minute maxima to list"));
    case K::NoReport:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "holds no report: none of its lines is "
                                                           "a section heading"));
    case K::NoMemoryToList:
        return T(language,
                 QT_TRANSLATE_NOOP("CoreReason", "there is not enough memory to list the report"));
    case K::ReadCancelled:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "reading the report was cancelled"));
    case K::DecodeCancelled:
        return T(language, QT_TRANSLATE_NOOP("CoreReason", "decoding was cancelled"));
    }
    return Of(failure.reason);
}

QString MarksFileProblemText(const vrd::MarksFileProblem& problem, Language language) {
    using K = vrd::MarksFileProblemKind;
    const auto line = static_cast<std::int64_t>(problem.line);
    switch (problem.kind) {
    case K::NoIntervalAfterKind:
        return AtLine(
            line, language,
            T(language, QT_TRANSLATE_NOOP("CoreReason", "\"%1\" is not followed by %2"))
                .arg(QLatin1String(vrd::MarkKindName(problem.markKind)), IntervalForm(language)));
    case K::NotAnInterval:
        return AtLine(line, language,
                      T(language, QT_TRANSLATE_NOOP("CoreReason", "\"%1\" is not %2"))
                          .arg(Of(problem.word), IntervalForm(language)));
    case K::NotAnIntervalNorAKind:
        break;
    }
    return AtLine(line, language,
                  T(language, QT_TRANSLATE_NOOP("CoreReason", "\"%1\" is not %2, nor a kind "
                                                              "(exclude, source or residual) "
                                                              "before one"))
                      .arg(Of(problem.word), IntervalForm(language)));
}

QString AnalysisFileProblemText(const vrd::AnalysisFileProblem& problem, Language language) {
    const QString reason = AnalysisReason(problem, language);
    return problem.key.empty() ? reason : Of(problem.key) + Colon(language) + reason;
}
