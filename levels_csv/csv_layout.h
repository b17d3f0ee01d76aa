#pragma once
// How a CSV export of levels is laid out: its encoding and separator, the row naming its columns,
// and which columns hold the time, the level and the LA90.
//
// The header is the first row, among the file's first lines, that has two fields or more and no
// date, followed by a row that has a date and a time: in one field ("2025-03-22 00:00:00"), or a
// date in one and a clock time in another. Lines above it (a meter's own notes) are passed over.
// Its separator is the one of tab, ';' and ',' that splits the header and that row alike and makes
// that row's time readable. The time is the first such field of that row, or the first date with
// the first clock time after it; the level and LA90 columns are the headers that fit best
// (HeaderFit), unless chosen.

#include "levels_csv/csv_refusal.h"
#include "levels_csv/csv_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrd {

// How a column is chosen: found from the headers and rows, by its header, by its number from 1,
// or none at all (for the LA90 only).
struct CsvColumnChoice {
    enum class By { Found, Name, Number, None };
    By by = By::Found;
    std::string name;
    int number = 0;
};

// A choice as typed after --level-column or --l90-column: digits give a number, "none" no
// column, anything else a header.
CsvColumnChoice ParseCsvColumnChoice(std::string_view text);

// Whether a row's time is the start of its sample, or the end (--stamp end).
enum class CsvStamp { Start, End };

struct CsvReadOptions {
    CsvStamp stamp = CsvStamp::Start;
    CsvColumnChoice time;  // the date and time, or the date when clock is chosen too
    CsvColumnChoice clock; // the clock time, apart from the date
    CsvColumnChoice level;
    CsvColumnChoice l90;
};

// Columns from 0; -1 for none.
struct CsvColumns {
    int time = -1;  // the date and time, or the date alone when clock is not -1
    int clock = -1; // the clock time of a date apart
    int level = -1;
    int l90 = -1;
};

struct CsvLayout {
    CsvEncoding encoding = CsvEncoding::Utf8;
    bool byteOrderMark = false;
    char separator = ',';
    std::int64_t headerLine = 0;      // from 1
    std::vector<std::string> headers; // UTF-8, without blanks around them
    CsvColumns columns;
    // The headers that fit the level and the LA90 (HeaderFit above 0), the best first, then in
    // column order: what a user may choose from.
    std::vector<int> levelCandidates;
    std::vector<int> l90Candidates;
    // Where the rows start: the byte after the header's line feed, and that line's number.
    std::size_t rowsStart = 0;
    std::int64_t rowsLine = 0;
};

struct CsvLayoutFound {
    CsvLayout layout; // as far as it was found: the headers are there as soon as the header is
    std::optional<CsvRefusal> refusal;
};

// bytes: the whole file or its first bytes (bytesAreWhole false), whose last line may be cut.
CsvLayoutFound FindCsvLayout(std::string_view bytes, bool bytesAreWhole, std::string_view fileName,
                             const CsvReadOptions& options);

} // namespace vrd
