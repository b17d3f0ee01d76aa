#include "options/analysis_file_problem.h"

#include "analysis/exclusion_file.h"
#include "options/analysis_file.h"

namespace vrd {

namespace {

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return list;
}

std::string ExpectationText(const AnalysisFileProblem& problem) {
    switch (problem.expected) {
    case AnalysisFileExpectation::FormatName:
        return "\"" + std::string(kAnalysisFormat) + "\"";
    case AnalysisFileExpectation::Version:
        return "a whole number from 1";
    case AnalysisFileExpectation::ReportList:
        return "a list of the paths of reports";
    case AnalysisFileExpectation::ReportPath:
        return "the path of a report";
    case AnalysisFileExpectation::TrueOrFalse:
        return "true or false";
    case AnalysisFileExpectation::MinuteTime:
        return "a time yyyy-mm-ddThh:mm[:ss]";
    case AnalysisFileExpectation::Level:
        return "a level in dB or null";
    case AnalysisFileExpectation::Share:
        return "a share from 0 to 1";
    case AnalysisFileExpectation::NameOrNull:
        return NameList(problem.names) + " or null";
    case AnalysisFileExpectation::PeriodHours:
        return "[D, E, N], the hours that start the day, the evening and the night";
    case AnalysisFileExpectation::Penalties:
        return "[PE, PN], the evening and night penalties in dB";
    case AnalysisFileExpectation::MarkList:
        return "a list of marks";
    case AnalysisFileExpectation::MarkObject:
        return "a mark {\"kind\", \"from\", \"to\", \"reason\"}";
    case AnalysisFileExpectation::KindName:
        return "exclude, source or residual";
    case AnalysisFileExpectation::CsvColumns:
        return "an object of the CSV exports' columns by file";
    case AnalysisFileExpectation::ColumnsOfFile:
        return "the columns of an export {\"time\", \"clock\", \"level\", \"l90\", \"stamp\"}";
    case AnalysisFileExpectation::ColumnChoice:
        return "a header or a column number from 1";
    case AnalysisFileExpectation::StampName:
        return "start or end";
    case AnalysisFileExpectation::Text:
        break;
    }
    return "a text";
}

std::string Reason(const AnalysisFileProblem& problem) {
    switch (problem.kind) {
    case AnalysisFileProblemKind::CannotRead:
        return problem.failure ? problem.failure->reason : std::string();
    case AnalysisFileProblemKind::NotJson:
        return "not a JSON document: " + problem.detail;
    case AnalysisFileProblemKind::NotAnObject:
        return "expects a JSON object with \"format\": \"" + std::string(kAnalysisFormat) +
               "\", not " + problem.value;
    case AnalysisFileProblemKind::FormatMissing:
        return "is missing: this is no analysis file, whose \"format\" is \"" +
               std::string(kAnalysisFormat) + "\"";
    case AnalysisFileProblemKind::Expected:
        return "expects " + ExpectationText(problem) + ", not " + problem.value;
    case AnalysisFileProblemKind::VersionTooNew:
        return problem.value + " is newer than this program reads (" +
               std::to_string(problem.number) + "): open it with a newer version of the program";
    case AnalysisFileProblemKind::ToNotAfterFrom:
        return problem.value + " must be after from " + problem.detail;
    case AnalysisFileProblemKind::PeriodsOutOfOrder:
        return std::string(PeriodsProblemText(problem.periods)) + ", not " + problem.value;
    case AnalysisFileProblemKind::NotThePresetsPeriods:
        return problem.value + " are not those of the preset \"" + problem.detail +
               "\": give \"preset\": null to set them by hand";
    case AnalysisFileProblemKind::MarkEndMissing:
        return "is missing: a mark needs its from and its to";
    case AnalysisFileProblemKind::MarkToNotAfterFrom:
        return problem.value + " must be after its from " + problem.detail;
    case AnalysisFileProblemKind::MarksOverlap:
        return "the source interval " + FormatSpan(problem.source) +
               " overlaps the residual interval " + FormatSpan(problem.residual) + " of marks[" +
               std::to_string(problem.number) +
               "]; a minute is heard with the source or without it, not both";
    case AnalysisFileProblemKind::PathNotUtf8:
        break;
    }
    return "the path " + problem.detail + " is not UTF-8, which an analysis file cannot hold";
}

} // namespace

std::string AnalysisFileProblemText(const AnalysisFileProblem& problem) {
    const std::string reason = Reason(problem);
    return problem.key.empty() ? reason : problem.key + ": " + reason;
}

} // namespace vrd
