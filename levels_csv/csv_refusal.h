#pragma once
// Why a CSV export of levels was refused, or why one of its rows was not used: kinds with their
// values, so that each program words them in its own language, and the English wording of both.

#include "levels_csv/csv_time.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vrd {

// The columns a reader looks for.
enum class CsvColumnRole { Time, Level, L90 };

// Why a row was not used: it counts as unreadable.
enum class CsvRowProblem {
    FieldMissing,    // the row ends before the column
    TimeUnreadable,  // the time field is no date and clock time
    LevelNotNumber,  // the level field is no number
    LevelOutOfRange, // the level is outside kLowestCsvLevel..kHighestCsvLevel
};

struct CsvBadLine {
    std::int64_t line = 0; // from 1
    CsvRowProblem problem = CsvRowProblem::FieldMissing;
    int column = 0;   // from 1: the column missing or not read
    std::string text; // the field as written, in UTF-8, cut to a few dozen bytes
};

enum class CsvRefusalKind {
    Empty,               // no bytes, or blank lines only
    Utf16,               // UTF-16 text
    NoHeader,            // no row naming the columns above the first row with a time (line)
    NoRows,              // the header (line) is followed by no row
    ColumnNotFound,      // no header names the role's column
    ColumnAmbiguous,     // several headers (columns) fit the role equally well
    ChosenColumnMissing, // the column chosen for role (chosen: a name or a number) is not there
    NoReadableRow,       // rows, every one unreadable (unreadable, badLines)
    SingleTime,          // one row with a time (line): no step between samples
    AllTimesEqual,       // every row has the same time (time): a step of 0
    StepOutOfRange,      // the step found (step) is outside kShortestStep..kLongestStep
    Cancelled,           // the progress callback said stop
};

// The steps a file's samples may have.
constexpr Millis kShortestStep = 100;
constexpr Millis kLongestStep = kMillisPerHour;

struct CsvRefusal {
    CsvRefusalKind kind = CsvRefusalKind::Empty;
    std::string file; // as the caller named it
    CsvColumnRole role = CsvColumnRole::Level;
    std::int64_t line = 0;
    std::vector<std::string> headers; // every header of the file, in UTF-8, when known
    std::vector<int> columns;         // from 0: the headers that fit equally
    std::string chosen;
    Millis time = 0;
    Millis step = 0;
    std::int64_t unreadable = 0;
    std::vector<CsvBadLine> badLines;
};

// The option of vrdtool that chooses the column of role ("--level-column", "--l90-column"); ""
// for the time, which is found from the rows.
const char* CsvColumnOption(CsvColumnRole role);

// "line 12: the level "abc" is no number".
std::string DescribeCsvBadLine(const CsvBadLine& bad);
// "FILE: reason", in one or two sentences.
std::string DescribeCsvRefusal(const CsvRefusal& refusal);

} // namespace vrd
