#include "export/csv_export.h"

#include "export/file_end.h"
#include "report/complete_lines.h"
#include "report/minute_record.h"
#include "report/read_file.h"

#include <cstring>

namespace vrd {

namespace {

char* Put(char* out, std::string_view text) {
    if (text.empty()) // a column past the line's end has no data to copy from
        return out;
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// Writes the row of line at out and returns its end. A record row carries no line end of its
// own: it ends with whatever columns 33 to 36 hold. No row is longer than its line, which lets
// the caller size the text by the report.
char* PutRow(char* out, std::string_view line) {
    namespace columns = record_columns;
    const MinuteRecord record(line);
    if (line.size() >= columns::kFullLength && record.IsLevel()) {
        // The common case, every column present: fixed copies.
        constexpr std::size_t kTimeAt = columns::kDate.Width();
        constexpr std::size_t kLevelAt = kTimeAt + columns::kTime.Width() + 1;
        constexpr std::size_t kAfterAt = kLevelAt + columns::kLevel.Width() + 1;
        std::memcpy(out, line.data() + columns::kDate.Offset(), columns::kDate.Width());
        std::memcpy(out + kTimeAt, line.data() + columns::kTime.Offset(), columns::kTime.Width());
        out[kLevelAt - 1] = ';';
        std::memcpy(out + kLevelAt, line.data() + columns::kLevel.Offset(),
                    columns::kLevel.Width());
        out[kAfterAt - 1] = ';';
        std::memcpy(out + kAfterAt, line.data() + columns::kAfterLevel.Offset(),
                    columns::kAfterLevel.Width());
        return out + kAfterAt + columns::kAfterLevel.Width();
    }
    if (record.IsLevel()) {
        out = Put(out, record.Date());
        out = Put(out, record.Time());
        *out++ = ';';
        out = Put(out, record.LevelText());
        *out++ = ';';
        return Put(out, record.AfterLevel());
    }
    if (line.front() != '-')
        return Put(out, line);
    return out;
}

} // namespace

std::optional<std::string> BuildCsvText(std::string_view report, const Progress& progress) {
    std::string out;
    if (report.size() < 2)
        return out;
    // Room for the file end too, so that CsvFileBytes appends it without copying the text.
    ReserveFileBytes(out, report.size() + kFileEnd.size());
    out.resize(report.size());
    char* const begin = out.data();
    char* next = begin;
    const WalkEnd end = ForEachCompleteLine(report, progress, [&next](std::string_view line) {
        next = PutRow(next, line);
        return true;
    });
    if (end == WalkEnd::Cancelled)
        return std::nullopt;
    out.resize(static_cast<std::size_t>(next - begin));
    return out;
}

std::optional<std::string> CsvFileBytes(std::string_view report, const Progress& progress) {
    std::optional<std::string> text = BuildCsvText(report, progress);
    if (text)
        text->append(kFileEnd);
    return text;
}

} // namespace vrd
