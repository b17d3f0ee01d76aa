#include "export/csv_export.h"

#include "export/file_end.h"
#include "report/complete_lines.h"
#include "report/read_file.h"
#include "report/text_positions.h"

#include <cstring>

namespace vrd {

namespace {

// A record line holds columns 1 to 36: "dd/mm/yyyy - hh:mm    Leq < lll dBA" and its line feed.
constexpr std::size_t kRecordLength = 36;

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
    if (line.size() >= kRecordLength && line.compare(22, 3, "Leq") == 0) {
        // The common case, every column present: fixed copies.
        std::memcpy(out, line.data(), 10);
        std::memcpy(out + 10, line.data() + 12, 6);
        out[16] = ';';
        std::memcpy(out + 17, line.data() + 28, 3);
        out[20] = ';';
        std::memcpy(out + 21, line.data() + 32, 4);
        return out + 25;
    }
    if (Columns(line, 23, 25) == "Leq") {
        out = Put(out, Columns(line, 1, 10));
        out = Put(out, Columns(line, 13, 18));
        *out++ = ';';
        out = Put(out, Columns(line, 29, 31));
        *out++ = ';';
        return Put(out, Columns(line, 33, 36));
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
