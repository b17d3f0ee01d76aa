#include "levels_csv/read_levels_csv.h"

#include "levels_csv/level_number.h"
#include "levels_csv/sample_step.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vrd {

namespace {

// Room made for the rows before the first grows past it: enough for a month of 1-s levels, little
// enough that a file of junk under a good header asks for no more.
constexpr std::size_t kMostRowsReserved = std::size_t{1} << 22;
// Bytes of a field kept to name it in a bad line.
constexpr std::size_t kBadTextBytes = 40;

enum Slot { kTime, kClock, kLevel, kL90, kSlots };

struct RowsRead {
    std::vector<Millis> times;
    std::vector<float> levels;
    std::vector<float> l90s;    // only when the layout has an LA90 column
    std::int64_t firstLine = 0; // of the first readable row
    std::int64_t rows = 0;
    std::int64_t unreadable = 0;
    std::vector<CsvBadLine> badLines;
    bool sorted = true;
    bool cancelled = false;
};

struct RowLimits {
    std::size_t maxRows = static_cast<std::size_t>(-1);
    bool lastLineWhole = true; // false: a last line without a line feed may be cut
    std::vector<CsvPreviewRow>* preview = nullptr;
};

// A row of separators, blanks and quotes only: an empty row as a spreadsheet writes it.
bool IsEmptyRow(std::string_view row, char separator) {
    for (const char c : row) {
        if (c != separator && c != ' ' && c != '\t' && c != '"')
            return false;
    }
    return true;
}

bool IsLevel(float value) {
    return value >= kLowestCsvLevel && value <= kHighestCsvLevel;
}

void NoteBadLine(RowsRead& rows, std::int64_t line, CsvRowProblem problem, int column,
                 std::string_view text, CsvEncoding encoding) {
    ++rows.unreadable;
    if (rows.badLines.size() >= kNamedBadLines)
        return;
    CsvBadLine bad;
    bad.line = line;
    bad.problem = problem;
    bad.column = column + 1;
    bad.text = ToUtf8(TrimBlanks(text), encoding, kBadTextBytes);
    rows.badLines.push_back(std::move(bad));
}

CsvPreviewRow PreviewOf(std::string_view row, std::int64_t line, const CsvLayout& layout) {
    CsvPreviewRow preview;
    preview.line = line;
    FieldReader reader(row, layout.separator);
    RawField field;
    std::string buffer;
    while (reader.Next(field))
        preview.fields.push_back(ToUtf8(TrimBlanks(FieldText(field, buffer)), layout.encoding));
    return preview;
}

// Reads the rows below the header. The level column may be missing (-1) for a detection whose
// level is not settled yet: every readable time then gives a row at level 0.
void ReadRows(std::string_view text, const CsvLayout& layout, const RowLimits& limits,
              const Progress& progress, RowsRead& rows) {
    const CsvColumns& columns = layout.columns;
    const int wanted[kSlots] = {columns.time, columns.clock, columns.level, columns.l90};
    int lastWanted = -1;
    for (const int column : wanted)
        lastWanted = std::max(lastWanted, column);
    if (columns.time < 0)
        return;
    std::vector<int> slotOf(static_cast<std::size_t>(lastWanted) + 1, -1);
    for (int slot = 0; slot < kSlots; ++slot) {
        if (wanted[slot] >= 0)
            slotOf[static_cast<std::size_t>(wanted[slot])] = slot;
    }
    const bool hasL90 = columns.l90 >= 0;

    std::size_t at = layout.rowsStart;
    {
        const std::size_t firstEnd = LineEnd(text, at);
        const std::size_t rowBytes = std::max<std::size_t>(firstEnd - std::min(firstEnd, at), 16);
        const std::size_t expected =
            std::min((text.size() - std::min(text.size(), at)) / rowBytes + 1, kMostRowsReserved);
        rows.times.reserve(std::min(expected, limits.maxRows));
        rows.levels.reserve(rows.times.capacity());
        if (hasL90)
            rows.l90s.reserve(rows.times.capacity());
    }

    std::string buffers[kSlots];
    std::string_view fields[kSlots];
    TimeFieldReader timeReader;
    std::int64_t line = layout.rowsLine;
    std::uint64_t nextReport = kProgressStep;
    std::size_t taken = 0;
    while (at < text.size()) {
        const std::size_t end = LineEnd(text, at);
        if (end == text.size() && !limits.lastLineWhole)
            break;
        const std::string_view row = LineAt(text, at, end);
        const std::int64_t rowLine = line++;
        at = end + 1;
        if (progress && at >= nextReport) {
            nextReport = at + kProgressStep;
            if (!progress(std::min<std::uint64_t>(at, text.size()), text.size())) {
                rows.cancelled = true;
                return;
            }
        }
        if (row.empty())
            continue;
        if (taken >= limits.maxRows)
            break;

        bool present[kSlots] = {};
        FieldReader reader(row, layout.separator);
        RawField field;
        for (int index = 0; index <= lastWanted && reader.Next(field); ++index) {
            const int slot = slotOf[static_cast<std::size_t>(index)];
            if (slot >= 0) {
                fields[slot] = FieldText(field, buffers[slot]);
                present[slot] = true;
            }
        }
        const bool timeEmpty = !present[kTime] || TrimBlanks(fields[kTime]).empty();
        if (timeEmpty && IsEmptyRow(row, layout.separator))
            continue;
        ++taken;
        ++rows.rows;
        if (limits.preview != nullptr && limits.preview->size() < kPreviewRows)
            limits.preview->push_back(PreviewOf(row, rowLine, layout));

        const int missing = !present[kTime]                           ? wanted[kTime]
                            : wanted[kClock] >= 0 && !present[kClock] ? wanted[kClock]
                            : wanted[kLevel] >= 0 && !present[kLevel] ? wanted[kLevel]
                                                                      : -1;
        if (missing >= 0) {
            NoteBadLine(rows, rowLine, CsvRowProblem::FieldMissing, missing, {}, layout.encoding);
            continue;
        }
        const std::optional<Millis> time =
            columns.clock >= 0 ? timeReader.DateAndClock(fields[kTime], fields[kClock])
                               : timeReader.DateTime(fields[kTime]);
        if (!time) {
            std::string written(TrimBlanks(fields[kTime]));
            if (columns.clock >= 0)
                written += " " + std::string(TrimBlanks(fields[kClock]));
            NoteBadLine(rows, rowLine, CsvRowProblem::TimeUnreadable, columns.time, written,
                        layout.encoding);
            continue;
        }
        float level = 0;
        if (columns.level >= 0) {
            const std::optional<float> value = ParseCsvNumber(fields[kLevel]);
            if (!value || !IsLevel(*value)) {
                NoteBadLine(rows, rowLine,
                            value ? CsvRowProblem::LevelOutOfRange : CsvRowProblem::LevelNotNumber,
                            columns.level, fields[kLevel], layout.encoding);
                continue;
            }
            level = *value;
        }
        if (hasL90) {
            std::optional<float> l90;
            if (present[kL90])
                l90 = ParseCsvNumber(fields[kL90]);
            rows.l90s.push_back(l90 && IsLevel(*l90) ? *l90
                                                     : std::numeric_limits<float>::quiet_NaN());
        }
        if (rows.times.empty())
            rows.firstLine = rowLine;
        else if (*time < rows.times.back())
            rows.sorted = false;
        rows.times.push_back(*time);
        rows.levels.push_back(level);
    }
}

// Puts the rows in time order, the rows of one time in file order.
void SortByTime(RowsRead& rows) {
    if (rows.sorted)
        return;
    std::vector<std::size_t> order(rows.times.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows.times[a] < rows.times[b]; });
    std::vector<Millis> times(order.size());
    std::vector<float> levels(order.size());
    std::vector<float> l90s(rows.l90s.empty() ? 0 : order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        times[i] = rows.times[order[i]];
        levels[i] = rows.levels[order[i]];
        if (!l90s.empty())
            l90s[i] = rows.l90s[order[i]];
    }
    rows.times = std::move(times);
    rows.levels = std::move(levels);
    rows.l90s = std::move(l90s);
    rows.sorted = true;
}

// Keeps the first row of each time; returns how many were dropped.
std::int64_t DropDuplicates(RowsRead& rows) {
    std::size_t kept = 0;
    const bool hasL90 = !rows.l90s.empty();
    for (std::size_t i = 0; i < rows.times.size(); ++i) {
        if (kept > 0 && rows.times[i] == rows.times[kept - 1])
            continue;
        rows.times[kept] = rows.times[i];
        rows.levels[kept] = rows.levels[i];
        if (hasL90)
            rows.l90s[kept] = rows.l90s[i];
        ++kept;
    }
    const auto dropped = static_cast<std::int64_t>(rows.times.size() - kept);
    rows.times.resize(kept);
    rows.levels.resize(kept);
    if (hasL90)
        rows.l90s.resize(kept);
    return dropped;
}

CsvRefusal RefusalOf(CsvRefusalKind kind, std::string_view fileName, const CsvLayout& layout) {
    CsvRefusal refusal;
    refusal.kind = kind;
    refusal.file = std::string(fileName);
    refusal.headers = layout.headers;
    return refusal;
}

} // namespace

LevelsCsvRead ReadLevelsCsv(std::string_view bytes, std::string_view fileName,
                            const CsvReadOptions& options, const Progress& progress) {
    LevelsCsvRead read;
    CsvLayoutFound found = FindCsvLayout(bytes, true, fileName, options);
    if (found.refusal) {
        read.refusal = std::move(found.refusal);
        return read;
    }
    const CsvLayout& layout = found.layout;
    RowsRead rows;
    ReadRows(bytes, layout, {}, progress, rows);
    if (rows.cancelled) {
        read.refusal = RefusalOf(CsvRefusalKind::Cancelled, fileName, layout);
        return read;
    }
    if (rows.times.empty()) {
        CsvRefusal refusal =
            RefusalOf(rows.rows == 0 ? CsvRefusalKind::NoRows : CsvRefusalKind::NoReadableRow,
                      fileName, layout);
        refusal.line = layout.headerLine;
        refusal.unreadable = rows.unreadable;
        refusal.badLines = std::move(rows.badLines);
        read.refusal = std::move(refusal);
        return read;
    }

    SortByTime(rows);
    const std::int64_t duplicate = DropDuplicates(rows);
    const std::optional<Millis> step = MostCommonStep(rows.times.data(), rows.times.size());
    if (!step || *step < kShortestStep || *step > kLongestStep) {
        CsvRefusal refusal = RefusalOf(
            !step ? (duplicate > 0 ? CsvRefusalKind::AllTimesEqual : CsvRefusalKind::SingleTime)
                  : CsvRefusalKind::StepOutOfRange,
            fileName, layout);
        refusal.line = rows.firstLine;
        refusal.time = rows.times.front();
        refusal.step = step.value_or(0);
        read.refusal = std::move(refusal);
        return read;
    }

    LevelsCsv levels;
    levels.layout = layout;
    levels.stamp = options.stamp;
    levels.rows = rows.rows;
    levels.unreadable = rows.unreadable;
    levels.duplicate = duplicate;
    levels.badLines = std::move(rows.badLines);
    LevelSamples& samples = levels.samples;
    samples.SetStep(*step);
    const bool hasL90 = layout.columns.l90 >= 0;
    samples.Reserve(rows.times.size(), hasL90);
    const Millis shift = options.stamp == CsvStamp::End ? *step : 0;
    for (std::size_t i = 0; i < rows.times.size(); ++i) {
        const float level = rows.levels[i];
        levels.wholeLevels = levels.wholeLevels && std::floor(level) == level;
        if (hasL90) {
            const float l90 = rows.l90s[i];
            levels.l90Missing += std::isnan(l90) ? 1 : 0;
            samples.Append(rows.times[i] - shift, level, l90);
        } else {
            samples.Append(rows.times[i] - shift, level);
        }
    }
    read.levels = std::move(levels);
    return read;
}

CsvDetection DetectLevelsCsv(std::string_view firstBytes, std::string_view fileName,
                             const CsvReadOptions& options, bool bytesAreWhole) {
    CsvDetection detection;
    CsvLayoutFound found = FindCsvLayout(firstBytes, bytesAreWhole, fileName, options);
    detection.layout = std::move(found.layout);
    detection.refusal = std::move(found.refusal);
    if (detection.layout.headers.empty())
        return detection;
    RowLimits limits;
    limits.maxRows = kDetectionRows;
    limits.lastLineWhole = bytesAreWhole;
    limits.preview = &detection.firstRows;
    RowsRead rows;
    ReadRows(firstBytes, detection.layout, limits, {}, rows);
    detection.badLines = std::move(rows.badLines);
    if (rows.times.empty())
        return detection;
    SortByTime(rows);
    detection.firstTime = rows.times.front();
    DropDuplicates(rows);
    detection.step = MostCommonStep(rows.times.data(), rows.times.size());
    return detection;
}

} // namespace vrd
