#include "levels_csv/csv_layout.h"

#include "levels_csv/column_names.h"
#include "levels_csv/csv_time.h"

#include <algorithm>

namespace vrd {

namespace {

// The header is looked for in the file's first bytes, and the row after it read at most this far
// on, so that a file of junk costs no more than these bytes before it is refused.
constexpr std::size_t kHeaderWindow = std::size_t{64} << 10;
constexpr std::size_t kRowWindow = std::size_t{128} << 10;

constexpr char kSeparators[] = {'\t', ';', ','};

struct Record {
    std::size_t start = 0;
    std::size_t end = 0; // its line feed, or the end of the text
    std::int64_t line = 0;
    std::int64_t lines = 1; // physical lines it spans
    std::string_view text;  // without the last carriage return and line feed
};

bool IsBlank(std::string_view text) {
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r')
            return false;
    }
    return true;
}

// The record at start of text: one line, or more while a quote is open, for the header's fields
// may hold line feeds.
Record RecordAt(std::string_view text, std::size_t start, std::int64_t line, bool quotesSpanLines) {
    Record record;
    record.start = start;
    record.line = line;
    std::size_t end = LineEnd(text, start);
    if (quotesSpanLines) {
        std::size_t quotes = static_cast<std::size_t>(
            std::count(text.begin() + static_cast<std::ptrdiff_t>(start),
                       text.begin() + static_cast<std::ptrdiff_t>(end), '"'));
        while (quotes % 2 == 1 && end < text.size()) {
            const std::size_t next = LineEnd(text, end + 1);
            quotes += static_cast<std::size_t>(
                std::count(text.begin() + static_cast<std::ptrdiff_t>(end + 1),
                           text.begin() + static_cast<std::ptrdiff_t>(next), '"'));
            end = next;
            ++record.lines;
        }
    }
    record.end = end;
    record.text = LineAt(text, start, end);
    return record;
}

std::vector<std::string> SplitFields(std::string_view record, char separator) {
    std::vector<std::string> fields;
    FieldReader reader(record, separator);
    RawField field;
    std::string buffer;
    while (reader.Next(field))
        fields.emplace_back(TrimBlanks(FieldText(field, buffer)));
    return fields;
}

bool HasTwoFields(std::string_view record) {
    for (const char separator : kSeparators) {
        if (CountFields(record, separator) >= 2)
            return true;
    }
    return false;
}

bool HasDate(const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        if (ParseCsvDate(field) || ParseCsvDateTime(field))
            return true;
    }
    return false;
}

// The time columns of a row of levels: a date and time in one field, else a date and the first
// clock time after it (or before it).
CsvColumns TimeColumnsOf(const std::vector<std::string>& fields) {
    CsvColumns columns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (ParseCsvDateTime(fields[i])) {
            columns.time = static_cast<int>(i);
            return columns;
        }
    }
    for (std::size_t i = 0; i < fields.size() && columns.time < 0; ++i) {
        if (ParseCsvDate(fields[i]))
            columns.time = static_cast<int>(i);
    }
    if (columns.time < 0)
        return columns;
    const auto date = static_cast<std::size_t>(columns.time);
    for (std::size_t k = 1; k < fields.size(); ++k) {
        const std::size_t i = (date + k) % fields.size();
        if (ParseCsvClock(fields[i])) {
            columns.clock = static_cast<int>(i);
            return columns;
        }
    }
    columns.time = -1;
    return columns;
}

// Whether a header has a column for the level: one whose header fits, or the one chosen.
bool NamesLevel(const std::vector<std::string>& fields, CsvEncoding encoding,
                const CsvColumnChoice& choice);

struct HeaderFound {
    Record header;
    char separator = ',';
    std::vector<std::string> headerFields;
    std::vector<std::string> rowFields;
    CsvColumns timeColumns;
};

// Whether header and row, split at separator, are a header and a row of levels.
bool TryHeader(const Record& header, const Record& row, char separator, HeaderFound& found) {
    std::vector<std::string> headerFields = SplitFields(header.text, separator);
    if (headerFields.size() < 2 || HasDate(headerFields))
        return false;
    std::vector<std::string> rowFields = SplitFields(row.text, separator);
    const CsvColumns time = TimeColumnsOf(rowFields);
    if (time.time < 0)
        return false;
    found.header = header;
    found.separator = separator;
    found.headerFields = std::move(headerFields);
    found.rowFields = std::move(rowFields);
    found.timeColumns = time;
    return true;
}

// The separators to try for a header and the row after it: those that split both into the same
// number of fields first, then those giving more fields, in the order tab, ';', ','.
std::vector<char> SeparatorsToTry(std::string_view header, std::string_view row) {
    struct Option {
        char separator;
        bool same;
        std::size_t fields;
        int order;
    };
    std::vector<Option> options;
    for (int i = 0; i < 3; ++i) {
        const char separator = kSeparators[i];
        const std::size_t fields = CountFields(header, separator);
        if (fields >= 2)
            options.push_back({separator, fields == CountFields(row, separator), fields, i});
    }
    std::sort(options.begin(), options.end(), [](const Option& a, const Option& b) {
        if (a.same != b.same)
            return a.same;
        if (a.fields != b.fields)
            return a.fields > b.fields;
        return a.order < b.order;
    });
    std::vector<char> separators;
    for (const Option& option : options)
        separators.push_back(option.separator);
    return separators;
}

CsvRefusal Refusal(CsvRefusalKind kind, std::string_view fileName) {
    CsvRefusal refusal;
    refusal.kind = kind;
    refusal.file = std::string(fileName);
    return refusal;
}

// The column chosen by name (the header as written, else as folded, in any case) or number;
// nullopt when none is, the ambiguous ones in ties.
std::optional<int> ChosenColumn(const CsvColumnChoice& choice,
                                const std::vector<std::string>& headers, std::vector<int>& ties) {
    if (choice.by == CsvColumnChoice::By::Number) {
        if (choice.number >= 1 && static_cast<std::size_t>(choice.number) <= headers.size())
            return choice.number - 1;
        return std::nullopt;
    }
    const std::string wanted = HeaderKey(FoldHeader(choice.name));
    for (int pass = 0; pass < 2 && ties.empty(); ++pass) {
        for (std::size_t i = 0; i < headers.size(); ++i) {
            const bool same = pass == 0
                                  ? headers[i] == TrimBlanks(choice.name)
                                  : !wanted.empty() && HeaderKey(FoldHeader(headers[i])) == wanted;
            if (same)
                ties.push_back(static_cast<int>(i));
        }
    }
    if (ties.size() == 1) {
        const int column = ties.front();
        ties.clear();
        return column;
    }
    return std::nullopt;
}

// The headers that fit quantity, the best first; columns already taken are left out.
std::vector<int> Candidates(const std::vector<std::string>& folded, LevelQuantity quantity,
                            const CsvColumns& taken, std::vector<int>& fits) {
    std::vector<int> candidates;
    fits.assign(folded.size(), 0);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const int column = static_cast<int>(i);
        if (column == taken.time || column == taken.clock || column == taken.level)
            continue;
        fits[i] = HeaderFit(folded[i], quantity);
        if (fits[i] > 0)
            candidates.push_back(column);
    }
    std::stable_sort(candidates.begin(), candidates.end(), [&](int a, int b) {
        return fits[static_cast<std::size_t>(a)] > fits[static_cast<std::size_t>(b)];
    });
    return candidates;
}

std::string ChoiceText(const CsvColumnChoice& choice) {
    return choice.by == CsvColumnChoice::By::Number ? std::to_string(choice.number) : choice.name;
}

// Settles the column of role from choice, or from the candidates; a refusal when it cannot.
std::optional<CsvRefusal> SettleColumn(CsvRefusal base, CsvColumnRole role,
                                       const CsvColumnChoice& choice, const CsvLayout& layout,
                                       const std::vector<int>& candidates,
                                       const std::vector<int>& fits, bool required, int& column) {
    base.role = role;
    base.headers = layout.headers;
    column = -1;
    if (choice.by == CsvColumnChoice::By::None)
        return std::nullopt;
    if (choice.by != CsvColumnChoice::By::Found) {
        std::vector<int> ties;
        const std::optional<int> chosen = ChosenColumn(choice, layout.headers, ties);
        if (chosen) {
            column = *chosen;
            return std::nullopt;
        }
        base.chosen = ChoiceText(choice);
        base.kind =
            ties.empty() ? CsvRefusalKind::ChosenColumnMissing : CsvRefusalKind::ColumnAmbiguous;
        base.columns = ties;
        return base;
    }
    if (candidates.empty()) {
        if (!required)
            return std::nullopt;
        base.kind = CsvRefusalKind::ColumnNotFound;
        return base;
    }
    const int best = fits[static_cast<std::size_t>(candidates.front())];
    for (const int candidate : candidates) {
        if (fits[static_cast<std::size_t>(candidate)] == best)
            base.columns.push_back(candidate);
    }
    if (base.columns.size() > 1) {
        base.kind = CsvRefusalKind::ColumnAmbiguous;
        return base;
    }
    column = candidates.front();
    return std::nullopt;
}

// The time columns as chosen, else as found in the first row.
std::optional<CsvRefusal> SettleTime(const CsvRefusal& base, const CsvReadOptions& options,
                                     const HeaderFound& found, CsvLayout& layout) {
    layout.columns.time = found.timeColumns.time;
    layout.columns.clock = found.timeColumns.clock;
    const std::vector<int> none;
    if (options.time.by == CsvColumnChoice::By::Name ||
        options.time.by == CsvColumnChoice::By::Number) {
        int column = -1;
        if (std::optional<CsvRefusal> refusal = SettleColumn(
                base, CsvColumnRole::Time, options.time, layout, none, none, true, column))
            return refusal;
        layout.columns.time = column;
        layout.columns.clock = -1;
        const auto at = static_cast<std::size_t>(column);
        // A date alone takes the clock time found after it, unless one is chosen.
        if (at < found.rowFields.size() && !ParseCsvDateTime(found.rowFields[at]) &&
            ParseCsvDate(found.rowFields[at]) && found.timeColumns.clock >= 0 &&
            found.timeColumns.clock != column)
            layout.columns.clock = found.timeColumns.clock;
    }
    if (options.clock.by == CsvColumnChoice::By::Name ||
        options.clock.by == CsvColumnChoice::By::Number) {
        int column = -1;
        if (std::optional<CsvRefusal> refusal = SettleColumn(
                base, CsvColumnRole::Time, options.clock, layout, none, none, true, column))
            return refusal;
        layout.columns.clock = column;
    }
    return std::nullopt;
}

bool NamesLevel(const std::vector<std::string>& fields, CsvEncoding encoding,
                const CsvColumnChoice& choice) {
    std::vector<std::string> headers;
    for (const std::string& field : fields)
        headers.push_back(ToUtf8(field, encoding));
    switch (choice.by) {
    case CsvColumnChoice::By::Number:
        return choice.number >= 1 && static_cast<std::size_t>(choice.number) <= headers.size();
    case CsvColumnChoice::By::Name: {
        std::vector<int> ties;
        return ChosenColumn(choice, headers, ties).has_value() || !ties.empty();
    }
    case CsvColumnChoice::By::Found:
    case CsvColumnChoice::By::None:
        break;
    }
    for (const std::string& header : headers) {
        if (HeaderFit(FoldHeader(header), LevelQuantity::Leq) > 0)
            return true;
    }
    return false;
}

} // namespace

CsvColumnChoice ParseCsvColumnChoice(std::string_view text) {
    CsvColumnChoice choice;
    text = TrimBlanks(text);
    const bool digits =
        !text.empty() && text.size() <= 6 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits) {
        choice.by = CsvColumnChoice::By::Number;
        choice.number = std::stoi(std::string(text));
    } else if (text == "none") {
        choice.by = CsvColumnChoice::By::None;
    } else {
        choice.by = CsvColumnChoice::By::Name;
        choice.name = std::string(text);
    }
    return choice;
}

CsvLayoutFound FindCsvLayout(std::string_view bytes, bool bytesAreWhole, std::string_view fileName,
                             const CsvReadOptions& options) {
    CsvLayoutFound found;
    CsvLayout& layout = found.layout;
    if (LooksLikeUtf16(bytes)) {
        found.refusal = Refusal(CsvRefusalKind::Utf16, fileName);
        return found;
    }
    layout.byteOrderMark = HasByteOrderMark(bytes);
    layout.encoding = EncodingOf(bytes, !bytesAreWhole);
    const std::size_t bodyStart = layout.byteOrderMark ? 3 : 0;
    const std::string_view text = bytes.substr(0, bodyStart + kRowWindow);

    // The non-blank records of the window, each tried as the header of the one after it.
    std::optional<Record> previous;
    std::optional<Record> firstWithDate;
    bool anyRecord = false;
    std::size_t at = bodyStart;
    std::int64_t line = 1;
    HeaderFound header;
    bool headerFound = false;
    bool levelNamed = false;
    while (at < text.size() && at < bodyStart + kHeaderWindow) {
        const Record record = RecordAt(text, at, line, true);
        at = record.end + 1;
        line += record.lines;
        if (IsBlank(record.text))
            continue;
        anyRecord = true;
        if (previous) {
            HeaderFound candidate;
            for (const char separator : SeparatorsToTry(previous->text, record.text)) {
                if (TryHeader(*previous, RecordAt(text, record.start, record.line, false),
                              separator, candidate)) {
                    // A meter's notes may look like a header and a row ("Start;2025-03-22
                    // 10:00"): the first header naming a level wins over them.
                    const bool namesLevel =
                        NamesLevel(candidate.headerFields, layout.encoding, options.level);
                    if (namesLevel || !headerFound)
                        header = std::move(candidate);
                    headerFound = true;
                    if (namesLevel)
                        levelNamed = true;
                    break;
                }
            }
            if (levelNamed)
                break;
        }
        if (!firstWithDate) {
            for (const char separator : kSeparators) {
                if (HasDate(SplitFields(record.text, separator))) {
                    firstWithDate = record;
                    break;
                }
            }
        }
        previous = record;
    }
    if (!headerFound) {
        CsvRefusal refusal = Refusal(CsvRefusalKind::NoHeader, fileName);
        const bool seenAll = bytesAreWhole && at >= bytes.size();
        if (!anyRecord && seenAll) {
            refusal.kind = CsvRefusalKind::Empty;
        } else if (firstWithDate) {
            refusal.line = firstWithDate->line;
        } else if (seenAll && previous && HasTwoFields(previous->text)) {
            // Nothing but a header, or lines without a date.
            refusal.kind = CsvRefusalKind::NoRows;
            refusal.line = previous->line;
        }
        found.refusal = refusal;
        return found;
    }

    layout.separator = header.separator;
    layout.headerLine = header.header.line;
    layout.rowsStart = header.header.end + 1;
    layout.rowsLine = header.header.line + header.header.lines;
    std::vector<std::string> folded;
    for (const std::string& field : header.headerFields) {
        std::string name = ToUtf8(field, layout.encoding);
        std::replace(name.begin(), name.end(), '\n', ' ');
        std::replace(name.begin(), name.end(), '\r', ' ');
        folded.push_back(FoldHeader(name));
        layout.headers.push_back(std::move(name));
    }

    const CsvRefusal base = Refusal(CsvRefusalKind::Empty, fileName);
    if ((found.refusal = SettleTime(base, options, header, layout)))
        return found;

    std::vector<int> levelFits;
    layout.levelCandidates = Candidates(folded, LevelQuantity::Leq, layout.columns, levelFits);
    int level = -1;
    found.refusal = SettleColumn(base, CsvColumnRole::Level, options.level, layout,
                                 layout.levelCandidates, levelFits, true, level);
    layout.columns.level = level;
    if (found.refusal)
        return found;

    std::vector<int> l90Fits;
    CsvColumns taken = layout.columns;
    layout.l90Candidates = Candidates(folded, LevelQuantity::L90, taken, l90Fits);
    int l90 = -1;
    found.refusal = SettleColumn(base, CsvColumnRole::L90, options.l90, layout,
                                 layout.l90Candidates, l90Fits, false, l90);
    layout.columns.l90 = l90;
    return found;
}

} // namespace vrd
