#pragma once
// Why an analysis file (.vrda) cannot be read or saved, as a kind with its values, so that the
// window words it in its own language; the English wording is the one vrdtool prints.

#include "analysis/analysis_settings.h"
#include "report/failure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrd {

// Why an analysis file cannot be read or saved, for a program to word in its own language. The
// key is where in the document ("marks[2].from", "files[0]"), empty for the whole document; value
// is what stands there as JSON text, cut after 60 characters with "...".
enum class AnalysisFileProblemKind {
    CannotRead,           // failure says why the file could not be read
    NotJson,              // detail: the JSON parser's own message, in English
    NotAnObject,          // the document is value
    FormatMissing,        // key "format"
    Expected,             // value at key is not what expected names
    VersionTooNew,        // key "version": value is above number, the newest version read
    ToNotAfterFrom,       // key "to": value is not after detail, the value of "from"
    PeriodsOutOfOrder,    // key "periods": value, and periods says what is wrong
    NotThePresetsPeriods, // key "periods" or "penalties": value is not those of the preset detail
    MarkEndMissing,       // key "marks[i].from" or "marks[i].to"
    MarkToNotAfterFrom,   // key "marks[i].to": value is not after detail, the mark's from
    MarksOverlap,         // key "marks[i]": its source interval overlaps the residual one of
                          // marks[number]
    PathNotUtf8,          // saving, key "files[i]": the report's path, detail, is not UTF-8
};

// What an Expected value should have been.
enum class AnalysisFileExpectation {
    FormatName,    // "vrd-analysis"
    Version,       // a whole number from 1
    ReportList,    // a list of the paths of reports
    ReportPath,    // the path of a report
    TrueOrFalse,   // true or false
    MinuteTime,    // a time yyyy-mm-ddThh:mm[:ss]
    Level,         // a level in dB or null
    Share,         // a share from 0 to 1
    NameOrNull,    // one of names, or null
    PeriodHours,   // [D, E, N]
    Penalties,     // [PE, PN]
    MarkList,      // a list of marks
    MarkObject,    // a mark {"kind", "from", "to", "reason"}
    KindName,      // exclude, source or residual
    Text,          // a text
    CsvColumns,    // an object of the CSV exports' columns by file
    ColumnsOfFile, // the columns of one export {"time", "clock", "level", "l90", "stamp"}
    ColumnChoice,  // a header or a column number from 1 ("none" too for "l90")
    StampName,     // start or end
};

struct AnalysisFileProblem {
    AnalysisFileProblemKind kind = AnalysisFileProblemKind::Expected;
    std::string key;
    std::string value;
    std::string detail;
    AnalysisFileExpectation expected = AnalysisFileExpectation::Text;
    std::vector<std::string> names;                           // NameOrNull
    PeriodsProblem periods = PeriodsProblem::HoursOutOfOrder; // PeriodsOutOfOrder
    TimeSpan source;                                          // MarksOverlap
    TimeSpan residual;                                        // MarksOverlap
    std::int64_t number = 0;
    std::optional<Failure> failure; // CannotRead
};

// The problem in English, as vrdtool prints it: "KEY: reason", or the reason alone without a key.
std::string AnalysisFileProblemText(const AnalysisFileProblem& problem);

} // namespace vrd
